#pragma once

#include "Control.h"

#include <string>

// A text drawn on its form. The caption is held as Windows-1251 bytes and drawn as plain text
// by the accelerator-prefix rule: a single "&" underlines the next character and is not drawn,
// "&&" draws one "&". Nothing in a caption is ever taken as markup.
class TLabel : public TControl {
public:
    std::string Caption() const;
    void SetCaption(const std::string& Value);

private:
    friend class TLayoutReader;
    TLabel(std::string Name, QWidget* Widget);

    std::string LabelCaption;
};
