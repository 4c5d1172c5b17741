#pragma once

#include "Control.h"

#include <string>
#include <vector>

// A multi-line text box that the user may edit. Lines are Windows-1251 bytes.
class TMemo : public TControl {
public:
    // Appends a line at the end and brings it into view.
    void AddLine(const std::string& Line);
    std::vector<std::string> Lines() const;

private:
    friend class TLayoutReader;
    TMemo(std::string Name, QWidget* Widget);
};
