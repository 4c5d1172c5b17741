#include "TrainerFixture.h"

#include "Label.h"
#include "Timer.h"
#include "Unit1.h"

namespace {

struct TClockRow {
    const char* Name;
    int Ticks;
    const char* Shows;
};

class ClockTest : public TrainerTest, public ::testing::WithParamInterface<TClockRow> { };

TEST_P(ClockTest, ShowsTheTimeBeforeTheTicksOwnSecond)
{
    Start(Join({DrawOf('a'), InBaseOrder()}));

    for (int Tick = 0; Tick < GetParam().Ticks; ++Tick)
        Form1->Timer1->Tick();

    EXPECT_EQ(Form1->Label5->Caption(), GetParam().Shows);
}

INSTANTIATE_TEST_SUITE_P(Trainer, ClockTest,
    ::testing::Values(TClockRow{"Tick1", 1, "00:00:00"}, TClockRow{"Tick2", 2, "00:00:01"},
        TClockRow{"Tick60", 60, "00:00:59"}, TClockRow{"Tick61", 61, "00:01:00"},
        TClockRow{"Tick3600", 3600, "00:59:59"}, TClockRow{"Tick3601", 3601, "01:00:00"},
        TClockRow{"Tick36001", 36001, "10:00:00"}, TClockRow{"Tick360001", 360001, "100:00:00"}),
    [](const ::testing::TestParamInfo<TClockRow>& Info) { return Info.param.Name; });

} // namespace
