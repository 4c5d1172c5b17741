#include "GameFixture.h"

#include "Button.h"
#include "Label.h"
#include "MainMenu.h"
#include "Random.h"
#include "RowPrinting.h"
#include "SpeedButton.h"
#include "Timer.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit7.h"

namespace {

class CountdownTest : public GameTest {
protected:
    static void Tick(int Count)
    {
        for (int I = 0; I < Count; ++I)
            Form1->Timer1->Tick();
    }
};

TEST_F(CountdownTest, AQuestionLeftAloneBlinksFromFortyNineAndIsLostAtTheSixtyFirstTick)
{
    StartGame();

    Tick(1);
    EXPECT_EQ(Form1->Label2->Caption(), "59");
    Tick(9);
    EXPECT_EQ(Form1->Label2->Caption(), "50");
    EXPECT_FALSE(Form1->Timer2->Enabled());
    Tick(1);
    EXPECT_EQ(Form1->Label2->Caption(), "49");
    EXPECT_TRUE(Form1->Timer2->Enabled());
    // The blink: the first toggle greys the hint line, the next one draws it normally.
    Form1->Timer2->Tick();
    EXPECT_FALSE(Form1->Label6->Enabled());
    Form1->Timer2->Tick();
    EXPECT_TRUE(Form1->Label6->Enabled());
    Tick(49);
    EXPECT_EQ(Form1->Label2->Caption(), "0");
    EXPECT_FALSE(Form1->GameOver);
    EXPECT_FALSE(Form2->Visible());

    Tick(1);

    EXPECT_TRUE(Form1->GameOver);
    EXPECT_EQ(Form1->Label2->Caption(), "0");
    EXPECT_TRUE(Form2->Visible());
    EXPECT_FALSE(Form7->Visible());
    EXPECT_EQ(ReadBytes("stat.txt"), Counts({{1, "1"}}));
    EXPECT_TRUE(Form1->Timer2->Enabled());
    Form1->Timer2->Tick();
    EXPECT_FALSE(Form1->Label6->Enabled());

    // Game over: the count stands still and the line blinks on until "Новая игра".
    Tick(5);
    EXPECT_EQ(Form1->Label2->Caption(), "0");
    EXPECT_EQ(ReadBytes("stat.txt"), Counts({{1, "1"}}));
    Form1->Timer2->Tick();
    EXPECT_TRUE(Form1->Label6->Enabled());
    Form1->Timer2->Tick();
    EXPECT_FALSE(Form1->Label6->Enabled());

    ScriptRandom(Join({DrawOfFifteen(), InBaseOrder()}));
    Form1->N1->Click();
    EXPECT_FALSE(Form1->Timer2->Enabled());
    EXPECT_TRUE(Form1->Label6->Enabled());
    EXPECT_EQ(Form1->Label2->Caption(), "60");
    Tick(1);
    EXPECT_EQ(Form1->Label2->Caption(), "59");
    EXPECT_TRUE(Errors.Texts().empty());
}

TEST_F(CountdownTest, ARightAnswerStopsTheBlinkAndTheNextQuestionBlinksFromFortyNine)
{
    StartGame();
    Tick(15);
    ASSERT_EQ(Form1->Label2->Caption(), "45");
    Form1->Timer2->Tick(); // greyed

    ScriptRandom(InBaseOrder());
    Form1->SpeedButton1->Click();

    EXPECT_FALSE(Form1->Timer2->Enabled());
    EXPECT_TRUE(Form1->Label6->Enabled());
    EXPECT_EQ(Form1->Label2->Caption(), "60");
    Tick(10);
    EXPECT_FALSE(Form1->Timer2->Enabled());
    Tick(1);
    EXPECT_EQ(Form1->Label2->Caption(), "49");
    EXPECT_TRUE(Form1->Timer2->Enabled());
}

// "75%" pressed at a count shown: the next tick counts on, or at "0" loses the game.
struct SeventyFiveAtCase {
    const char* Name;
    int Shown;
    const char* NextShown;
    bool Lost; // by the next tick
};

void PrintTo(const SeventyFiveAtCase& Row, std::ostream* Out)
{
    PrintRow(Out, Row.Name,
        "at " + Printed(Row.Shown) + " -> " + Printed(Row.NextShown) + (Row.Lost ? ", lost" : ""));
}

class SeventyFivePercentTest : public CountdownTest,
                               public ::testing::WithParamInterface<SeventyFiveAtCase> { };

TEST_P(SeventyFivePercentTest, StopsTheBlinkUntilTheNextTickWhichBlinksAgain)
{
    StartGame();
    Tick(60 - GetParam().Shown);

    ScriptRandom({0.1, 0.9, 0.2, 0.3, 0.5});
    Form1->Button5->Click();
    EXPECT_FALSE(Form1->Timer2->Enabled());
    EXPECT_TRUE(Form1->Label6->Enabled());
    Tick(1);
    EXPECT_EQ(Form1->Label2->Caption(), GetParam().NextShown);
    EXPECT_EQ(Form1->GameOver, GetParam().Lost);
    EXPECT_EQ(Form2->Visible(), GetParam().Lost);
    EXPECT_TRUE(Form1->Timer2->Enabled());
    Form1->Timer2->Tick();
    EXPECT_FALSE(Form1->Label6->Enabled());
}

INSTANTIATE_TEST_SUITE_P(Counts, SeventyFivePercentTest,
    ::testing::Values(
        SeventyFiveAtCase{"AtThirty", 30, "29", false}, SeventyFiveAtCase{"AtZero", 0, "0", true}),
    [](const ::testing::TestParamInfo<SeventyFiveAtCase>& Info) { return std::string(Info.param.Name); });

TEST_F(CountdownTest, FiftyFiftyLeavesTheBlinkGoing)
{
    StartGame();
    Tick(31);
    ASSERT_TRUE(Form1->Timer2->Enabled());

    Form1->Timer2->Tick(); // greyed
    ScriptRandom({0.1, 0.9, 0.2, 0.3});
    Form1->Button8->Click();
    EXPECT_TRUE(Form1->Timer2->Enabled());
    EXPECT_FALSE(Form1->Label6->Enabled());
    EXPECT_EQ(Form1->Label2->Caption(), "29");
}

TEST_F(CountdownTest, ATimeOutWhileTheLoseWindowIsOpenCountsNothing)
{
    StartGame();
    Form1->SpeedButton2->Click(); // lost at level 1, the lose window stays open
    ScriptRandom(Join({DrawOfFifteen(), InBaseOrder()}));
    Form1->N1->Click();

    Tick(61);

    EXPECT_TRUE(Form1->GameOver);
    EXPECT_TRUE(Form2->Visible());
    EXPECT_EQ(ReadBytes("stat.txt"), Counts({{1, "1"}}));
}

TEST_F(CountdownTest, ACountdownTextThatIsNotANumberIsReportedAndChangesNothing)
{
    StartGame();
    Form1->Label2->SetCaption("4x");

    Tick(1);

    EXPECT_EQ(Errors.Texts(), std::vector<std::string>{"'4x' is not a valid integer value."});
    EXPECT_EQ(Form1->Label2->Caption(), "4x");
    EXPECT_FALSE(Form1->Timer2->Enabled());
    EXPECT_FALSE(Form1->GameOver);
}

} // namespace
