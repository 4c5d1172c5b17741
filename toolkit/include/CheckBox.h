#pragma once

#include "Control.h"

#include <string>

// A check box; its caption is Windows-1251 bytes.
class TCheckBox : public TControl {
public:
    std::string Caption() const;
    bool Checked() const;
    void SetChecked(bool Value);

private:
    friend class TLayoutReader;
    TCheckBox(std::string Name, QWidget* Widget, std::string Caption);

    std::string CheckCaption;
};
