#pragma once

#include "Component.h"

#include <concepts>
#include <functional>
#include <memory>
#include <string>

struct TFormState;

// A window created hidden from its stored layout. A form class publishes its component fields
// and event handlers by name and then loads its layout, which creates the components, fills the
// fields and binds the handlers named in it. A name that the layout and the class do not share
// is an error at start-up.
class TForm : public TComponent {
public:
    ~TForm() override;

    // The window's title, Windows-1251 bytes.
    std::string Caption() const;
    bool Visible() const;
    // True while this form is the program's active form.
    bool Active() const;

    // Modeless show. On a hidden form: the form counts as visible at once, OnShow runs (an
    // exception in it is reported and the show goes on), the form appears, comes to the front
    // and is activated, which runs OnActivate, all before Show returns. On a visible form:
    // no OnShow; it comes to the front and is activated again.
    void Show();
    // Hides the form; it keeps its state. Closing the main form ends the event loop.
    void Close();
    // Paints the whole form at once, without handling other events.
    void Repaint();

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TNotifyEvent OnActivate;

protected:
    // Layout is the layout's path below resources/, for instance "game/Unit1".
    explicit TForm(const std::string& Layout);

    // Publishes a component field: loading the layout stores in it the component of that name,
    // which must be a T.
    template <class T>
    requires std::derived_from<T, TComponent>
    void Publish(const char* Name, T*& Field)
    {
        PublishField(Name, [&Field](TComponent* Component) {
            Field = dynamic_cast<T*>(Component);
            return Field != nullptr;
        });
    }

    template <class F> void Publish(const char* Name, void (F::*Handler)(TObject*))
    {
        PublishHandler(Name, [this, Handler](TObject* Sender) { (static_cast<F*>(this)->*Handler)(Sender); });
    }

    // Creates the components from the layout, fills the published fields and binds the
    // published handlers. Throws Exception naming the first name that does not match.
    void LoadLayout();

private:
    // The toolkit reaches a form's internals through TFormState::Of.
    friend struct TFormState;

    explicit TForm(std::unique_ptr<TFormState> Parts);
    // Bind stores a component in the published field; it returns false when the component is
    // not of the field's class.
    void PublishField(const char* Name, std::function<bool(TComponent* Component)> Bind);
    void PublishHandler(const char* Name, TNotifyEvent Handler);

    std::unique_ptr<TFormState> State;
};
