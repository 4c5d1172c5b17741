// Timers: default interval, ticks only while enabled, enabling an enabled timer keeps its phase.
#include "ToolkitFixture.h"

#include "Timer.h"

#include <QMetaObject>
#include <QTimer>
#include <QWidget>

#include <stdexcept>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

class TimerTest : public ToolkitTest {
protected:
    void SetUp() override
    {
        ToolkitTest::SetUp();
        Application->CreateForm(Probe);
        TakeCalls();
    }

    QTimer* Clock(const char* Name) const { return Probe->Widget("Probe")->findChild<QTimer*>(Name); }

    TProbe* Probe = nullptr;
};

TEST_F(TimerTest, TheLayoutSetsEnabledStateAndIntervalWithDefaults)
{
    TTimer* Timer1 = Probe->Get<TTimer>("Timer1");
    TTimer* Timer2 = Probe->Get<TTimer>("Timer2");
    EXPECT_TRUE(Timer1->Enabled());
    EXPECT_EQ(Timer1->Interval(), 1000);
    EXPECT_TRUE(Clock("Timer1")->isActive());
    EXPECT_FALSE(Timer2->Enabled());
    EXPECT_EQ(Timer2->Interval(), 200);
    EXPECT_FALSE(Clock("Timer2")->isActive());
}

TEST_F(TimerTest, ATickRunsTheHandlerOnlyWhileTheTimerIsEnabled)
{
    TTimer* Timer2 = Probe->Get<TTimer>("Timer2");
    Timer2->Tick();
    EXPECT_THAT(TakeCalls(), IsEmpty());
    Timer2->SetEnabled(true);
    Timer2->Tick();
    Timer2->Tick();
    EXPECT_THAT(TakeCalls(), ElementsAre("Probe.Timer2Timer(Timer2)", "Probe.Timer2Timer(Timer2)"));
    Timer2->SetEnabled(false);
    Timer2->Tick();
    EXPECT_THAT(TakeCalls(), IsEmpty());
}

TEST_F(TimerTest, EnablingAnEnabledTimerKeepsItsPhase)
{
    TTimer* Timer1 = Probe->Get<TTimer>("Timer1");
    QTimer* Running = Clock("Timer1");
    Probe->Show(); // time passes while the form is shown
    const int Before = Running->remainingTime();
    Timer1->SetEnabled(true);
    EXPECT_TRUE(Running->isActive());
    EXPECT_LE(Running->remainingTime(), Before);

    Timer1->SetEnabled(false);
    EXPECT_FALSE(Running->isActive());
    Timer1->SetEnabled(true);
    EXPECT_TRUE(Running->isActive());
    EXPECT_GE(Running->remainingTime(), Before);
}

TEST_F(TimerTest, AnExceptionInATickIsReportedAndTheTimerRunsOn)
{
    TTimer* Timer1 = Probe->Get<TTimer>("Timer1");
    Probe->Steps["Timer1Timer"] = [] { throw std::runtime_error("tick failed"); };
    QMetaObject::invokeMethod(Clock("Timer1"), "timeout"); // as the event loop delivers a tick
    EXPECT_THAT(Errors.Texts(), ElementsAre("tick failed."));
    EXPECT_TRUE(Timer1->Enabled());
}

} // namespace
