#include "Application.h"

#include "Ansi.h"
#include "Fonts.h"
#include "Form.h"
#include "FormState.h"
#include "FormTracker.h"
#include "FormWindow.h"
#include "Handlers.h"
#include "SysUtils.h"

#include <QApplication>
#include <QEvent>
#include <QMessageBox>

namespace {

TApplication TheApplication;

// Tells the form's window of every key and mouse button pressed in it: the user is working in
// that form, whatever the window system has reported so far. Holds back the
// pop-up hints while no window of the program is active.
class TInputWatcher : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        const QEvent::Type Type = Event->type();
        if (Type == QEvent::ToolTip)
            return QApplication::activeWindow() == nullptr;
        if ((Type == QEvent::MouseButtonPress || Type == QEvent::KeyPress) && Watched->isWidgetType())
            if (auto* Window = dynamic_cast<TFormWindow*>(static_cast<QWidget*>(Watched)->window()))
                Window->UserInput();
        return false;
    }
};

} // namespace

TApplication* const Application = &TheApplication;

void TApplication::Initialize()
{
    if (QApplication::instance() != nullptr)
        return;
    static int Argc = 1;
    static char Name[] = "kvizora";
    static char* Argv[] = {Name, nullptr};
    // Lives as long as the process.
    auto* Qt = new QApplication(Argc, Argv);
    QApplication::setApplicationName(QStringLiteral("kvizora"));
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setFont(SubstituteFont(-11, false));
    Qt->installEventFilter(new TInputWatcher(Qt));
}

std::string TApplication::Title() const
{
    return AppTitle;
}

void TApplication::SetTitle(const std::string& Value)
{
    AppTitle = Value;
}

void TApplication::AddForm(TForm* Form)
{
    FormTracker->Add(Form);
    CallHandler(Form->OnCreate, Form);
    if (TFormState::Of(*Form).VisibleAtStart)
        Form->Show();
}

void TApplication::Run()
{
    TForm* Main = FormTracker->MainForm();
    if (Main == nullptr)
        return;
    if (!Main->Visible())
        Main->Show();
    FormTracker->RunEventLoop();
}

TForm* TApplication::MainForm() const
{
    return FormTracker->MainForm();
}

TForm* TApplication::ActiveForm() const
{
    return FormTracker->ActiveForm();
}

void TApplication::ShowException(const std::exception& E)
{
    // The runtime's own exceptions keep their whole message, also past a NUL byte.
    const auto* Own = dynamic_cast<const Exception*>(&E);
    std::string Text = Own != nullptr ? Own->Message() : E.what();
    if (!Text.empty() && static_cast<unsigned char>(Text.back()) > '.')
        Text += '.';
    if (Reporter) {
        Reporter(AppTitle, Text);
        return;
    }
    QMessageBox Box(QMessageBox::Critical, QString::fromStdString(AnsiToUtf8(AppTitle)),
        QString::fromStdString(AnsiToUtf8(Text)), QMessageBox::Ok);
    // The message is shown as it is, also when it looks like markup.
    Box.setTextFormat(Qt::PlainText);
    Box.exec();
}

void TApplication::SetErrorReporter(TErrorReporter Value)
{
    Reporter = std::move(Value);
}

void TApplication::ProcessMessages()
{
    QCoreApplication::processEvents();
}

void TApplication::DestroyForms()
{
    FormTracker->DestroyForms();
}
