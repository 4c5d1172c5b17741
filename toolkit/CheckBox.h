#pragma once

#include "Control.h"

#include <string>

class TCheckBox : public TControl {
public:
    std::string Caption() const;
    bool Checked() const;
    void SetChecked(bool Value);
};
