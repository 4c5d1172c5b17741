#include "Label.h"

#include "Ansi.h"
#include "LabelWidget.h"

#include <utility>

TLabel::TLabel(std::string Name, QWidget* Widget)
    : TControl(std::move(Name), Widget)
{ }

std::string TLabel::Caption() const
{
    return LabelCaption;
}

void TLabel::SetCaption(const std::string& Value)
{
    if (Value == LabelCaption)
        return;
    LabelCaption = Value;
    static_cast<TLabelWidget*>(Widget())->SetText(QString::fromStdString(AnsiToUtf8(Value)));
}
