#include "Control.h"

#include "Colors.h"

#include <QWidget>

#include <utility>

TControl::TControl(std::string Name, QWidget* Widget)
    : TComponent(std::move(Name))
    , ControlWidget(Widget)
{
    ControlWidget->setObjectName(QString::fromStdString(TComponent::Name()));
}

// The widget belongs to the form's window, which outlives its components.
TControl::~TControl() = default;

bool TControl::Enabled() const
{
    return ControlWidget->isEnabled();
}

void TControl::SetEnabled(bool Value)
{
    // A control disabled while it has the focus leaves its form without a focused control,
    // rather than handing the focus on to the next one.
    if (!Value && ControlWidget->window()->focusWidget() == ControlWidget)
        ControlWidget->clearFocus();
    ControlWidget->setEnabled(Value);
}

TColor TControl::FontColor() const
{
    return ControlFontColor;
}

void TControl::SetFontColor(TColor Value)
{
    ControlFontColor = Value;
    // Only the active and inactive groups: a disabled control keeps its disabled look.
    QPalette Colors = ControlWidget->palette();
    const QColor Color = ToQColor(Value);
    for (QPalette::ColorGroup Group : {QPalette::Active, QPalette::Inactive})
        for (QPalette::ColorRole Role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
            Colors.setColor(Group, Role, Color);
    ControlWidget->setPalette(Colors);
}
