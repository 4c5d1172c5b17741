#include "GameFixture.h"

#include "Application.h"
#include "Button.h"
#include "Label.h"
#include "MainFormParts.h"
#include "MainMenu.h"
#include "Random.h"
#include "RowPrinting.h"
#include "SpeedButton.h"
#include "Timer.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit6.h"
#include "Unit7.h"

#include <filesystem>

namespace {

using PlayTest = GameTest;

// A level passed by a right answer or by the "100%" hint, at levels 1 to 15.
enum class TPass { RightAnswer, HundredPercent };

std::string NameOf(TPass Pass)
{
    return Pass == TPass::RightAnswer ? "RightAnswer" : "HundredPercent";
}

void PrintTo(TPass Pass, std::ostream* Out)
{
    *Out << NameOf(Pass);
}

class PassLevelTest : public GameTest, public ::testing::WithParamInterface<std::tuple<int, TPass>> { };

TEST_P(PassLevelTest, MarksTheRungAndMovesOnOrWins)
{
    const auto [L, Pass] = GetParam();
    StartGame();
    ClimbTo(L);
    for (int Tick = 0; Tick < 15; ++Tick) // "45", blinking
        Form1->Timer1->Tick();
    ASSERT_TRUE(Form1->Timer2->Enabled());
    ScriptRandom({0.1, 0.9, 0.2, 0.3});
    Form1->Button8->Click(); // greys answers 3 and 4

    ScriptRandom(L < 15 ? InBaseOrder() : std::vector<double>{});
    if (Pass == TPass::RightAnswer)
        Form1->SpeedButton1->Click();
    else
        Form1->Button7->Click();

    EXPECT_TRUE(Errors.Texts().empty());
    std::vector<int> Red;
    for (int Passed = 1; Passed <= L; ++Passed)
        Red.push_back(Passed);
    EXPECT_EQ(RedRungs(), Red);
    EXPECT_EQ(Form1->Level, L + 1);
    EXPECT_EQ(EnabledAnswerButtons(), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_FALSE(Form1->Timer2->Enabled());
    EXPECT_TRUE(Form1->Label6->Enabled());
    EXPECT_FALSE(Form2->Visible());
    EXPECT_EQ(Form7->Visible(), Pass == TPass::HundredPercent);
    if (Pass == TPass::HundredPercent) {
        EXPECT_EQ(Form7->Label1->Caption(), RightText(L));
    }
    if (L < 15) {
        EXPECT_FALSE(Form1->GameOver);
        EXPECT_FALSE(Form3->Visible());
        EXPECT_EQ(Form1->Label29->Caption(), QuestionText(L + 1));
        EXPECT_EQ(Form1->RightAnswer, RightText(L + 1));
        EXPECT_EQ(Form1->Label2->Caption(), "60");
        EXPECT_EQ(ReadBytes("stat.txt"), Counts());
    } else {
        EXPECT_TRUE(Form1->GameOver);
        EXPECT_TRUE(Form3->Visible());
        EXPECT_TRUE(Form3->Active()); // the win window stands in front of the right-answer window
        EXPECT_EQ(Form1->Label29->Caption(), QuestionText(15));
        EXPECT_EQ(Form1->Label2->Caption(), "45");
        EXPECT_EQ(ReadBytes("stat.txt"), Counts({{16, "1"}}));
    }
}

INSTANTIATE_TEST_SUITE_P(Levels, PassLevelTest,
    ::testing::Combine(::testing::Range(1, 16), ::testing::Values(TPass::RightAnswer, TPass::HundredPercent)),
    [](const ::testing::TestParamInfo<std::tuple<int, TPass>>& Info) {
        return NameOf(std::get<1>(Info.param)) + "AtLevel" + std::to_string(std::get<0>(Info.param));
    });

class WrongAnswerTest : public GameTest, public ::testing::WithParamInterface<int> { };

TEST_P(WrongAnswerTest, CountsTheLossAtThatLevelAndShowsTheRightAnswerInFront)
{
    const int L = GetParam();
    StartGame();
    ClimbTo(L);
    for (int Tick = 0; Tick < 12; ++Tick)
        Form1->Timer1->Tick();

    Form1->SpeedButton3->Click();

    EXPECT_TRUE(Errors.Texts().empty());
    std::vector<int> Red;
    for (int Passed = 1; Passed < L; ++Passed)
        Red.push_back(Passed);
    EXPECT_EQ(RedRungs(), Red);
    EXPECT_EQ(Form1->Level, L);
    EXPECT_TRUE(Form1->GameOver);
    EXPECT_TRUE(Form2->Visible());
    EXPECT_TRUE(Form7->Visible());
    EXPECT_TRUE(Form7->Active());
    EXPECT_EQ(Form7->Label1->Caption(), RightText(L));
    EXPECT_EQ(ReadBytes("stat.txt"), Counts({{L, "1"}}));
    EXPECT_EQ(Form1->Label29->Caption(), QuestionText(L));
    EXPECT_EQ(Form1->Label2->Caption(), "48");
    EXPECT_FALSE(Form1->Timer2->Enabled());
}

INSTANTIATE_TEST_SUITE_P(Levels, WrongAnswerTest, ::testing::Values(1, 8, 15),
    [](const ::testing::TestParamInfo<int>& Info) { return "Level" + std::to_string(Info.param); });

// Every handler that returns at once while the game is over, after a time-out that left the
// "50/50" greying, the blink and the lose window behind.
struct IdleHandlerCase {
    const char* Name;
    void (TForm1::*Handler)(TObject*);
};

void PrintTo(const IdleHandlerCase& Row, std::ostream* Out)
{
    PrintRow(Out, Row.Name);
}

class WhileGameOverTest : public GameTest, public ::testing::WithParamInterface<IdleHandlerCase> { };

TEST_P(WhileGameOverTest, ChangesNothing)
{
    StartGame();
    ClimbTo(3);
    ScriptRandom({0.1, 0.9, 0.2, 0.3}); // the pick keeps answers 1 and 2
    Form1->Button8->Click();
    for (int Tick = 0; Tick < 61; ++Tick)
        Form1->Timer1->Tick();
    ASSERT_TRUE(Form1->GameOver);
    Form2->Close();
    const std::string Stats = ReadBytes("stat.txt");
    ScriptRandom({});

    (Form1->*GetParam().Handler)(nullptr);

    EXPECT_TRUE(Errors.Texts().empty());
    EXPECT_TRUE(Form1->GameOver);
    EXPECT_EQ(Form1->Level, 3);
    EXPECT_EQ(Form1->Label2->Caption(), "0");
    EXPECT_EQ(EnabledAnswerButtons(), (std::vector<int>{1, 2}));
    EXPECT_TRUE(Form1->Timer2->Enabled());
    EXPECT_FALSE(Form1->Button8->Enabled());
    EXPECT_TRUE(Form1->Button5->Enabled());
    EXPECT_TRUE(Form1->Button6->Enabled());
    EXPECT_TRUE(Form1->Button7->Enabled());
    EXPECT_EQ(RedRungs(), (std::vector<int>{1, 2}));
    EXPECT_FALSE(Form2->Visible());
    EXPECT_FALSE(Form3->Visible());
    EXPECT_FALSE(Form4->Visible());
    EXPECT_FALSE(Form7->Visible());
    EXPECT_EQ(ReadBytes("stat.txt"), Stats);
}

INSTANTIATE_TEST_SUITE_P(Handlers, WhileGameOverTest,
    ::testing::Values(IdleHandlerCase{"SpeedButton1", &TForm1::SpeedButton1Click},
        IdleHandlerCase{"SpeedButton2", &TForm1::SpeedButton2Click},
        IdleHandlerCase{"SpeedButton3", &TForm1::SpeedButton3Click},
        IdleHandlerCase{"SpeedButton4", &TForm1::SpeedButton4Click},
        IdleHandlerCase{"FiftyFifty", &TForm1::Button8Click},
        IdleHandlerCase{"FirstSeventyFive", &TForm1::Button5Click},
        IdleHandlerCase{"SecondSeventyFive", &TForm1::Button6Click},
        IdleHandlerCase{"HundredPercent", &TForm1::Button7Click},
        IdleHandlerCase{"CountdownTick", &TForm1::Timer1Timer}),
    [](const ::testing::TestParamInfo<IdleHandlerCase>& Info) { return std::string(Info.param.Name); });

// The error box of a failed count runs an event loop of its own, in which the countdown ticks on.
// Each row ends the game at level 15 while "stat.txt" is missing.
struct EndingCase {
    const char* Name;
    void (*Press)();
    int Level;             // afterwards
    bool Won;              // the win window stands, else the lose window
    bool RightAnswerShown; // the right-answer window
    const char* InFront;   // the active form
    const char* Countdown; // as it ends up
};

void PrintTo(const EndingCase& Row, std::ostream* Out)
{
    PrintRow(Out, Row.Name,
        "level " + Printed(Row.Level) + (Row.Won ? ", won" : ", lost")
            + (Row.RightAnswerShown ? ", right answer shown" : "") + ", " + Printed(Row.InFront)
            + " in front, countdown " + Printed(Row.Countdown));
}

class CountdownDuringReportTest : public GameTest, public ::testing::WithParamInterface<EndingCase> { };

TEST_P(CountdownDuringReportTest, ATimeOutWhileTheReportOfTheCountIsOpenEndsNothingASecondTime)
{
    std::filesystem::remove("stat.txt");
    StartGame();
    ClimbTo(15);
    std::vector<std::string> Reports;
    Application->SetErrorReporter([&Reports](const std::string&, const std::string& Text) {
        Reports.push_back(Text);
        for (int Tick = 0; Tick < 61; ++Tick)
            Form1->Timer1->Tick();
    });

    GetParam().Press();

    EXPECT_EQ(Reports, std::vector<std::string>{"File not found."});
    EXPECT_TRUE(Form1->GameOver);
    EXPECT_EQ(Form1->Level, GetParam().Level);
    EXPECT_EQ(Form3->Visible(), GetParam().Won);
    EXPECT_EQ(Form2->Visible(), !GetParam().Won);
    EXPECT_EQ(Form7->Visible(), GetParam().RightAnswerShown);
    EXPECT_EQ(Application->ActiveForm()->Name(), GetParam().InFront);
    EXPECT_EQ(Form1->Label2->Caption(), GetParam().Countdown);
}

// A win sets GameOver before its count, so the countdown stands still; a wrong answer sets it
// only after the right-answer window, so the countdown runs out inside the box and its time-out
// shows the lose window, which is already open.
INSTANTIATE_TEST_SUITE_P(Endings, CountdownDuringReportTest,
    ::testing::Values(
        EndingCase{"WonByRightAnswer", [] { Form1->SpeedButton1->Click(); }, 16, true, false, "Form3", "60"},
        EndingCase{"WonByHundredPercent", [] { Form1->Button7->Click(); }, 16, true, true, "Form3", "60"},
        EndingCase{"LostByWrongAnswer", [] { Form1->SpeedButton2->Click(); }, 15, false, true, "Form7", "0"}),
    [](const ::testing::TestParamInfo<EndingCase>& Info) { return std::string(Info.param.Name); });

TEST_F(PlayTest, AnAnswerIsRightWhenItsTextEqualsTheRightAnswerByteForByte)
{
    TRecord Tricky = FixtureRecord(1);
    Tricky.Wrong1 = Tricky.Right;             // the same text: right as well
    Tricky.Wrong2 = "\xE2\xE5\xF0\xED\xEE 1"; // lower case
    Tricky.Wrong3 = Tricky.Right + " ";       // a trailing blank
    std::vector<TRecord> Records{Tricky};
    for (int L = 2; L <= 15; ++L)
        Records.push_back(FixtureRecord(L));
    WriteBytes("base.txt", BaseOf(Records));
    ASSERT_EQ(Tricky.Wrong2.substr(1), Tricky.Right.substr(1));

    StartGame();
    ScriptRandom(InBaseOrder());
    Form1->SpeedButton2->Click(); // the copy of the right answer
    EXPECT_EQ(Form1->Level, 2);
    EXPECT_FALSE(Form1->GameOver);

    for (TSpeedButton* Button : {Form1->SpeedButton3, Form1->SpeedButton4}) {
        ScriptRandom(Join({DrawOfFifteen(), InBaseOrder()}));
        Form1->N1->Click();
        Button->Click();
        EXPECT_TRUE(Form1->GameOver);
        EXPECT_EQ(Form1->Level, 1);
        Form2->Close();
    }
    EXPECT_EQ(ReadBytes("stat.txt"), Counts({{1, "2"}}));
}

TEST_F(PlayTest, AGameEndedWhileItsResultWindowIsOpenIsNotCounted)
{
    StartGame();
    Form1->SpeedButton2->Click(); // lost at level 1: counted
    ScriptRandom(Join({DrawOfFifteen(), InBaseOrder()}));
    Form1->N1->Click();
    Form1->SpeedButton2->Click(); // lost again, the lose window still open: not counted
    EXPECT_EQ(ReadBytes("stat.txt"), Counts({{1, "1"}}));
    EXPECT_TRUE(Form7->Active());

    Form2->Close();
    ScriptRandom(Join({DrawOfFifteen(), InBaseOrder()}));
    Form1->N1->Click();
    ClimbTo(16); // won: counted
    ScriptRandom(Join({DrawOfFifteen(), InBaseOrder()}));
    Form1->N1->Click();
    ClimbTo(16); // won again, the win window still open: not counted
    EXPECT_EQ(ReadBytes("stat.txt"), Counts({{1, "1"}, {16, "1"}}));
    EXPECT_TRUE(Errors.Texts().empty());
}

TEST_F(PlayTest, NewGameInMidGameStartsAfreshAndCountsNothing)
{
    StartGame();
    ClimbTo(5);
    ScriptRandom({0.1, 0.9, 0.2, 0.3});
    Form1->Button8->Click();
    ScriptRandom({0.1, 0.9, 0.2, 0.3, 0.1});
    Form1->Button5->Click();
    ScriptRandom({0.1, 0.9, 0.2, 0.3, 0.9});
    Form1->Button6->Click();
    ScriptRandom(InBaseOrder());
    Form1->Button7->Click();
    Form1->N3->Click();
    const std::string Named = Form4->Label2->Caption();
    const std::string StatsShown = Form6->Label5->Caption();
    for (int Tick = 0; Tick < 20; ++Tick)
        Form1->Timer1->Tick();
    // A new draw reads the base again.
    WriteBytes("base.txt", FifteenLevels("b"));

    ScriptRandom(Join({DrawOfFifteen(), {0.2, 0.8, 0.4, 0.6}}));
    Form1->N1->Click();

    EXPECT_TRUE(Errors.Texts().empty());
    EXPECT_FALSE(Form1->GameOver);
    EXPECT_EQ(Form1->Level, 1);
    for (int L = 1; L <= 15; ++L)
        EXPECT_EQ(RungOf(*Form1, L)->FontColor(), clSkyBlue) << "rung " << L;
    EXPECT_TRUE(Form1->Button5->Enabled());
    EXPECT_TRUE(Form1->Button6->Enabled());
    EXPECT_TRUE(Form1->Button7->Enabled());
    EXPECT_TRUE(Form1->Button8->Enabled());
    EXPECT_EQ(EnabledAnswerButtons(), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_FALSE(Form1->Timer2->Enabled());
    EXPECT_EQ(Form1->Label29->Caption(), QuestionText(1, "b"));
    EXPECT_EQ(Form1->Label9->Caption(), WrongText(1, 1, "b"));
    EXPECT_EQ(Form1->Label2->Caption(), "60");
    EXPECT_EQ(ReadBytes("stat.txt"), Counts());
    // The windows stay open with their texts.
    EXPECT_TRUE(Form4->Visible());
    EXPECT_EQ(Form4->Label2->Caption(), Named);
    EXPECT_TRUE(Form6->Visible());
    EXPECT_EQ(Form6->Label5->Caption(), StatsShown);
    EXPECT_TRUE(Form7->Visible());
    EXPECT_EQ(Form7->Label1->Caption(), RightText(5));
}

TEST_F(PlayTest, NewGameAfterTheEndLeavesTheResultWindowsOpen)
{
    StartGame();
    ClimbTo(2);
    Form1->SpeedButton4->Click();
    ASSERT_TRUE(Form1->GameOver);

    ScriptRandom(Join({DrawOfFifteen(), InBaseOrder()}));
    Form1->N1->Click();

    EXPECT_FALSE(Form1->GameOver);
    EXPECT_TRUE(Form2->Visible());
    EXPECT_TRUE(Form7->Visible());
    EXPECT_EQ(Form7->Label1->Caption(), RightText(2));
    EXPECT_EQ(Form1->Label29->Caption(), QuestionText(1));
    EXPECT_EQ(ReadBytes("stat.txt"), Counts({{2, "1"}}));
}

TEST_F(PlayTest, NewGameWhoseDrawFailsKeepsThePreviousQuestionsInPlay)
{
    StartGame();
    ClimbTo(3);
    for (int Tick = 0; Tick < 5; ++Tick)
        Form1->Timer1->Tick();
    std::filesystem::remove("base.txt");

    Form1->N1->Click();

    ASSERT_EQ(Errors.Texts().size(), 1U);
    EXPECT_EQ(Errors.Texts()[0], "File not found.");
    EXPECT_FALSE(Form1->GameOver);
    EXPECT_EQ(Form1->Level, 1);
    EXPECT_TRUE(RedRungs().empty());
    EXPECT_EQ(Form1->Label29->Caption(), QuestionText(3));
    EXPECT_EQ(Form1->Label2->Caption(), "55");
    // Play goes on with the questions of the earlier draw.
    ScriptRandom(InBaseOrder());
    Form1->SpeedButton1->Click();
    EXPECT_EQ(Form1->Level, 2);
    EXPECT_EQ(Form1->Label29->Caption(), QuestionText(2));
}

TEST_F(PlayTest, TheRightAnswerWindowTakesTheRightAnswerAtEveryActivation)
{
    StartGame();
    ScriptRandom(InBaseOrder());
    Form1->Button7->Click(); // passes question 1
    ASSERT_EQ(Form7->Label1->Caption(), RightText(1));

    // Activated again later, it shows the question now on screen.
    Form1->Show();
    ASSERT_FALSE(Form7->Active());
    Form7->Show();
    EXPECT_EQ(Form7->Label1->Caption(), RightText(2));

    // Shown again while open: it takes the new right answer and stands in front of the lose window.
    ScriptRandom(InBaseOrder());
    Form1->SpeedButton1->Click();
    Form1->SpeedButton2->Click(); // wrong at question 3
    EXPECT_EQ(Form7->Label1->Caption(), RightText(3));
    EXPECT_TRUE(Form7->Active());

    Form7->Button1->Click();
    EXPECT_FALSE(Form7->Visible());
    EXPECT_TRUE(Form2->Visible());
}

} // namespace
