#pragma once

#include <exception>
#include <functional>
#include <string>
#include <vector>

class QEventLoop;
class TForm;

// The program's application object: its title, its forms in creation order (the first is the
// main form), the event loop and the report of errors that leave a handler.
class TApplication {
public:
    // Receives each error report: the caption (the title) and the text of the box.
    using TErrorReporter = std::function<void(const std::string& Caption, const std::string& Text)>;

    // Creates the windowing system's application object, once per process.
    void Initialize();

    std::string Title() const;
    void SetTitle(const std::string& Value);

    // Creates a form from its layout into its global reference, then runs its creation handler
    // (an exception in it is reported and the form is still created) and shows it if its
    // layout marks it visible. The first form created becomes the main form.
    template <class T> void CreateForm(T*& Reference)
    {
        Reference = new T();
        AddForm(Reference);
    }

    // Shows the main form if it is hidden and handles events until the main form is closed.
    void Run();

    TForm* MainForm() const;
    TForm* ActiveForm() const;

    // Reports an error in a modal box: the message plus "." when its last byte sorts after ".",
    // the title as caption, an error icon and one OK button. The box runs a nested event loop.
    void ShowException(const std::exception& E);
    // Replaces the modal box, for tests. An empty reporter restores the box.
    void SetErrorReporter(TErrorReporter Reporter);

    // Handles the events that are waiting, then returns.
    void ProcessMessages();

    // Destroys every form, last created first, and forgets the main form: the end of a program,
    // or of a test that created forms.
    void DestroyForms();

private:
    friend class TForm;
    friend class TFormWindow;
    friend class TInputWatcher;

    void AddForm(TForm* Form);
    // The toolkit's active form becomes Form; its activate handler runs when it was not active.
    void Activate(TForm* Form);
    // Asks the window system, once the running handler has returned, to activate the toolkit's
    // active form. A handler that shows several forms so asks only for the last one: a request
    // for a window that is not yet on the screen is answered only once it is, and would then
    // take the activation from the form shown after it.
    void RequestActivation();
    void SendActivationRequest();
    // The window system reports Form active. Until it reports the form that the toolkit last
    // asked it to activate, its reports are late echoes of earlier requests and change nothing.
    void WindowSystemActivated(TForm* Form);
    // The user pressed a key or a mouse button in Form: Form is active from now on. When its
    // window is not the window system's active one, the window system is activating it.
    void UserInput(TForm* Form);
    void FormHidden(TForm* Form);
    void FormDestroyed(TForm* Form);

    std::string AppTitle;
    std::vector<TForm*> Forms;
    TForm* Main = nullptr;
    TForm* Current = nullptr;    // the toolkit's active form
    TForm* Requested = nullptr;  // asked of the window system, not yet reported back by it
    TForm* Expected = nullptr;   // the window system's active form, as last reported or asked for
    bool RequestPending = false; // a request waits for the running handler to return
    TErrorReporter Reporter;
    QEventLoop* Loop = nullptr; // while Run runs
};

extern TApplication* const Application;
