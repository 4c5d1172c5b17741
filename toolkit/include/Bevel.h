#pragma once

#include "Control.h"

#include <utility>

// A lowered box drawn around other components.
class TBevel : public TControl {
private:
    friend class TLayoutReader;
    TBevel(std::string Name, QWidget* Widget)
        : TControl(std::move(Name), Widget)
    { }
};
