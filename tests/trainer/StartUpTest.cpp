#include "TrainerFixture.h"

#include "Application.h"
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
#include <functional>
#include <sys/stat.h>

using StartUpTest = TrainerTest;

TEST_F(StartUpTest, ShowsLevelOneWithShuffledAnswersAndAnUntouchedDrill)
{
    // Keys 0.2, 0.8, 0.4, 0.6 for the right answer and the three wrong ones show W1, W3, W2, R.
    Start(Join({DrawOf('a'), {0.2, 0.8, 0.4, 0.6}}));

    EXPECT_TRUE(Errors.Texts().empty());
    EXPECT_EQ(Application->Title(), "Kvizora");
    EXPECT_EQ(Application->MainForm(), Form1);
    EXPECT_TRUE(Form1->Visible());
    EXPECT_EQ(Form1->Caption(), "Kvizora (\xF2\xF0\xE5\xED\xE0\xE6\xE5\xF0)"); // "тренажер"
    EXPECT_EQ(Form1->Label29->Caption(), QuestionText(1, 'a'));
    EXPECT_EQ(Form1->Label6->Caption(), "wrong 1a 1");
    EXPECT_EQ(Form1->Label9->Caption(), "wrong 1a 3");
    EXPECT_EQ(Form1->Label10->Caption(), "wrong 1a 2");
    EXPECT_EQ(Form1->Label11->Caption(), RightText(1, 'a'));
    EXPECT_EQ(Form1->RightAnswer, RightText(1, 'a'));
    EXPECT_EQ(Form1->Level, 1);
    EXPECT_EQ(Form1->Mark, "+ ");
    EXPECT_EQ(Form1->Label3->Caption(), "0");
    EXPECT_EQ(Form1->Label5->Caption(), "00:00:00");
    EXPECT_TRUE(Form1->Memo1->Lines().empty());
    EXPECT_TRUE(Form1->CheckBox1->Checked());
    EXPECT_EQ(Ladder(), RedUpTo(0));
    EXPECT_EQ(ScriptedRandomLeft(), 0u);
}

// A start-up without a base that can be read: a missing one, or a FIFO or a folder of that name,
// which are refused at once instead of being waited on.
struct UnreadableBaseCase {
    const char* Name;
    std::function<void()> Place;
    std::string Error;
};

// Place is code, which prints nothing.
void PrintTo(const UnreadableBaseCase& Row, std::ostream* Out)
{
    PrintRow(Out, Row.Name, Printed(Row.Error));
}

class UnreadableBaseTest : public TrainerTest, public ::testing::WithParamInterface<UnreadableBaseCase> { };

TEST_P(UnreadableBaseTest, ReportsOnceKeepsPlaceholdersAndIgnoresAnswers)
{
    std::filesystem::remove("base.txt");
    GetParam().Place();
    Start({});

    EXPECT_EQ(Errors.Texts(), std::vector<std::string>{GetParam().Error});
    EXPECT_EQ(Errors.Captions(), std::vector<std::string>{"Kvizora"});
    EXPECT_TRUE(Form1->Visible());
    // A base put in place afterwards changes nothing until the trainer is started again.
    std::filesystem::remove_all("base.txt");
    WriteBytes("base.txt", SampleBase());
    for (int Index = 1; Index <= 4; ++Index)
        AnswerButtonOf(*Form1, Index)->Click();
    EXPECT_EQ(Form1->Label29->Caption(), "Label29");
    for (const TLabel* Answer : {Form1->Label6, Form1->Label9, Form1->Label10, Form1->Label11})
        EXPECT_EQ(Answer->Caption(), "Label6");
    EXPECT_TRUE(Form1->Memo1->Lines().empty());
    EXPECT_EQ(Form1->Label3->Caption(), "0");
    EXPECT_EQ(Form1->Level, 1);
    EXPECT_EQ(Ladder(), RedUpTo(0));

    Form1->Timer1->Tick();
    Form1->Timer1->Tick();
    EXPECT_EQ(Form1->Label5->Caption(), "00:00:01");
    EXPECT_EQ(Errors.Texts().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Bases, UnreadableBaseTest,
    ::testing::Values(UnreadableBaseCase{"NoBase", [] {}, "File not found."},
        UnreadableBaseCase{
            "BaseIsAFifo", [] { ASSERT_EQ(mkfifo("base.txt", 0666), 0); }, "File access denied."},
        UnreadableBaseCase{
            "BaseIsAFolder", [] { std::filesystem::create_directory("base.txt"); }, "File access denied."}),
    [](const ::testing::TestParamInfo<UnreadableBaseCase>& Info) { return std::string(Info.param.Name); });
