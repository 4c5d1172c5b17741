#pragma once

#include "Control.h"

#include <string>

// A push button: caption, pop-up hint, tab order, default and cancel roles from the layout.
class TButton : public TControl {
public:
    std::string Caption() const;
    // Presses the button as a click does: runs OnClick when the button is enabled.
    void Click();

    TNotifyEvent OnClick;

private:
    friend class TLayoutReader;
    TButton(std::string Name, QWidget* Widget, std::string Caption);

    std::string ButtonCaption;
};
