#pragma once

#include "Control.h"

// A button that shows a glyph and never takes the keyboard focus.
class TSpeedButton : public TControl {
public:
    // Presses the button as a click does: runs OnClick when the button is enabled.
    void Click();

    TNotifyEvent OnClick;

private:
    friend class TLayoutReader;
    TSpeedButton(std::string Name, QWidget* Widget);
};
