// Forms: creation, show and activation order, closing, the main form and the event loop.
#include "ToolkitFixture.h"

#include "EventLoop.h"
#include "Label.h"
#include "SysUtils.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

class FormTest : public ToolkitTest {
protected:
    // The main form Probe and the secondary form Second, created as a program creates them.
    void CreateBoth()
    {
        Application->CreateForm(Probe);
        Application->CreateForm(Second);
        TakeCalls();
    }

    TProbe* Probe = nullptr;
    TSecond* Second = nullptr;
};

TEST_F(FormTest, CreatingRunsTheCreationHandlerAndLeavesAHiddenFormHidden)
{
    Application->CreateForm(Probe);
    EXPECT_THAT(TakeCalls(), ElementsAre("Probe.FormCreate(Probe)"));
    EXPECT_FALSE(Probe->Visible());
    EXPECT_FALSE(Probe->Widget("Probe")->isVisible());
    EXPECT_EQ(Application->MainForm(), Probe);
}

TEST_F(FormTest, DestroyingTheFormsForgetsTheMainAndTheActiveForm)
{
    CreateBoth();
    Second->Show();
    Application->DestroyForms();
    EXPECT_EQ(Application->MainForm(), nullptr);
    EXPECT_EQ(Application->ActiveForm(), nullptr);
    Application->CreateForm(Second);
    EXPECT_EQ(Application->MainForm(), Second);
}

TEST_F(FormTest, ShowOfAHiddenFormRunsShowThenActivateBeforeItReturns)
{
    Application->CreateForm(Probe);
    TakeCalls();
    bool VisibleInShowHandler = false;
    bool ShownOnScreenInShowHandler = true;
    Probe->Steps["FormShow"] = [&] {
        VisibleInShowHandler = Probe->Visible();
        ShownOnScreenInShowHandler = Probe->Widget("Probe")->isVisible();
    };
    Probe->Show();
    EXPECT_THAT(TakeCalls(), ElementsAre("Probe.FormShow(Probe)", "Probe.FormActivate(Probe)"));
    EXPECT_TRUE(VisibleInShowHandler);
    EXPECT_FALSE(ShownOnScreenInShowHandler);
    EXPECT_TRUE(Probe->Widget("Probe")->isVisible());
    EXPECT_TRUE(Probe->Active());
}

TEST_F(FormTest, ShowOfAVisibleFormActivatesItAgainWithoutTheShowHandler)
{
    CreateBoth();
    Second->Show();
    Probe->Show();
    TakeCalls();

    Second->Show();
    EXPECT_THAT(TakeCalls(), ElementsAre("Second.FormActivate(Second)"));
    Second->Show(); // already the active form: nothing to activate
    EXPECT_THAT(TakeCalls(), IsEmpty());
}

TEST_F(FormTest, ShowFromInsideAShowHandlerActivatesEachFormOnce)
{
    CreateBoth();
    Probe->Steps["FormShow"] = [&] {
        Second->Show();
        Probe->Show(); // visible already: no second show handler
    };
    Probe->Show();
    EXPECT_THAT(TakeCalls(),
        ElementsAre("Probe.FormShow(Probe)", "Second.FormShow(Second)", "Second.FormActivate(Second)",
            "Probe.FormActivate(Probe)"));
    EXPECT_TRUE(Probe->Active());
    Application->ProcessMessages();
    EXPECT_THAT(TakeCalls(), IsEmpty());
}

TEST_F(FormTest, CloseHidesTheFormAndTheNextShowRunsTheShowHandlerAgain)
{
    CreateBoth();
    Probe->Show();
    Second->Show();
    Second->Get<TLabel>("Label1")->SetCaption("kept");
    TakeCalls();

    Second->Close();
    EXPECT_FALSE(Second->Visible());
    EXPECT_FALSE(Second->Widget("Second")->isVisible());
    EXPECT_FALSE(Second->Active());
    Second->Show();
    EXPECT_THAT(TakeCalls(), ElementsAre("Second.FormShow(Second)", "Second.FormActivate(Second)"));
    EXPECT_EQ(Second->Get<TLabel>("Label1")->Caption(), "kept");
}

TEST_F(FormTest, LateWindowSystemEchoesDoNotRunActivateHandlersAgain)
{
    CreateBoth();
    Probe->Show();
    TakeCalls();
    std::string Copied;
    std::string Source = "first";
    Second->Steps["FormActivate"] = [&] { Copied = Source; };
    Second->Show();
    Source = "second"; // the caller goes on after the show
    Application->ProcessMessages();
    EXPECT_EQ(Copied, "first");
    EXPECT_THAT(TakeCalls(), ElementsAre("Second.FormShow(Second)", "Second.FormActivate(Second)"));
    EXPECT_TRUE(Second->Active());
}

// Counts the window system's activations of one window.
class TActivationCounter : public QObject {
public:
    explicit TActivationCounter(QWidget* Window) { Window->installEventFilter(this); }
    int Count = 0;

protected:
    bool eventFilter(QObject*, QEvent* Event) override
    {
        Count += Event->type() == QEvent::WindowActivate ? 1 : 0;
        return false;
    }
};

class FormActivationTest : public FormTest {
protected:
    // Probe, the user's form, with Second and Third open behind it.
    void SetUp() override
    {
        FormTest::SetUp();
        CreateBoth();
        Application->CreateForm(Third);
        Second->Show();
        Application->ProcessMessages();
        Probe->Show();
        Application->ProcessMessages();
        TakeCalls();
    }

