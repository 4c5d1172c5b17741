#pragma once

#include "Form.h"

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

class QWidget;
class TLabel;

// Every handler call of every test form, in order: "<form>.<handler>(<sender>)".
std::vector<std::string>& HandlerCalls();

// A form class for any layout: it publishes every component that the layout names, as a
// component of any class, and each known handler name that the layout binds. A handler
// logs its call, then runs the step set for it, if any.
class TTestForm : public TForm {
public:
    // Skip names a component that is not to be published; Extra names a label to publish,
    // which the layout may not have, or have as a component of another class.
    explicit TTestForm(const std::string& Layout, std::set<std::string> Skip = {}, std::string Extra = {});

    // The component of that name; throws std::bad_cast when it is not a T.
    template <class T> T* Get(const std::string& Name) const { return &dynamic_cast<T&>(*Fields.at(Name)); }
    // The widget of the form's window named Name (the window itself for the form's name).
    QWidget* Widget(const std::string& Name) const;

    // Steps that handlers run, by handler name.
    std::map<std::string, std::function<void()>> Steps;

    template <int Index> void Handle(TObject* Sender);

private:
    void Record(const char* Handler, TObject* Sender);

    std::map<std::string, TComponent*> Fields;
    TLabel* ExtraLabel = nullptr;
};

// The test forms over the fixture layouts, for Application->CreateForm.
struct TProbe : TTestForm {
    TProbe()
        : TTestForm("test/Probe")
    { }
};

struct TSecond : TTestForm {
    TSecond()
        : TTestForm("test/Second")
    { }
};

struct TVisible : TTestForm {
    TVisible()
        : TTestForm("test/Visible")
    { }
};

struct TPicture : TTestForm {
    TPicture()
        : TTestForm("test/Picture")
    { }
};
