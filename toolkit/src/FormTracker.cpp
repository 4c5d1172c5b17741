#include "FormTracker.h"

#include "Form.h"
#include "FormState.h"
#include "FormWindow.h"
#include "Handlers.h"

#include <QApplication>
#include <QEventLoop>

#include <algorithm>

namespace {

TFormTracker TheTracker;

} // namespace

TFormTracker* const FormTracker = &TheTracker;

void TFormTracker::Add(TForm* Form)
{
    Forms.push_back(Form);
    if (Main == nullptr)
        Main = Form;
}

void TFormTracker::RunEventLoop()
{
    QEventLoop EventLoop;
    Loop = &EventLoop;
    EventLoop.exec();
    Loop = nullptr;
}

void TFormTracker::DestroyForms()
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

void TFormTracker::Activate(TForm* Form)
{
    if (Current == Form)
        return;
    Current = Form;
    TFormState::Of(*Form).FocusFirstControl();
    CallHandler(Form->OnActivate, Form);
}

void TFormTracker::RequestActivation()
{
    if (RequestPending)
        return;
    RequestPending = true;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [this] { SendActivationRequest(); }, Qt::QueuedConnection);
}

void TFormTracker::SendActivationRequest()
{
    RequestPending = false;
    if (Current == nullptr || Current == Expected)
        return;
    TFormState::Of(*Current).Window->activateWindow();
    Requested = Current;
    Expected = Current;
}

void TFormTracker::WindowSystemActivated(TForm* Form)
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

void TFormTracker::UserInput(TForm* Form)
{
    Requested = TFormState::Of(*Form).Window.get() == QApplication::activeWindow() ? nullptr : Form;
    Expected = Form;
    if (Form->Visible())
        Activate(Form);
}

void TFormTracker::FormHidden(TForm* Form)
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

void TFormTracker::FormDestroyed(TForm* Form)
{
    FormHidden(Form);
    Forms.erase(std::remove(Forms.begin(), Forms.end(), Form), Forms.end());
    if (Main == Form)
        Main = nullptr;
}
