#pragma once

#include "Form.h"

#include <QJsonObject>

#include <map>
#include <memory>
#include <string>
#include <variant>
#include <vector>

class QWidget;
class TBevel;
class TButton;
class TCheckBox;
class TFormWindow;
class TImage;
class TLabel;
class TMainMenu;
class TMemo;
class TMenuItem;
class TSpeedButton;
class TTimer;

// A component field that a form class publishes: where the layout's component is stored.
using TPublishedField = std::variant<TBevel**, TButton**, TCheckBox**, TImage**, TLabel**, TMainMenu**,
    TMemo**, TMenuItem**, TSpeedButton**, TTimer**>;

// What a form holds besides its public events: its layout, its window and its components.
struct TFormState {
    // Reads the layout "resources/<Layout>.json"; throws Exception when it is missing or broken.
    explicit TFormState(const std::string& Layout);
    ~TFormState();

    // The internals of Form, for the toolkit's own code.
    static TFormState& Of(const TForm& Form) { return *Form.State; }

    // Gives the focus to the first control of the tab order when no control has it.
    void FocusFirstControl();

    std::string LayoutFile; // as error messages name it
    QJsonObject Document;   // the parsed layout, until it is loaded
    std::map<std::string, TPublishedField> Fields;
    std::map<std::string, TNotifyEvent> Handlers;

    std::unique_ptr<TFormWindow> Window;
    std::vector<std::unique_ptr<TComponent>> Components; // layout order
    std::vector<QWidget*> TabOrder;                      // the controls that take the focus
    TButton* DefaultButton = nullptr;
    TButton* CancelButton = nullptr;
    std::string Caption;
    bool Visible = false;
    bool VisibleAtStart = false;
};
