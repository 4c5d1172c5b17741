#pragma once

#include "Component.h"

class QWidget;

// A component that has a place in its form's client area.
class TControl : public TComponent {
public:
    ~TControl() override;

    bool Enabled() const;
    void SetEnabled(bool Value);

    TColor FontColor() const;
    void SetFontColor(TColor Value);

protected:
    TControl(std::string Name, QWidget* Widget);
    QWidget* Widget() const { return ControlWidget; }

private:
    QWidget* ControlWidget = nullptr; // owned by the form's widget tree
    TColor ControlFontColor = clWindowText;
};
