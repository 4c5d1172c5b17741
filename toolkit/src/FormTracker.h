#pragma once

#include <vector>

class QEventLoop;
class TForm;

// The program's forms as the toolkit keeps track of them: the forms in creation order (the first
// is the main form), the toolkit's active form, what the window system has been asked and has
// reported of activation, and the event loop that closing the main form ends. The application
// answers from it; the forms and their windows report to it.
class TFormTracker {
public:
    // Adds a form just created; the first one added becomes the main form.
    void Add(TForm* Form);
    TForm* MainForm() const { return Main; }
    TForm* ActiveForm() const { return Current; }
    // Handles events until the main form is hidden.
    void RunEventLoop();
    // Destroys every form, last created first, and forgets the main form.
    void DestroyForms();

    // The toolkit's active form becomes Form; its activate handler runs when it was not active.
    void Activate(TForm* Form);
    // Asks the window system, once the running handler has returned, to activate the toolkit's
    // active form. A handler that shows several forms so asks only for the last one: a request
    // for a window that is not yet on the screen is answered only once it is, and would then
    // take the activation from the form shown after it.
    void RequestActivation();
    // The window system reports Form active. Until it reports the form that the toolkit last
    // asked it to activate, its reports are late echoes of earlier requests and change nothing.
    void WindowSystemActivated(TForm* Form);
    // The user pressed a key or a mouse button in Form: Form is active from now on. When its
    // window is not the window system's active one, the window system is activating it.
    void UserInput(TForm* Form);
    void FormHidden(TForm* Form);
    void FormDestroyed(TForm* Form);

private:
    void SendActivationRequest();

    std::vector<TForm*> Forms;
    TForm* Main = nullptr;
    TForm* Current = nullptr;    // the toolkit's active form
    TForm* Requested = nullptr;  // asked of the window system, not yet reported back by it
    TForm* Expected = nullptr;   // the window system's active form, as last reported or asked for
    bool RequestPending = false; // a request waits for the running handler to return
    QEventLoop* Loop = nullptr;  // while RunEventLoop runs
};

extern TFormTracker* const FormTracker;
