#pragma once

#include "Form.h"

#include <QJsonObject>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QWidget;
class TButton;
class TFormWindow;

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
    // The component fields that the form class publishes, each as the binder that stores a
    // component in it and tells whether the component is of the field's class.
    std::map<std::string, std::function<bool(TComponent* Component)>> Fields;
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
