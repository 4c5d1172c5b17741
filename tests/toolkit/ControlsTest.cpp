// Buttons, speed buttons, the menu, the memo and the check box; focus, tab order, Enter, Escape.
#include "ToolkitFixture.h"

#include "Button.h"
#include "CheckBox.h"
#include "Colors.h"
#include "MainMenu.h"
#include "Memo.h"
#include "RowPrinting.h"
#include "SpeedButton.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QTest>
#include <QToolTip>
#include <QWidget>

#include <ostream>
#include <stdexcept>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

void Mouse(QWidget* Widget, QEvent::Type Type, QPoint At)
{
    QMouseEvent Event(Type, At, Widget->mapToGlobal(At), Qt::LeftButton,
        Type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Widget, &Event);
}

void Key(int Code)
{
    QWidget* Target = QApplication::focusWidget();
    ASSERT_NE(Target, nullptr);
    QKeyEvent Press(QEvent::KeyPress, Code, Qt::NoModifier);
    QApplication::sendEvent(Target, &Press);
    QKeyEvent Release(QEvent::KeyRelease, Code, Qt::NoModifier);
    QApplication::sendEvent(Target, &Release);
}

std::string FocusName()
{
    const QWidget* Focus = QApplication::focusWidget();
    return Focus ? Focus->objectName().toStdString() : "";
}

class ControlsTest : public ToolkitTest {
protected:
    void SetUp() override
    {
        ToolkitTest::SetUp();
        Application->CreateForm(Probe);
        Probe->Show();
        Application->ProcessMessages();
        TakeCalls();
    }

    TProbe* Probe = nullptr;
};

TEST_F(ControlsTest, ASpeedButtonClicksWhenTheButtonIsReleasedInsideIt)
{
    QWidget* Button = Probe->Widget("SpeedButton1");
    Mouse(Button, QEvent::MouseButtonPress, {20, 12});
    EXPECT_THAT(TakeCalls(), IsEmpty());
    Mouse(Button, QEvent::MouseButtonRelease, {20, 12});
    EXPECT_THAT(TakeCalls(), ElementsAre("Probe.SpeedButton1Click(SpeedButton1)"));

    Mouse(Button, QEvent::MouseButtonPress, {20, 12});
    Mouse(Button, QEvent::MouseMove, {80, 12});
    Mouse(Button, QEvent::MouseButtonRelease, {80, 12});
    EXPECT_THAT(TakeCalls(), IsEmpty());
}

TEST_F(ControlsTest, DisabledButtonsDoNotClick)
{
    Probe->Get<TSpeedButton>("SpeedButton1")->SetEnabled(false);
    Probe->Get<TSpeedButton>("SpeedButton1")->Click();
    Probe->Get<TButton>("Button1")->SetEnabled(false);
    Probe->Get<TButton>("Button1")->Click();
    EXPECT_THAT(TakeCalls(), IsEmpty());
    EXPECT_FALSE(Probe->Get<TButton>("Button1")->Enabled());
}

TEST_F(ControlsTest, DisablingTheFocusedButtonLeavesTheFormWithoutAFocusedControl)
{
    // A hint button pressed with the mouse takes the focus and is then disabled; a key pressed
    // after that is not to press the next button.
    Probe->Widget("Button1")->setFocus();
    Probe->Get<TButton>("Button1")->SetEnabled(false);
    QWidget* Window = Probe->Widget("Probe");
    EXPECT_EQ(Window->focusWidget(), nullptr);
    for (int Code : {Qt::Key_Space, Qt::Key_Return}) {
        QKeyEvent Press(QEvent::KeyPress, Code, Qt::NoModifier);
        QApplication::sendEvent(Window, &Press);
    }
    EXPECT_THAT(TakeCalls(), IsEmpty());
    QKeyEvent Tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QApplication::sendEvent(Window, &Tab);
    EXPECT_EQ(FocusName(), "Button2"); // the first of the tab order
}

