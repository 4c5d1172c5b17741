#include "GameFixture.h"

#include "Button.h"
#include "Label.h"
#include "Random.h"
#include "RowPrinting.h"
#include "Unit1.h"
#include "Unit4.h"

#include <map>

namespace {

using HintsTest = GameTest;

// "50/50": the shuffle keys of the question, the four keys of the pick, and the answer buttons
// left enabled: the right answer's and the wrong answer with the greatest key.
struct FiftyFiftyCase {
    const char* Name;
    std::vector<double> ShuffleKeys;
    std::vector<double> PickKeys;
    std::vector<int> Enabled;
};

void PrintTo(const FiftyFiftyCase& Row, std::ostream* Out)
{
    PrintRow(Out, Row.Name,
        "shuffle " + Listed(Row.ShuffleKeys) + ", pick " + Listed(Row.PickKeys) + " -> enabled "
            + Listed(Row.Enabled));
}

class FiftyFiftyTest : public GameTest, public ::testing::WithParamInterface<FiftyFiftyCase> { };

TEST_P(FiftyFiftyTest, LeavesTheRightAnswerAndOnePickedWrongAnswer)
{
    Start(Join({DrawOfFifteen(), GetParam().ShuffleKeys}));
    ScriptRandom(GetParam().PickKeys);

    Form1->Button8->Click();

    EXPECT_TRUE(Errors.Texts().empty());
    EXPECT_EQ(ScriptedRandomLeft(), 0U);
    EXPECT_EQ(EnabledAnswerButtons(), GetParam().Enabled);
    EXPECT_FALSE(Form1->Button8->Enabled());
    EXPECT_EQ(Form1->Label9->Caption(), Form1->Answers[1]); // every answer stays shown
    EXPECT_EQ(Form1->Label12->Caption(), Form1->Answers[4]);
}

INSTANTIATE_TEST_SUITE_P(Picks, FiftyFiftyTest,
    ::testing::Values(FiftyFiftyCase{"GreatestKeyIsPicked", InBaseOrder(), {0.1, 0.3, 0.2, 0.9}, {1, 4}},
        FiftyFiftyCase{"LowestPositionAmongEqualKeys", InBaseOrder(), {0.9, 0.6, 0.6, 0.2}, {1, 2}},
        // The shuffle puts the right answer last; its key, the greatest, counts as 0.0.
        FiftyFiftyCase{"RightAnswerLast", {0.2, 0.8, 0.4, 0.6}, {0.5, 0.1, 0.3, 0.99}, {1, 4}}),
    [](const ::testing::TestParamInfo<FiftyFiftyCase>& Info) { return std::string(Info.param.Name); });

TEST_F(HintsTest, EveryCopyOfTheRightAnswerGetsKeyZeroAndTheLastOneIsKept)
{
    TRecord Twice = FixtureRecord(1);
    Twice.Wrong2 = Twice.Right; // answers: right, wrong 1, right, wrong 3
    std::vector<TRecord> Records{Twice};
    for (int L = 2; L <= 15; ++L)
        Records.push_back(FixtureRecord(L));
    WriteBytes("base.txt", BaseOf(Records));
    StartGame();
    ScriptRandom({0.9, 0.3, 0.95, 0.1});

    Form1->Button8->Click();

    EXPECT_EQ(EnabledAnswerButtons(), (std::vector<int>{2, 3}));
}

TEST_F(HintsTest, BothSeventyFivePercentButtonsPickIndependentlyAndTheWindowShowsTheSecond)
{
    StartGame();
    ScriptRandom({0.1, 0.9, 0.2, 0.3});
    Form1->Button8->Click(); // greys answers 3 and 4

    ScriptRandom({0.1, 0.9, 0.2, 0.3, 0.5}); // names the right answer
    Form1->Button5->Click();
    EXPECT_TRUE(Form4->Visible());
    EXPECT_EQ(Form4->Label2->Caption(), RightText(1));
    EXPECT_EQ(EnabledAnswerButtons(), (std::vector<int>{1, 2, 3, 4}));

    Form1->Show();
    ScriptRandom({0.1, 0.2, 0.3, 0.9, 0.8}); // names wrong answer 3, which "50/50" had greyed
    Form1->Button6->Click();
    EXPECT_TRUE(Form4->Active());
    EXPECT_EQ(Form4->Label2->Caption(), WrongText(1, 3));
    EXPECT_FALSE(Form1->Button5->Enabled());
    EXPECT_FALSE(Form1->Button6->Enabled());
    EXPECT_TRUE(Form1->Button7->Enabled());
    EXPECT_EQ(Form1->Level, 1);
    EXPECT_TRUE(Errors.Texts().empty());
}

// The draw after the four keys names the right answer below 0.75 and the picked wrong one else.
struct ChoiceCase {
    const char* Name;
    double Choice;
    bool NamesTheRightAnswer;
};

void PrintTo(const ChoiceCase& Row, std::ostream* Out)
{
    PrintRow(Out, Row.Name,
        Printed(Row.Choice) + (Row.NamesTheRightAnswer ? " -> the right answer" : " -> a wrong answer"));
}

class SeventyFivePercentChoiceTest : public GameTest, public ::testing::WithParamInterface<ChoiceCase> { };

TEST_P(SeventyFivePercentChoiceTest, NamesTheRightAnswerInThreeCasesOfFour)
{
    StartGame();
    ScriptRandom({0.1, 0.9, 0.2, 0.3, GetParam().Choice});

    Form1->Button6->Click();

    EXPECT_EQ(Form4->Label2->Caption(), GetParam().NamesTheRightAnswer ? RightText(1) : WrongText(1, 1));
}

INSTANTIATE_TEST_SUITE_P(Choices, SeventyFivePercentChoiceTest,
    ::testing::Values(ChoiceCase{"Zero", 0.0, true}, ChoiceCase{"JustBelowThreeQuarters", 0.7499999, true},
        ChoiceCase{"ThreeQuarters", 0.75, false}, ChoiceCase{"AlmostOne", 0.9999999, false}),
    [](const ::testing::TestParamInfo<ChoiceCase>& Info) { return std::string(Info.param.Name); });

TEST_F(HintsTest, OverManySeededPressesSeventyFivePercentIsRightThreeTimesInFour)
{
    StartGame();
    EndRandomScript();
    Randomize();
    constexpr int Presses = 4000;
    std::map<std::string, int> Named;
    for (int Press = 0; Press < Presses; ++Press) {
        Form1->Button5Click(nullptr);
        ++Named[Form4->Label2->Caption()];
    }
    // Only the four answers are ever named. Bounds of about six standard deviations: the right
    // answer near 3000 times, each wrong one near 333.
    EXPECT_EQ(Named.size(), 4U);
    EXPECT_GT(Named[RightText(1)], 2835);
    EXPECT_LT(Named[RightText(1)], 3165);
    for (int Which = 1; Which <= 3; ++Which)
        EXPECT_GT(Named[WrongText(1, Which)], 230) << "wrong answer " << Which;
}

} // namespace
