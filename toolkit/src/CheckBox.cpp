#include "CheckBox.h"

#include <QCheckBox>

#include <utility>

TCheckBox::TCheckBox(std::string Name, QWidget* Widget, std::string Caption)
    : TControl(std::move(Name), Widget)
    , CheckCaption(std::move(Caption))
{ }

std::string TCheckBox::Caption() const
{
    return CheckCaption;
}

bool TCheckBox::Checked() const
{
    return static_cast<QCheckBox*>(Widget())->isChecked();
}

void TCheckBox::SetChecked(bool Value)
{
    static_cast<QCheckBox*>(Widget())->setChecked(Value);
}
