#include "FormWindow.h"

#include "Button.h"
#include "Fonts.h"
#include "Form.h"
#include "FormState.h"
#include "FormTracker.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The frame that the layouts' outer sizes include, and the height of a menu bar.
constexpr int FrameWidth = 8;
constexpr int FrameHeight = 34;
constexpr int MenuBarHeight = 20;

} // namespace

TClientArea::TClientArea(QWidget* Parent)
    : QWidget(Parent)
{ }

void TClientArea::FitToChildren()
{
    if (!AutoScroll)
        return;
    const QRect Reach = childrenRect();
    resize(std::max(Reach.right() + 1, 0), std::max(Reach.bottom() + 1, 0));
}

TFormWindow::TFormWindow(TForm* Owner)
    : Form(Owner)
    , Layout(new QVBoxLayout(this))
    , Scroll(new QScrollArea(this))
    , Client(new TClientArea(Scroll))
{
    setObjectName(QString::fromStdString(Owner->Name()));
    setAutoFillBackground(true);
    // Pop-up hints show over every form while the program is active, not only over the active
    // form; the application holds them back while another program is active.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    Layout->setContentsMargins(0, 0, 0, 0);
    Layout->setSpacing(0);
    Layout->setSizeConstraint(QLayout::SetNoConstraint);
    Layout->addWidget(Scroll);

    Scroll->setFrameShape(QFrame::NoFrame);
    Scroll->setFocusPolicy(Qt::NoFocus);
    Scroll->setWidget(Client);
    // The scroll area fills its widget and viewport; both are to let the window's colour and
    // the client-aligned picture show through.
    Client->setAutoFillBackground(false);
    Scroll->viewport()->setAutoFillBackground(false);
    SetAutoScroll(false);
}

QMenuBar* TFormWindow::AddMenuBar()
{
    Menu = new QMenuBar(this);
    Menu->setFixedHeight(MenuBarHeight);
    Menu->setFont(SubstituteFont(-11, false));
    Layout->setMenuBar(Menu);
    return Menu;
}

void TFormWindow::SetAutoScroll(bool Value)
{
    Client->SetAutoScroll(Value);
    const Qt::ScrollBarPolicy Policy = Value ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
    Scroll->setHorizontalScrollBarPolicy(Policy);
    Scroll->setVerticalScrollBarPolicy(Policy);
    // Kept at the visible size, the client area leaves the scroll area nothing to scroll, not
    // even to bring a control that takes the focus into view.
    Scroll->setWidgetResizable(!Value);
    Client->FitToChildren();
}

void TFormWindow::SetOuterGeometry(int Left, int Top, int Width, int Height)
{
    move(Left, Top);
    resize(std::max(Width - FrameWidth, 0), std::max(Height - FrameHeight, 0));
}

void TFormWindow::SetColor(const QColor& Color)
{
    QPalette Colors = palette();
    Colors.setColor(QPalette::Window, Color);
    setPalette(Colors);
}

void TFormWindow::UserInput()
{
    FormTracker->UserInput(Form);
}

bool TFormWindow::event(QEvent* Event)
{
    if (Event->type() == QEvent::WindowActivate)
        FormTracker->WindowSystemActivated(Form);
    return QWidget::event(Event);
}

void TFormWindow::closeEvent(QCloseEvent* Event)
{
    // The form hides its window itself, and the main form ends the event loop.
    Event->ignore();
    Form->Close();
}

void TFormWindow::keyPressEvent(QKeyEvent* Event)
{
    TButton* Target = nullptr;
    if (Event->key() == Qt::Key_Return || Event->key() == Qt::Key_Enter)
        Target = TFormState::Of(*Form).DefaultButton;
    else if (Event->key() == Qt::Key_Escape)
        Target = TFormState::Of(*Form).CancelButton;
    if (Target == nullptr) {
        QWidget::keyPressEvent(Event);
        return;
    }
    Target->Click();
}
