#pragma once

#include "Component.h"

#include <string>
#include <utility>

class QAction;

// An item directly on the form's menu bar. Its caption is Windows-1251 bytes.
class TMenuItem : public TComponent {
public:
    std::string Caption() const;
    // Chooses the item as a click does: runs OnClick.
    void Click();

    TNotifyEvent OnClick;

private:
    friend class TLayoutReader;
    TMenuItem(std::string Name, std::string Caption, QAction* Action);

    std::string ItemCaption;
};

class TMainMenu : public TComponent {
private:
    friend class TLayoutReader;
    explicit TMainMenu(std::string Name)
        : TComponent(std::move(Name))
    { }
};