TEST_F(ControlsTest, TheGlyphsCornerColourIsTransparentAndADisabledGlyphIsGreyed)
{
    QFile File(QStringLiteral(":/resources/arrow.bmp"));
    ASSERT_TRUE(File.open(QIODevice::ReadOnly));
    const QImage Bitmap = QImage::fromData(File.readAll(), "BMP");
    ASSERT_EQ(Bitmap.size(), QSize(32, 32));
    const QColor Corner = Bitmap.pixelColor(0, 31);
    // The 32 x 32 glyph centred on the 41 x 25 button: bitmap x, y at button x + 4, y - 3.
    QWidget* Button = Probe->Widget("SpeedButton1");
    const auto Drawn = [Button] {
        QImage Image(Button->size(), QImage::Format_RGB32);
        Button->render(&Image);
        return Image;
    };
    const QImage Enabled = Drawn();
    int Transparent = 0;
    int Arrow = 0;
    for (int Y = 5; Y < 26; ++Y) // inside the two-pixel frame of the face
        for (int X = 0; X < 32; ++X) {
            const QColor Source = Bitmap.pixelColor(X, Y);
            const QColor Shown = Enabled.pixelColor(X + 4, Y - 3);
            if (Source == Corner) {
                Transparent += Shown == ToQColor(clBtnFace) ? 1 : 0;
                EXPECT_NE(Shown, Corner) << X << "," << Y;
            } else if (Source.red() > 150 && Source.green() < 20) {
                Arrow += Shown == Source ? 1 : 0;
            }
        }
    EXPECT_GT(Transparent, 0);
    EXPECT_GT(Arrow, 0);

    Probe->Get<TSpeedButton>("SpeedButton1")->SetEnabled(false);
    const QImage Disabled = Drawn();
    EXPECT_NE(Disabled, Enabled);
    for (int Y = 0; Y < Disabled.height(); ++Y)
        for (int X = 0; X < Disabled.width(); ++X) {
            const QColor Shown = Disabled.pixelColor(X, Y);
            EXPECT_FALSE(Shown.red() > 150 && Shown.green() < 20) << "red left at " << X << "," << Y;
        }
}

TEST_F(ControlsTest, OnlyPushButtonsMemoAndCheckBoxTakeTheFocusInTabOrder)
{
    EXPECT_EQ(FocusName(), "Button2"); // tab order 0 has the focus on the first activation
    std::vector<std::string> Visited;
    for (int Step = 0; Step < 4; ++Step) {
        Key(Qt::Key_Tab);
        Visited.push_back(FocusName());
    }
    EXPECT_THAT(Visited, ElementsAre("Button1", "Memo1", "CheckBox1", "Button2"));
    for (const char* Name : {"Label1", "SpeedButton1", "Bevel1"})
        EXPECT_EQ(Probe->Widget(Name)->focusPolicy(), Qt::NoFocus) << Name;
}

struct TabCase {
    const char* Name;
    const char* Layout;
    const char* Form;
    std::vector<std::string> Order;
};

void PrintTo(const TabCase& Row, std::ostream* Out)
{
    PrintRow(Out, Row.Name, Printed(Row.Layout) + " tabs " + Listed(Row.Order));
}

class RealTabOrderTest : public ToolkitTest, public ::testing::WithParamInterface<TabCase> { };

TEST_P(RealTabOrderTest, TabRunsOverTheFocusableControlsOnlyStartingWithTheFirst)
{
    TTestForm Form(GetParam().Layout);
    Form.Show();
    Application->ProcessMessages();
    std::vector<std::string> Visited = {FocusName()};
    for (std::size_t Step = 0; Step < GetParam().Order.size(); ++Step) {
        Key(Qt::Key_Tab);
        Visited.push_back(FocusName());
    }
    std::vector<std::string> Expected = GetParam().Order;
    Expected.push_back(Expected.front());
    EXPECT_EQ(Visited, Expected);
}

INSTANTIATE_TEST_SUITE_P(Windows, RealTabOrderTest,
    ::testing::Values(
        TabCase{"GameHintButtons", "game/Unit1", "Form1", {"Button6", "Button7", "Button8", "Button5"}},
        TabCase{"TrainerMemoAndCheckBox", "trainer/Unit1", "Form1", {"Memo1", "CheckBox1"}},
        TabCase{"RightAnswerOk", "game/Unit7", "Form7", {"Button1"}}),
    [](const ::testing::TestParamInfo<TabCase>& Info) { return std::string(Info.param.Name); });

