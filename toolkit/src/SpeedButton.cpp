#include "SpeedButton.h"

#include "Handlers.h"
#include "SpeedButtonWidget.h"

#include <utility>

TSpeedButton::TSpeedButton(std::string Name, QWidget* Widget)
    : TControl(std::move(Name), Widget)
{
    static_cast<TSpeedButtonWidget*>(Widget)->OnClick = [this] { Click(); };
}

void TSpeedButton::Click()
{
    if (Enabled())
        CallHandler(OnClick, this);
}
