#include "TrainerFixture.h"

#include "Label.h"
#include "RowPrinting.h"
#include "Timer.h"
#include "Unit1.h"

namespace {

struct ClockCase {
    const char* Name;
    int Ticks;
    const char* Shows;
};

void PrintTo(const ClockCase& Row, std::ostream* Out)
{
    PrintRow(Out, Row.Name, "ticks " + Printed(Row.Ticks) + " -> " + Printed(Row.Shows));
}

class ClockTest : public TrainerTest, public ::testing::WithParamInterface<ClockCase> { };

TEST_P(ClockTest, ShowsTheTimeBeforeTheTicksOwnSecond)
{
    Start(Join({DrawOf('a'), InBaseOrder()}));

    for (int Tick = 0; Tick < GetParam().Ticks; ++Tick)
        Form1->Timer1->Tick();

    EXPECT_EQ(Form1->Label5->Caption(), GetParam().Shows);
}

INSTANTIATE_TEST_SUITE_P(Trainer, ClockTest,
    ::testing::Values(ClockCase{"Tick1", 1, "00:00:00"}, ClockCase{"Tick2", 2, "00:00:01"},
        ClockCase{"Tick60", 60, "00:00:59"}, ClockCase{"Tick61", 61, "00:01:00"},
        ClockCase{"Tick3600", 3600, "00:59:59"}, ClockCase{"Tick3601", 3601, "01:00:00"},
        ClockCase{"Tick36001", 36001, "10:00:00"}, ClockCase{"Tick360001", 360001, "100:00:00"}),
    [](const ::testing::TestParamInfo<ClockCase>& Info) { return Info.param.Name; });

} // namespace
