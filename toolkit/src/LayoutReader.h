#pragma once

#include "Component.h"

#include <QPixmap>

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

class QJsonObject;
class QJsonValue;
class QMenuBar;
class QWidget;
class TControl;
class TForm;
class TProperties;
struct TFormState;

// What a layout says of a font: pixel height (negative: the character height), weight, colour.
struct TLayoutFont {
    int Height = -11;
    bool Bold = false;
    TColor Color = clWindowText;
};

// Loads a form's parsed layout: creates its components in layout order, fills the component
// fields that the form class publishes, binds the handlers named in the layout and sets up the
// window. Every name of the layout must match one of the class, and the reverse.
class TLayoutReader {
public:
    explicit TLayoutReader(TForm& Owner);

    // Throws Exception naming the layout file and the first name or property that is wrong.
    void Load();

private:
    void ReadComponent(const QJsonValue& Value);
    void ReadImage(TProperties& Props, const std::string& Name);
    void ReadBevel(TProperties& Props, const std::string& Name);
    void ReadLabel(TProperties& Props, const std::string& Name);
    void ReadSpeedButton(TProperties& Props, const std::string& Name);
    void ReadButton(TProperties& Props, const std::string& Name);
    void ReadTimer(TProperties& Props, const std::string& Name);
    void ReadMainMenu(TProperties& Props, const std::string& Name);
    void ReadMemo(TProperties& Props, const std::string& Name);
    void ReadCheckBox(TProperties& Props, const std::string& Name);

    // The properties of a component or a menu item, which errors name by its name, or as
    // Unnamed when it has none.
    TProperties ObjectProperties(const QJsonObject& Object, const char* Unnamed) const;
    // Names are unique among the components and the menu items.
    void TakeName(const TProperties& Props, const std::string& Name);
    // Geometry, font and pop-up hint of a control's widget; returns the font for its colour.
    TLayoutFont PlaceWidget(TProperties& Props, QWidget* Widget);
    // Enabled state and font colour, which the component itself keeps.
    void SetUpControl(TProperties& Props, TControl* Control, const TLayoutFont& Font);
    // A control that takes the focus: its place in the tab order.
    void TakesFocus(TProperties& Props, QWidget* Widget);
    TNotifyEvent Handler(TProperties& Props, const char* Event);
    std::pair<QPixmap, QPixmap> Glyph(TProperties& Props, const std::string& File);
    // Hands the component to the form and fills the field published under its name.
    template <class T> T* Store(T* Component);
    void CheckEveryNameMatched() const;
    void FinishWindow();

    TForm& Form;
    TFormState& State;
    TLayoutFont FormFont;
    std::set<std::string> Names;         // the layout's components and menu items
    std::set<std::string> BoundHandlers; // the published handlers that the layout names
    struct TFocusable {
        int TabOrder = 0;
        QWidget* Widget = nullptr;
    };
    std::vector<TFocusable> Focusable;
    std::vector<QWidget*> Windowed; // controls that lie above the drawn-only ones
    std::map<std::string, std::pair<QPixmap, QPixmap>> Glyphs;
    QMenuBar* Menu = nullptr;
};