struct KeyCase {
    const char* Name;
    const char* Focus;
    int Key;
    std::vector<std::string> Calls;
};

void PrintTo(const KeyCase& Row, std::ostream* Out)
{
    PrintRow(Out, Row.Name,
        QKeySequence(Row.Key).toString().toStdString() + " on " + Printed(Row.Focus) + " -> "
            + Listed(Row.Calls));
}

class ControlsKeyTest : public ControlsTest, public ::testing::WithParamInterface<KeyCase> { };

TEST_P(ControlsKeyTest, EnterAndEscapePressTheRightButton)
{
    Probe->Widget(GetParam().Focus)->setFocus();
    Key(GetParam().Key);
    EXPECT_EQ(TakeCalls(), GetParam().Calls);
}

INSTANTIATE_TEST_SUITE_P(Keys, ControlsKeyTest,
    ::testing::Values(
        KeyCase{"EnterOnAFocusedButtonPressesIt", "Button2", Qt::Key_Return, {"Probe.Button2Click(Button2)"}},
        KeyCase{"SpacePressesTheFocusedButton", "Button1", Qt::Key_Space, {"Probe.Button1Click(Button1)"}},
        KeyCase{"EnterElsewherePressesTheDefaultButton", "CheckBox1", Qt::Key_Enter,
            {"Probe.Button1Click(Button1)"}},
        KeyCase{"EscapePressesTheCancelButton", "Button1", Qt::Key_Escape, {"Probe.Button2Click(Button2)"}},
        KeyCase{"EnterInTheMemoStartsANewLine", "Memo1", Qt::Key_Return, {}}),
    [](const ::testing::TestParamInfo<KeyCase>& Info) { return std::string(Info.param.Name); });

TEST_F(ControlsTest, AnExceptionInAClickHandlerIsReported)
{
    Probe->Steps["Button1Click"] = [] { throw std::runtime_error("File access denied"); };
    Probe->Get<TButton>("Button1")->Click();
    EXPECT_THAT(Errors.Texts(), ElementsAre("File access denied."));
}

TEST_F(ControlsTest, PushButtonsShowTheirCaptionAndTheirHintOnlyWhenAskedTo)
{
    EXPECT_EQ(Probe->Get<TButton>("Button2")->Caption(), "Cancel");
    EXPECT_EQ(Probe->Widget("Button2")->toolTip(), QStringLiteral("Back"));
    EXPECT_TRUE(Probe->Widget("Button1")->toolTip().isEmpty());
}

// A style whose pop-up hints wake up at once, so that a test need not wait for them.
class TInstantHints : public QProxyStyle {
public:
    int styleHint(StyleHint Hint, const QStyleOption* Option, const QWidget* Widget,
        QStyleHintReturn* Return) const override
    {
        return Hint == SH_ToolTip_WakeUpDelay ? 0 : QProxyStyle::styleHint(Hint, Option, Widget, Return);
    }
};

struct HintCase {
    const char* Name;
    bool ProgramActive; // another form of the program is active, or another program
    bool Shown;
};

void PrintTo(const HintCase& Row, std::ostream* Out)
{
    PrintRow(Out, Row.Name,
        std::string(Row.ProgramActive ? "the program active" : "another program active")
            + (Row.Shown ? " -> hint shown" : " -> no hint"));
}

class PopUpHintTest : public ControlsTest, public ::testing::WithParamInterface<HintCase> { };

TEST_P(PopUpHintTest, APopUpHintShowsOverAnInactiveFormWhileTheProgramIsActive)
{
    TSecond Other;
    Other.Show(); // the hint window of the game, say, in front
    Application->ProcessMessages();
    if (!GetParam().ProgramActive) {
        QWidget Elsewhere; // a window of another program, active until it goes
        Elsewhere.show();
        Elsewhere.activateWindow();
        Application->ProcessMessages();
    }
    Application->ProcessMessages();
    ASSERT_EQ(QApplication::activeWindow() != nullptr, GetParam().ProgramActive);

    QWidget* Button = Probe->Widget("Button2");
    TInstantHints Style;
    Button->setStyle(&Style);
    QTest::mouseMove(Button, QPoint(30, 12));
    Application->ProcessMessages();
    Application->ProcessMessages();
    EXPECT_EQ(QToolTip::isVisible(), GetParam().Shown);
    EXPECT_EQ(QToolTip::text(), GetParam().Shown ? QStringLiteral("Back") : QString());
    QToolTip::hideText();
    Button->setStyle(nullptr);
}

