#include "Application.h"

#include "Ansi.h"
#include "Fonts.h"
#include "Form.h"
#include "FormState.h"
#include "FormWindow.h"
#include "Handlers.h"
#include "SysUtils.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QMessageBox>

#include <algorithm>

namespace {

TApplication TheApplication;

} // namespace

TApplication* const Application = &TheApplication;

// Tells the application of every key and mouse button pressed in a form's window: the user
// is working in that form, whatever the window system has reported so far. Holds back the
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
    Forms.push_back(Form);
    if (Main == nullptr)
        Main = Form;
    CallHandler(Form->OnCreate, Form);
    if (Form->State->VisibleAtStart)
        Form->Show();
}

void TApplication::Run()
{
    if (Main == nullptr)
        return;
    if (!Main->Visible())
        Main->Show();
    QEventLoop EventLoop;
    Loop = &EventLoop;
    EventLoop.exec();
    Loop = nullptr;
}

TForm* TApplication::MainForm() const
{
    return Main;
}

TForm* TApplication::ActiveForm() const
{
    return Current;
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
    while (!Forms.empty()) {
        TForm* Last = Forms.back();
        Forms.pop_back();
        delete Last;
    }
    Main = nullptr;
    Current = nullptr;
    Requested = nullptr;
    Expected = nullptr;
}

void TApplication::Activate(TForm* Form)
{
    if (Current == Form)
        return;
    Current = Form;
    Form->FocusFirstControl();
    CallHandler(Form->OnActivate, Form);
}

void TApplication::RequestActivation()
{
    if (RequestPending)
        return;
    RequestPending = true;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [this] { SendActivationRequest(); }, Qt::QueuedConnection);
}

void TApplication::SendActivationRequest()
{
    RequestPending = false;
    if (Current == nullptr || Current == Expected)
        return;
    Current->State->Window->activateWindow();
    Requested = Current;
    Expected = Current;
}

void TApplication::WindowSystemActivated(TForm* Form)
{
    if (Requested != nullptr) {
        if (Requested == Form)
            Requested = nullptr;
        return;
    }
    Expected = Form;
    if (Form->Visible())
        Activate(Form);
}

void TApplication::UserInput(TForm* Form)
{
    Requested = Form->State->Window.get() == QApplication::activeWindow() ? nullptr : Form;
    Expected = Form;
    if (Form->Visible())
        Activate(Form);
}

void TApplication::FormHidden(TForm* Form)
{
    if (Requested == Form)
        Requested = nullptr;
    if (Expected == Form)
        Expected = nullptr;
    if (Current == Form)
        Current = nullptr;
    if (Form == Main && Loop != nullptr)
        Loop->quit();
}

void TApplication::FormDestroyed(TForm* Form)
{
    FormHidden(Form);
    Forms.erase(std::remove(Forms.begin(), Forms.end(), Form), Forms.end());
    if (Main == Form)
        Main = nullptr;
}
