#include "Button.h"

#include "Handlers.h"

#include <QPushButton>

#include <utility>

TButton::TButton(std::string Name, QWidget* Widget, std::string Caption)
    : TControl(std::move(Name), Widget)
    , ButtonCaption(std::move(Caption))
{
    QObject::connect(static_cast<QPushButton*>(Widget), &QPushButton::clicked, Widget, [this] { Click(); });
}

std::string TButton::Caption() const
{
    return ButtonCaption;
}

void TButton::Click()
{
    if (Enabled())
        CallHandler(OnClick, this);
}