    // A press of the mouse button in Form, as the user makes it.
    void PressIn(TTestForm* Form)
    {
        QMouseEvent Press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
            Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Form->Widget(Form->Name()), &Press);
    }

    TVisible* Third = nullptr;
};

TEST_F(FormActivationTest, AHandlerThatShowsTwoFormsHasTheWindowSystemActivateOnlyTheLast)
{
    // A window that is not yet on the screen answers an activation only once it is there, and
    // would then take it from the form shown after it: the window system is not asked for it.
    TActivationCounter ThirdActivations(Third->Widget("Visible"));
    Third->Show();
    Second->Show();
    Application->ProcessMessages();
    Application->ProcessMessages();

    EXPECT_EQ(ThirdActivations.Count, 0);
    EXPECT_EQ(QApplication::activeWindow(), Second->Widget("Second"));
    EXPECT_TRUE(Second->Active());
    EXPECT_THAT(TakeCalls(), ElementsAre("Visible.FormActivate(Visible)", "Second.FormActivate(Second)"));
}

TEST_F(FormActivationTest, AClickThatShowsAFormLeavesItActiveWhenTheClickedWindowIsActivatedLate)
{
    Second->Widget("Second")->activateWindow();
    Application->ProcessMessages();
    TakeCalls();

    // The click in Probe shows Second; the window system activates the clicked window after that.
    PressIn(Probe);
    Second->Show();
    Probe->Widget("Probe")->activateWindow();
    Application->ProcessMessages();
    Application->ProcessMessages();

    EXPECT_EQ(QApplication::activeWindow(), Second->Widget("Second"));
    EXPECT_TRUE(Second->Active());
    EXPECT_THAT(TakeCalls(), ElementsAre("Probe.FormActivate(Probe)", "Second.FormActivate(Second)"));
}

TEST_F(FormTest, TheUserMovingIntoAnotherFormActivatesIt)
{
    CreateBoth();
    Probe->Show();
    Second->Show();
    Application->ProcessMessages();
    TakeCalls();

    // The window system activates windows as the user's clicks ask it to.
    Probe->Widget("Probe")->activateWindow();
    Application->ProcessMessages();
    EXPECT_THAT(TakeCalls(), ElementsAre("Probe.FormActivate(Probe)"));
    Second->Widget("Second")->activateWindow();
    Application->ProcessMessages();
    EXPECT_THAT(TakeCalls(), ElementsAre("Second.FormActivate(Second)"));
    EXPECT_TRUE(Second->Active());
}

TEST_F(FormTest, ComingBackFromAnotherProgramToTheSameFormDoesNotActivateItAgain)
{
    Application->CreateForm(Probe);
    Probe->Show();
    Application->ProcessMessages();
    TakeCalls();

    QWidget Elsewhere; // a window of another program
    Elsewhere.show();
    Elsewhere.activateWindow();
    Application->ProcessMessages();
    Probe->Widget("Probe")->activateWindow();
    Application->ProcessMessages();
    EXPECT_THAT(TakeCalls(), IsEmpty());
    EXPECT_TRUE(Probe->Active());
}

TEST_F(FormTest, AnExceptionInTheCreationHandlerIsReportedOnceAndTheFormIsStillShown)
{
    struct TFailing : TTestForm {
        TFailing()
            : TTestForm("test/Visible")
        {
            Steps["FormCreate"] = [] { throw EInOutError(2); };
        }
    };
    TFailing* Form = nullptr;
    Application->CreateForm(Form);
    EXPECT_THAT(Errors.Texts(), ElementsAre("File not found."));
    EXPECT_THAT(Errors.Captions(), ElementsAre("Kvizora"));
    EXPECT_TRUE(Form->Visible());
    EXPECT_THAT(TakeCalls(),
        ElementsAre(
            "Visible.FormCreate(Visible)", "Visible.FormShow(Visible)", "Visible.FormActivate(Visible)"));
}

TEST_F(FormTest, AnExceptionInTheShowHandlerIsReportedOnceAndTheShowGoesOn)
{
    Application->CreateForm(Probe);
    TakeCalls();
    Probe->Steps["FormShow"] = [] { throw EConvertError("'' is not a valid integer value"); };
    Probe->Show();
    EXPECT_THAT(Errors.Texts(), ElementsAre("'' is not a valid integer value."));
    EXPECT_TRUE(Probe->Widget("Probe")->isVisible());
    EXPECT_THAT(TakeCalls(), ElementsAre("Probe.FormShow(Probe)", "Probe.FormActivate(Probe)"));
}

TEST_F(FormTest, ClosingTheMainFormEndsRunWhileASecondaryFormIsOpen)
{
    CreateBoth();
    RunWhenLoopRuns([&] {
        Second->Show();
        Probe->Close();
    });
    Application->Run();
    EXPECT_TRUE(Second->Visible());
    EXPECT_FALSE(Probe->Visible());
}

TEST_F(FormTest, TheCloseBoxOfTheMainFormEndsRunAndThatOfASecondaryFormOnlyHidesIt)
{
    CreateBoth();
    RunWhenLoopRuns([&] {
        Second->Show();
        Second->Widget("Second")->close();
        EXPECT_FALSE(Second->Visible());
        Probe->Widget("Probe")->close();
    });
    Application->Run();
    EXPECT_FALSE(Probe->Visible());
}

} // namespace
