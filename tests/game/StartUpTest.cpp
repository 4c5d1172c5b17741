#include "GameFixture.h"

#include "Ansi.h"
#include "Application.h"
#include "Button.h"
#include "EventLoop.h"
#include "Label.h"
#include "MainBlock.h"
#include "MainFormParts.h"
#include "MainMenu.h"
#include "Random.h"
#include "RowPrinting.h"
#include "SpeedButton.h"
#include "Timer.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit6.h"
#include "Unit7.h"

#include <filesystem>
#include <sys/stat.h>

namespace {

using StartUpTest = GameTest;

TEST_F(StartUpTest, ShowsTheFirstQuestionWithItsAnswersInTheOrderOfTheKeys)
{
    // Keys 0.2, 0.8, 0.4, 0.6 for the right answer and the wrong answers 1 to 3.
    Start(Join({DrawOfFifteen(), {0.2, 0.8, 0.4, 0.6}}));

    EXPECT_TRUE(Errors.Texts().empty());
    EXPECT_TRUE(Form1->Visible());
    EXPECT_EQ(Form1->Caption(), "Kvizora");
    EXPECT_EQ(Form1->Level, 1);
    EXPECT_FALSE(Form1->GameOver);
    EXPECT_EQ(Form1->Label29->Caption(), QuestionText(1));
    const std::vector<std::string> Expected{WrongText(1, 1), WrongText(1, 3), WrongText(1, 2), RightText(1)};
    EXPECT_EQ(ShownAnswers(), Expected);
    EXPECT_EQ(Form1->RightAnswer, RightText(1));
    for (int L = 1; L <= 15; ++L)
        EXPECT_EQ(RungOf(*Form1, L)->FontColor(), clSkyBlue) << "rung " << L;
    EXPECT_EQ(Form1->Label3->Caption(), Utf8ToAnsi("осталось"));
    EXPECT_EQ(Form1->Label2->Caption(), "60");
    EXPECT_EQ(Form1->Label4->Caption(), Utf8ToAnsi("сек"));
    EXPECT_TRUE(Form1->Button5->Enabled());
    EXPECT_TRUE(Form1->Button6->Enabled());
    EXPECT_TRUE(Form1->Button7->Enabled());
    EXPECT_TRUE(Form1->Button8->Enabled());
    EXPECT_EQ(EnabledAnswerButtons(), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_TRUE(Form1->Label6->Enabled());
    EXPECT_TRUE(Form1->Timer1->Enabled());
    EXPECT_FALSE(Form1->Timer2->Enabled());
    EXPECT_EQ(ScriptedRandomLeft(), 0U);
}

TEST_F(StartUpTest, ShowQuestionWhileTheGameIsOverChangesNothingAndDrawsNothing)
{
    StartGame();
    Form1->SpeedButton2->Click(); // a wrong answer ends the game
    ASSERT_TRUE(Form1->GameOver);
    Form1->Level = 2;
    ScriptRandom({});

    Form1->ShowQuestion();

    EXPECT_TRUE(Errors.Texts().empty()); // a draw past the empty script would have been reported
    EXPECT_EQ(Form1->Label29->Caption(), QuestionText(1));
    const std::vector<std::string> Expected{RightText(1), WrongText(1, 1), WrongText(1, 2), WrongText(1, 3)};
    EXPECT_EQ(ShownAnswers(), Expected);
    EXPECT_EQ(Form1->RightAnswer, RightText(1));
}

TEST_F(StartUpTest, ARowOfEmptyStringsShowsEmptyTexts)
{
    StartGame();
    Form1->Questions[2] = {};
    Form1->Level = 2;
    ScriptRandom(InBaseOrder());

    Form1->ShowQuestion();

    EXPECT_EQ(Form1->Label29->Caption(), "");
    EXPECT_EQ(ShownAnswers(), std::vector<std::string>(4, ""));
    EXPECT_EQ(Form1->RightAnswer, "");
}

TEST_F(StartUpTest, TextsOfTheBaseReachTheLabelsAsTheyStand)
{
    // An accelerator prefix, markup and a trailing blank stay in the captions: the labels draw
    // them by their prefix rule and as plain text.
    TRecord Odd = FixtureRecord(1);
    Odd.Question = "Tom & Jerry <b>\xC4\xE0</b> ";
    Odd.Right = "&&1 ";
    std::vector<TRecord> Records{Odd};
    for (int L = 2; L <= 15; ++L)
        Records.push_back(FixtureRecord(L));
    WriteBytes("base.txt", BaseOf(Records));

    StartGame();

    EXPECT_EQ(Form1->Label29->Caption(), "Tom & Jerry <b>\xC4\xE0</b> ");
    EXPECT_EQ(Form1->Label9->Caption(), "&&1 ");
    EXPECT_EQ(Form1->Answers[1], "&&1 ");
    EXPECT_EQ(Form1->RightAnswer, "&&1 ");
}

// A start-up that cannot draw: one error box, the placeholders stay, and the game is over, so
// nothing counts down and no click plays.
enum class TBaseFile { Missing, Bytes, Fifo, Folder };

struct StartUpFailureCase {
    const char* Name;
    TBaseFile BaseFile;
    std::string Base;
    std::string Error;
};

void PrintTo(const StartUpFailureCase& Row, std::ostream* Out)
{
    constexpr const char* Files[]
        = {"no base", "base", "base is a FIFO", "base is a folder"}; // in TBaseFile's order
    PrintRow(Out, Row.Name,
        Files[static_cast<int>(Row.BaseFile)]
            + (Row.BaseFile == TBaseFile::Bytes ? " " + Printed(Row.Base) : "") + " -> "
            + Printed(Row.Error));
}

std::string SixteenLevels()
{
    TRecord Extra = FixtureRecord(16);
    return FifteenLevels() + BaseOf({Extra});
}

class StartUpFailureTest : public GameTest, public ::testing::WithParamInterface<StartUpFailureCase> { };

TEST_P(StartUpFailureTest, LeavesThePlaceholdersAndPlaysNothing)
{
    std::filesystem::remove("base.txt");
    switch (GetParam().BaseFile) {
    case TBaseFile::Missing:
        break;
    case TBaseFile::Bytes:
        WriteBytes("base.txt", GetParam().Base);
        break;
    case TBaseFile::Fifo:
        ASSERT_EQ(mkfifo("base.txt", 0666), 0);
        break;
    case TBaseFile::Folder:
        std::filesystem::create_directory("base.txt");
        break;
    }

    Start({});

    ASSERT_EQ(Errors.Texts().size(), 1U);
    EXPECT_NE(Errors.Texts()[0].find(GetParam().Error), std::string::npos) << Errors.Texts()[0];
    EXPECT_EQ(Errors.Captions()[0], "Kvizora");
    EXPECT_TRUE(Form1->Visible());
    EXPECT_TRUE(Form1->GameOver);
    EXPECT_EQ(Form1->Level, 1);
    EXPECT_EQ(Form1->Label29->Caption(), "Label29");
    EXPECT_EQ(ShownAnswers(), std::vector<std::string>(4, "Label9"));

    for (int Tick = 0; Tick < 70; ++Tick)
        Form1->Timer1->Tick();
    Form1->SpeedButton1->Click();
    Form1->Button7->Click();
    Form1->Button8->Click();
    Form1->Button5->Click();

    EXPECT_EQ(Errors.Texts().size(), 1U);
    EXPECT_EQ(Form1->Label2->Caption(), "60");
    EXPECT_FALSE(Form1->Timer2->Enabled());
    EXPECT_FALSE(Form2->Visible());
    EXPECT_FALSE(Form7->Visible());
    EXPECT_TRUE(Form1->Button7->Enabled());
    EXPECT_EQ(ReadBytes("stat.txt"), Counts());
}

INSTANTIATE_TEST_SUITE_P(Bases, StartUpFailureTest,
    ::testing::Values(StartUpFailureCase{"NoBase", TBaseFile::Missing, "", "File not found."},
        StartUpFailureCase{
            "SixteenLevels", TBaseFile::Bytes, SixteenLevels(), Utf8ToAnsi("уровней в файле 16")},
        StartUpFailureCase{"EmptyBase", TBaseFile::Bytes, "", Utf8ToAnsi("файл пуст")},
        // Refused at once, as a folder is: a FIFO nobody writes to would block the open for good.
        StartUpFailureCase{"BaseIsAFifo", TBaseFile::Fifo, "", "File access denied."},
        StartUpFailureCase{"BaseIsAFolder", TBaseFile::Folder, "", "File access denied."}),
    [](const ::testing::TestParamInfo<StartUpFailureCase>& Info) { return std::string(Info.param.Name); });

TEST_F(StartUpTest, NewGameAfterAStartWithoutBasePlaysOnceTheBaseIsThere)
{
    std::filesystem::remove("base.txt");
    Start({});
    ASSERT_TRUE(Form1->GameOver);

    // Still no base: the retry reports and the game stays over.
    Form1->N1->Click();
    ASSERT_EQ(Errors.Texts().size(), 2U);
    EXPECT_EQ(Errors.Texts()[1], "File not found.");
    EXPECT_TRUE(Form1->GameOver);
    EXPECT_EQ(Form1->Label29->Caption(), "Label29");
    Form1->Timer1->Tick();
    EXPECT_EQ(Form1->Label2->Caption(), "60");

    WriteBytes("base.txt", FifteenLevels());
    ScriptRandom(Join({DrawOfFifteen(), InBaseOrder()}));
    Form1->N1->Click();

    EXPECT_EQ(Errors.Texts().size(), 2U);
    EXPECT_FALSE(Form1->GameOver);
    EXPECT_EQ(Form1->Label29->Caption(), QuestionText(1));
    Form1->Timer1->Tick();
    EXPECT_EQ(Form1->Label2->Caption(), "59");
    ScriptRandom(InBaseOrder());
    Form1->SpeedButton1->Click();
    EXPECT_EQ(Form1->Level, 2);
    EXPECT_EQ(Form1->Label29->Caption(), QuestionText(2));
}

TEST_F(StartUpTest, NewGameWhoseDrawFailsAfterADrawOfEmptyQuestionsPlaysThem)
{
    StartGame();
    // The base emptied while the game runs: the draw reads empty lines and succeeds.
    WriteBytes("base.txt", "");
    ScriptRandom(Join({DrawOfFifteen(), InBaseOrder()}));
    Form1->N1->Click();
    std::filesystem::remove("base.txt");

    Form1->N1->Click();

    EXPECT_EQ(Errors.Texts(), std::vector<std::string>{"File not found."});
    EXPECT_FALSE(Form1->GameOver);
    EXPECT_EQ(Form1->Label29->Caption(), "");
    // Every answer equals the empty right answer.
    ScriptRandom(InBaseOrder());
    Form1->SpeedButton3->Click();
    EXPECT_EQ(Form1->Level, 2);
    EXPECT_FALSE(Form2->Visible());
}

TEST_F(StartUpTest, TheProgramEndsWhenTheMainWindowClosesWithASecondaryWindowOpen)
{
    ScriptRandom(Join({DrawOfFifteen(), InBaseOrder()}));
    bool SecondaryWasOpen = false;
    RunWhenLoopRuns([&SecondaryWasOpen] {
        Form1->N3->Click();
        SecondaryWasOpen = Form6->Visible();
        Form1->Close();
    });

    MainBlock();

    EXPECT_TRUE(SecondaryWasOpen);
    EXPECT_TRUE(Errors.Texts().empty());
    EXPECT_EQ(Application->MainForm(), Form1);
}

} // namespace
