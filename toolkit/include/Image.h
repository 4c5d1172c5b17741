#pragma once

#include "Control.h"

#include <utility>

// A picture stretched over its control; a client-aligned one fills the visible client area.
class TImage : public TControl {
private:
    friend class TLayoutReader;
    TImage(std::string Name, QWidget* Widget)
        : TControl(std::move(Name), Widget)
    { }
};
