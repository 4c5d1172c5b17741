#include "TrainerFixture.h"

#include "CheckBox.h"
#include "Label.h"
#include "MainFormParts.h"
#include "Memo.h"
#include "Random.h"
#include "RowPrinting.h"
#include "SpeedButton.h"
#include "Timer.h"
#include "Unit1.h"

#include <filesystem>

namespace {

// With the answers in the base's order the right one stands beside button 1, a wrong one beside 2.
constexpr int RightButton = 1;
constexpr int WrongButton = 2;

std::string LogLine(const std::string& Mark, int L, char Variant)
{
    return Mark + QuestionText(L, Variant) + "   " + RightText(L, Variant);
}

struct AnswerCase {
    const char* Name;
    bool Right;
    bool Ticked;
    int Level;
    // What the player sees afterwards.
    const char* Mark;
    const char* Counter;
    int RedUpTo;
    bool NewDraw;
    int NextLevel;
};

void PrintTo(const AnswerCase& Row, std::ostream* Out)
{
    PrintRow(Out, Row.Name,
        std::string(Row.Right ? "right" : "wrong") + (Row.Ticked ? ", ticked" : ", unticked") + ", level "
            + Printed(Row.Level) + " -> " + Printed(Row.Mark) + ", counter " + Printed(Row.Counter)
            + ", red up to " + Printed(Row.RedUpTo) + (Row.NewDraw ? ", new draw" : "") + ", next level "
            + Printed(Row.NextLevel));
}

class AnswerAtLevelTest : public TrainerTest, public ::testing::WithParamInterface<AnswerCase> { };

TEST_P(AnswerAtLevelTest, LogsCountsMarksTheLadderAndAsksTheNextLevel)
{
    const AnswerCase& Row = GetParam();
    // The start-up draw, a question shown at start-up and after each answer, and after a wrong
    // answer with the box ticked a new draw and the question of the level asked again.
    Start(Join({DrawOf('a'), InBaseOrder(Row.Level + 1),
        Row.NewDraw ? Join({DrawOf('b'), InBaseOrder()}) : std::vector<double>{}}));
    Form1->CheckBox1->SetChecked(Row.Ticked);
    for (int L = 1; L < Row.Level; ++L)
        AnswerButtonOf(*Form1, RightButton)->Click();

    AnswerButtonOf(*Form1, Row.Right ? RightButton : WrongButton)->Click();

    EXPECT_TRUE(Errors.Texts().empty());
    EXPECT_EQ(ScriptedRandomLeft(), 0u);
    const std::vector<std::string> Log = Form1->Memo1->Lines();
    ASSERT_EQ(Log.size(), static_cast<std::size_t>(Row.Level));
    EXPECT_EQ(Log.back(), LogLine(Row.Mark, Row.Level, 'a'));
    EXPECT_EQ(Form1->Label3->Caption(), Row.Counter);
    EXPECT_EQ(Ladder(), RedUpTo(Row.RedUpTo));
    const char Variant = Row.NewDraw ? 'b' : 'a';
    for (int L = 1; L <= 15; ++L)
        EXPECT_EQ(Form1->Questions[L][1], QuestionText(L, Variant)) << "level " << L;
    EXPECT_EQ(Form1->Level, Row.NextLevel);
    EXPECT_EQ(Form1->Label29->Caption(), QuestionText(Row.NextLevel, Variant));
    EXPECT_EQ(Form1->Label6->Caption(), RightText(Row.NextLevel, Variant));
    EXPECT_EQ(Form1->Mark, "+ ");
}

INSTANTIATE_TEST_SUITE_P(Trainer, AnswerAtLevelTest,
    ::testing::Values(AnswerCase{"RightAtLevel1", true, true, 1, "+ ", "1", 1, false, 2},
        AnswerCase{"RightAtLevel14", true, true, 14, "+ ", "14", 14, false, 15},
        AnswerCase{"RightAtLevel15", true, true, 15, "+ ", "15", 0, false, 1},
        AnswerCase{"WrongUntickedAtLevel1", false, false, 1, "- ", "0", 1, false, 2},
        AnswerCase{"WrongUntickedAtLevel14", false, false, 14, "- ", "13", 14, false, 15},
        AnswerCase{"WrongUntickedAtLevel15", false, false, 15, "- ", "14", 0, false, 1},
        AnswerCase{"WrongTickedAtLevel1", false, true, 1, "- ", "0", 1, true, 1},
        AnswerCase{"WrongTickedAtLevel14", false, true, 14, "- ", "13", 14, true, 14},
        AnswerCase{"WrongTickedAtLevel15", false, true, 15, "- ", "14", 0, true, 1}),
    [](const ::testing::TestParamInfo<AnswerCase>& Info) { return Info.param.Name; });

using AnswerTest = TrainerTest;

TEST_F(AnswerTest, PassesKeepTheLogTheCounterTheQuestionsAndTheClock)
{
    // Two whole passes and the first question of a third, every third answer wrong, box cleared.
    constexpr int Answers = 31;
    Start(Join({DrawOf('a'), InBaseOrder(1 + Answers)}));
    Form1->CheckBox1->SetChecked(false);
    for (int Tick = 0; Tick < 5; ++Tick)
        Form1->Timer1->Tick();

    std::vector<std::string> Expected;
    for (int Answer = 0; Answer < Answers; ++Answer) {
        const bool Right = Answer % 3 != 2;
        AnswerButtonOf(*Form1, Right ? RightButton : WrongButton)->Click();
        Expected.push_back(LogLine(Right ? "+ " : "- ", Answer % 15 + 1, 'a'));
    }

    EXPECT_EQ(Form1->Memo1->Lines(), Expected);
    EXPECT_EQ(Form1->Memo1->Lines()[2], "- \xC2\xEE\xEF\xF0\xEE\xF1 3a   right 3a");
    EXPECT_EQ(Form1->Label3->Caption(), "21");
    EXPECT_EQ(Form1->Level, 2);
    EXPECT_EQ(Ladder(), RedUpTo(1));
    EXPECT_EQ(ScriptedRandomLeft(), 0u);
    Form1->Timer1->Tick();
    EXPECT_EQ(Form1->Label5->Caption(), "00:00:05");
}

struct JudgeCase {
    const char* Name;
    int Button;
    const char* Mark;
    const char* Counter;
};

void PrintTo(const JudgeCase& Row, std::ostream* Out)
{
    PrintRow(Out, Row.Name,
        "button " + Printed(Row.Button) + " -> " + Printed(Row.Mark) + ", counter " + Printed(Row.Counter));
}

class JudgeTest : public TrainerTest, public ::testing::WithParamInterface<JudgeCase> { };

TEST_P(JudgeTest, ComparesTheWholeTextNotThePlace)
{
    // Level 1 holds the right answer twice, once with a trailing blank and once in lower case.
    WriteBytes("base.txt", SampleBase({"Same?", "Yes", "Yes", "Yes ", "yes"}));
    Start(Join({DrawOf('a'), InBaseOrder(2)}));
    Form1->CheckBox1->SetChecked(false);

    AnswerButtonOf(*Form1, GetParam().Button)->Click();

    EXPECT_EQ(Form1->Memo1->Lines(), std::vector<std::string>{GetParam().Mark + std::string("Same?   Yes")});
    EXPECT_EQ(Form1->Label3->Caption(), GetParam().Counter);
}

INSTANTIATE_TEST_SUITE_P(Trainer, JudgeTest,
    ::testing::Values(JudgeCase{"TheRightAnswer", 1, "+ ", "1"}, JudgeCase{"AnEqualText", 2, "+ ", "1"},
        JudgeCase{"ATrailingBlank", 3, "- ", "0"}, JudgeCase{"AnotherCase", 4, "- ", "0"}),
    [](const ::testing::TestParamInfo<JudgeCase>& Info) { return Info.param.Name; });

struct CounterCase {
    const char* Name;
    const char* Before;
    const char* After;
};

void PrintTo(const CounterCase& Row, std::ostream* Out)
{
    PrintRow(Out, Row.Name, Printed(Row.Before) + " -> " + Printed(Row.After));
}

class CounterTest : public TrainerTest, public ::testing::WithParamInterface<CounterCase> { };

TEST_P(CounterTest, CountsUpToTheLargestValueAndStaysThere)
{
    Start(Join({DrawOf('a'), InBaseOrder(2)}));
    Form1->Label3->SetCaption(GetParam().Before);

    AnswerButtonOf(*Form1, RightButton)->Click();

    EXPECT_TRUE(Errors.Texts().empty());
    EXPECT_EQ(Form1->Label3->Caption(), GetParam().After);
    EXPECT_EQ(Form1->Level, 2);
}

INSTANTIATE_TEST_SUITE_P(Trainer, CounterTest,
    ::testing::Values(CounterCase{"BelowTheLargest", "2147483646", "2147483647"},
        CounterCase{"AtTheLargest", "2147483647", "2147483647"}),
    [](const ::testing::TestParamInfo<CounterCase>& Info) { return Info.param.Name; });

TEST_F(AnswerTest, CounterThatIsNoNumberEndsARightAnswerAfterTheLogLine)
{
    Start(Join({DrawOf('a'), InBaseOrder(2)}));
    Form1->CheckBox1->SetChecked(false);
    Form1->Label3->SetCaption("many");

    AnswerButtonOf(*Form1, RightButton)->Click();

    EXPECT_EQ(Errors.Texts(), std::vector<std::string>{"'many' is not a valid integer value."});
    EXPECT_EQ(Form1->Memo1->Lines(), std::vector<std::string>{LogLine("+ ", 1, 'a')});
    EXPECT_EQ(Ladder(), RedUpTo(1));
    EXPECT_EQ(Form1->Level, 1);
    EXPECT_EQ(Form1->Mark, "+ ");

    // A wrong answer does not read the counter and moves on.
    AnswerButtonOf(*Form1, WrongButton)->Click();
    EXPECT_EQ(Form1->Level, 2);
    EXPECT_EQ(Form1->Memo1->Lines().back(), LogLine("- ", 1, 'a'));
    EXPECT_EQ(Errors.Texts().size(), 1u);
}

TEST_F(AnswerTest, FailingDrawAfterAWrongAnswerEndsTheClickAsIfTheBoxWereClear)
{
    Start(Join({DrawOf('a'), InBaseOrder(5)}));
    AnswerButtonOf(*Form1, RightButton)->Click();
    AnswerButtonOf(*Form1, RightButton)->Click();
    std::filesystem::remove("base.txt");

    AnswerButtonOf(*Form1, WrongButton)->Click();

    EXPECT_EQ(Errors.Texts(), std::vector<std::string>{"File not found."});
    EXPECT_EQ(Form1->Memo1->Lines().back(), LogLine("- ", 3, 'a'));
    EXPECT_EQ(Form1->Label3->Caption(), "2");
    EXPECT_EQ(Ladder(), RedUpTo(3));
    EXPECT_EQ(Form1->Level, 4);
    EXPECT_EQ(Form1->Label29->Caption(), QuestionText(4, 'a'));
    for (int L = 1; L <= 15; ++L)
        EXPECT_EQ(Form1->Questions[L][1], QuestionText(L, 'a')) << "level " << L;
    EXPECT_EQ(Form1->Mark, "+ ");

    // The drill goes on with the question on screen.
    AnswerButtonOf(*Form1, RightButton)->Click();
    EXPECT_EQ(Form1->Memo1->Lines().back(), LogLine("+ ", 4, 'a'));
    EXPECT_EQ(Form1->Label3->Caption(), "3");
    EXPECT_EQ(Form1->Level, 5);
    EXPECT_EQ(ScriptedRandomLeft(), 0u);
}

TEST_F(AnswerTest, ADrawFromABaseEmptiedSinceStartUpGivesEmptyQuestionsThatAreAnsweredRight)
{
    // The start-up draw and question, the next question inside the wrong answer's click, the new
    // draw and its question, then one question after each of the four answers.
    Start(Join({DrawOf('a'), InBaseOrder(2), DrawOf('a'), InBaseOrder(5)}));
    WriteBytes("base.txt", "");

    AnswerButtonOf(*Form1, WrongButton)->Click();
    for (int Index = 1; Index <= 4; ++Index)
        AnswerButtonOf(*Form1, Index)->Click();

    EXPECT_TRUE(Errors.Texts().empty());
    EXPECT_EQ(Form1->Memo1->Lines(),
        (std::vector<std::string>{LogLine("- ", 1, 'a'), "+    ", "+    ", "+    ", "+    "}));
    EXPECT_EQ(Form1->Label3->Caption(), "4");
    EXPECT_EQ(Form1->Level, 5);
    EXPECT_EQ(ScriptedRandomLeft(), 0u);
}

} // namespace
