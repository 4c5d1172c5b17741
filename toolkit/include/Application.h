#pragma once

#include <exception>
#include <functional>
#include <string>

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
    void AddForm(TForm* Form);

    std::string AppTitle;
    TErrorReporter Reporter;
};

extern TApplication* const Application;
