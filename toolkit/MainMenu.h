#pragma once

#include "Component.h"

#include <string>

// An item directly on the form's menu bar.
class TMenuItem : public TComponent {
public:
    std::string Caption() const;
    // Chooses the item as a click does: runs OnClick.
    void Click();

    TNotifyEvent OnClick;
};

class TMainMenu : public TComponent { };
