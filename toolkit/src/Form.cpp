#include "Form.h"

#include "FormState.h"
#include "FormTracker.h"
#include "FormWindow.h"
#include "Handlers.h"
#include "LayoutReader.h"
#include "SysUtils.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonParseError>

#include <utility>

TFormState::TFormState(const std::string& Layout)
    : LayoutFile("resources/" + Layout + ".json")
{
    QFile File(QStringLiteral(":/") + QString::fromStdString(LayoutFile));
    if (!File.open(QIODevice::ReadOnly))
        throw Exception(LayoutFile + ": the layout is not among the program's resources");
    QJsonParseError Error;
    const QJsonDocument Parsed = QJsonDocument::fromJson(File.readAll(), &Error);
    if (Error.error != QJsonParseError::NoError)
        throw Exception(LayoutFile + ": " + Error.errorString().toStdString() + " at offset "
            + std::to_string(Error.offset));
    if (!Parsed.isObject())
        throw Exception(LayoutFile + ": the layout is not a JSON object");
    Document = Parsed.object();
    if (!Document.value(QStringLiteral("Name")).isString())
        throw Exception(LayoutFile + ": the form has no \"Name\"");
}

// The components go before the window that holds their widgets.
TFormState::~TFormState()
{
    Components.clear();
}

void TFormState::FocusFirstControl()
{
    if (Window->focusWidget() != nullptr)
        return;
    for (QWidget* Control : TabOrder)
        if (Control->isEnabled()) {
            Control->setFocus(Qt::TabFocusReason);
            return;
        }
}

TForm::TForm(const std::string& Layout)
    : TForm(std::make_unique<TFormState>(Layout))
{ }

TForm::TForm(std::unique_ptr<TFormState> Parts)
    : TComponent(Parts->Document.value(QStringLiteral("Name")).toString().toStdString())
    , State(std::move(Parts))
{
    State->Window = std::make_unique<TFormWindow>(this);
}

TForm::~TForm()
{
    FormTracker->FormDestroyed(this);
}

std::string TForm::Caption() const
{
    return State->Caption;
}

bool TForm::Visible() const
{
    return State->Visible;
}

bool TForm::Active() const
{
    return FormTracker->ActiveForm() == this;
}

void TForm::Show()
{
    TFormWindow* Window = State->Window.get();
    if (!State->Visible) {
        State->Visible = true;
        CallHandler(OnShow, this);
        Window->show();
    }
    Window->raise();
    FormTracker->Activate(this);
    // The window system answers later; the tracker tells its answer from echoes.
    FormTracker->RequestActivation();
}

void TForm::Close()
{
    if (!State->Visible)
        return;
    State->Visible = false;
    State->Window->hide();
    FormTracker->FormHidden(this);
}

void TForm::Repaint()
{
    State->Window->repaint();
}

void TForm::PublishField(const char* Name, std::function<bool(TComponent* Component)> Bind)
{
    State->Fields[Name] = std::move(Bind);
}

void TForm::PublishHandler(const char* Name, TNotifyEvent Handler)
{
    State->Handlers[Name] = std::move(Handler);
}

void TForm::LoadLayout()
{
    TLayoutReader(*this).Load();
}