INSTANTIATE_TEST_SUITE_P(Activation, PopUpHintTest,
    ::testing::Values(HintCase{"WhileAnotherFormIsActive", true, true},
        HintCase{"NotWhileAnotherProgramIsActive", false, false}),
    [](const ::testing::TestParamInfo<HintCase>& Info) { return std::string(Info.param.Name); });

TEST_F(ControlsTest, MenuItemsStandDirectlyOnTheMenuBar)
{
    const auto* Bar = Probe->Widget("Probe")->findChild<QMenuBar*>();
    ASSERT_NE(Bar, nullptr);
    ASSERT_EQ(Bar->actions().size(), 1);
    QAction* New = Bar->actions().front();
    EXPECT_EQ(New->menu(), nullptr);
    EXPECT_EQ(Probe->Get<TMenuItem>("N1")->Caption(), "&New");
    New->trigger();
    Probe->Get<TMenuItem>("N1")->Click();
    EXPECT_THAT(TakeCalls(), ElementsAre("Probe.N1Click(N1)", "Probe.N1Click(N1)"));
    // The client area lies under the menu bar: outer 308 x 254 less the frame and the bar.
    EXPECT_EQ(Probe->Widget("Probe")->size(), QSize(300, 220));
    EXPECT_EQ(Bar->height(), 20);
}

TEST_F(ControlsTest, TheMemoAddsLinesAtTheEndAndGivesThemBackAsWindowsBytes)
{
    TMemo* Memo = Probe->Get<TMemo>("Memo1");
    EXPECT_THAT(Memo->Lines(), ElementsAre("one", "two"));
    Memo->AddLine("\xEE\xF2\xE2\xE5\xF2"); // "ответ"
    Memo->AddLine("");
    Memo->AddLine("& <b>");
    EXPECT_THAT(Memo->Lines(), ElementsAre("one", "two", "\xEE\xF2\xE2\xE5\xF2", "", "& <b>"));
    auto* Edit = static_cast<QPlainTextEdit*>(Probe->Widget("Memo1"));
    EXPECT_TRUE(Edit->toPlainText().contains(QStringLiteral("ответ")));

    // Text the user typed without a line break at its end gets one before the next line.
    Edit->setPlainText(QStringLiteral("typed"));
    Memo->AddLine("next");
    EXPECT_THAT(Memo->Lines(), ElementsAre("typed", "next"));
}

TEST_F(ControlsTest, TheCheckBoxTogglesOnAClickOnItsCaption)
{
    TCheckBox* Check = Probe->Get<TCheckBox>("CheckBox1");
    EXPECT_EQ(Check->Caption(), "Check");
    EXPECT_TRUE(Check->Checked());
    QWidget* Widget = Probe->Widget("CheckBox1");
    Mouse(Widget, QEvent::MouseButtonPress, {4, 8});
    Mouse(Widget, QEvent::MouseButtonRelease, {4, 8});
    EXPECT_FALSE(Check->Checked());
    Check->SetChecked(true);
    EXPECT_TRUE(Check->Checked());
}

TEST_F(ControlsTest, TheCheckBoxIsOpaqueInTheWindowColourOverThePicture)
{
    TTestForm Form("trainer/Unit1");
    Form.Show();
    QWidget* Box = Form.Widget("CheckBox1");
    const QImage Drawn = Form.Widget("Form1")->grab().toImage();
    const QPoint Corner = Box->mapTo(Form.Widget("Form1"), QPoint(0, 0));
    EXPECT_EQ(Drawn.pixelColor(Corner), Box->palette().color(QPalette::Window));
}

} // namespace
