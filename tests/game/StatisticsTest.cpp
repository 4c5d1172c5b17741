#include "GameFixture.h"

#include "Label.h"
#include "MainMenu.h"
#include "Random.h"
#include "ResourceLimit.h"
#include "RowPrinting.h"
#include "SpeedButton.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit6.h"

#include "Statistics.h"
#include "SysUtils.h"

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <functional>
#include <optional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int Win = 16;

class StatisticsTest : public GameTest {
protected:
    // Ends a game at question Level by a wrong answer, or wins it (Win).
    void EndGameAt(int Level)
    {
        ClimbTo(Level);
        if (Level < Win)
            Form1->SpeedButton2->Click();
    }

    // Shows the statistics window afresh.
    static std::vector<std::string> ShownCounts()
    {
        Form6->Close();
        Form1->N3->Click();
        return {Form6->Label1->Caption(), Form6->Label2->Caption(), Form6->Label3->Caption(),
            Form6->Label16->Caption()};
    }
};

// "stat.txt" before and after one game end, and the error box that it gives; nullopt: no file.
struct StatCase {
    const char* Name;
    std::optional<std::string> Before;
    int GameEnd;
    std::optional<std::string> After;
    std::string Error;
};

void PrintTo(const StatCase& Case, std::ostream* Out)
{
    PrintRow(Out, Case.Name,
        "game ends at " + Printed(Case.GameEnd)
            + (Case.Error.empty() ? "" : ", error " + Printed(Case.Error)));
}

const std::string OddLines = Counts({{2, "abc"}, {5, "  7"}});

std::string LfOnly()
{
    std::string Bytes;
    for (int Line = 1; Line <= 16; ++Line)
        Bytes += "0\n";
    return Bytes;
}

class StatFileTest : public StatisticsTest, public ::testing::WithParamInterface<StatCase> { };

TEST_P(StatFileTest, CountsTheGameEnd)
{
    const StatCase& Case = GetParam();
    std::filesystem::remove("stat.txt");
    if (Case.Before)
        WriteBytes("stat.txt", *Case.Before);
    StartGame();

    EndGameAt(Case.GameEnd);

    if (Case.Error.empty())
        EXPECT_TRUE(Errors.Texts().empty());
    else
        EXPECT_EQ(Errors.Texts(), std::vector<std::string>{Case.Error});
    EXPECT_TRUE(Form1->GameOver); // the show call went on after the report
    if (Case.After)
        EXPECT_EQ(ReadBytes("stat.txt"), *Case.After);
    else
        EXPECT_FALSE(std::filesystem::exists("stat.txt"));
}

INSTANTIATE_TEST_SUITE_P(Files, StatFileTest,
    ::testing::Values(StatCase{"LossAtThree", Counts(), 3, Counts({{3, "1"}}), ""},
        StatCase{"WinAfterALoss", Counts({{3, "1"}}), Win, Counts({{3, "1"}, {16, "1"}}), ""},
        StatCase{"LfLineEndsWrittenBackWithCrLf", LfOnly(), 1, Counts({{1, "1"}}), ""},
        StatCase{"OddLinesWrittenBackAsTheyWere", OddLines, 5, Counts({{2, "abc"}, {5, "8"}}), ""},
        StatCase{"LineThatIsNotANumber", OddLines, 2, OddLines, "'abc' is not a valid integer value."},
        StatCase{"FifteenLinesGetAnEmptySixteenth", Counts({}, 15), 1, Counts({{1, "1"}, {16, ""}}), ""},
        StatCase{"FifteenLinesCannotCountAWin", Counts({}, 15), Win, Counts({}, 15),
            "'' is not a valid integer value."},
        StatCase{"TwentyLinesLoseTheLastFour", Counts({}, 20), 1, Counts({{1, "1"}}), ""},
        StatCase{"EmptyFile", "", 1, "", "'' is not a valid integer value."},
        StatCase{"EmptyFirstLineCountsOtherLevels", Counts({{1, ""}}), 2, Counts({{1, ""}, {2, "1"}}), ""},
        StatCase{"HexadecimalCount", Counts({{6, "$10"}}), 6, Counts({{6, "17"}}), ""},
        StatCase{"CountAtTheTopStaysThere", Counts({{4, "2147483647"}}), 4, Counts({{4, "2147483647"}}), ""},
        StatCase{"MissingFileIsNotCreated", std::nullopt, 1, std::nullopt, "File not found."}),
    [](const ::testing::TestParamInfo<StatCase>& Info) { return std::string(Info.param.Name); });

TEST_F(StatisticsTest, WithoutFileTheWindowReportsAndKeepsItsPlaceholders)
{
    std::filesystem::remove("stat.txt");
    StartGame();

    Form1->N3->Click();

    EXPECT_EQ(Errors.Texts(), std::vector<std::string>{"File not found."});
    EXPECT_TRUE(Form6->Visible());
    EXPECT_EQ(Form6->Label1->Caption(), "Label1");
    EXPECT_EQ(Form6->Label16->Caption(), "Label1");
    EXPECT_FALSE(std::filesystem::exists("stat.txt"));

    // Put in place later, the file is read at the next show.
    WriteBytes("stat.txt", Counts({{1, "4"}}));
    EXPECT_EQ(ShownCounts(), (std::vector<std::string>{"4", "0", "0", "0"}));
}

// "stat.txt" that is not a plain file is refused at once, as a folder is, before the first load or
// at the rewrite after it; a FIFO nobody writes to would block the open for good. The game goes
// on as after any other error with the file: the count stays in memory, the file stays as it was.
struct NotAPlainFileCase {
    const char* Name;
    bool LoadedFirst;
    std::function<void()> Place;
};

void PrintTo(const NotAPlainFileCase& Case, std::ostream* Out)
{
    PrintRow(Out, Case.Name, Case.LoadedFirst ? "loaded first" : "");
}

class NotAPlainStatFileTest : public StatisticsTest,
                              public ::testing::WithParamInterface<NotAPlainFileCase> { };

TEST_P(NotAPlainStatFileTest, IsReportedAtOnceAndTheGameGoesOn)
{
    StartGame();
    if (GetParam().LoadedFirst)
        Form1->N3->Click();
    std::filesystem::remove("stat.txt");
    GetParam().Place();

    EndGameAt(1);

    EXPECT_EQ(Errors.Texts(), std::vector<std::string>{"File access denied."});
    EXPECT_TRUE(Form2->Visible());
    EXPECT_TRUE(Form1->GameOver);
    const std::vector<std::string> Counted{"1", "0", "0", "0"};
    const std::vector<std::string> Placeholders(4, "Label1");
    EXPECT_EQ(ShownCounts(), GetParam().LoadedFirst ? Counted : Placeholders);
    EXPECT_EQ(Errors.Texts().size(), GetParam().LoadedFirst ? 1U : 2U);
    EXPECT_FALSE(std::filesystem::is_regular_file("stat.txt"));
}

INSTANTIATE_TEST_SUITE_P(Files, NotAPlainStatFileTest,
    ::testing::Values(
        NotAPlainFileCase{"FifoBeforeTheFirstLoad", false, [] { ASSERT_EQ(mkfifo("stat.txt", 0666), 0); }},
        NotAPlainFileCase{"FifoAtTheRewrite", true, [] { ASSERT_EQ(mkfifo("stat.txt", 0666), 0); }},
        NotAPlainFileCase{"FolderAtTheRewrite", true, [] { std::filesystem::create_directory("stat.txt"); }}),
    [](const ::testing::TestParamInfo<NotAPlainFileCase>& Info) { return std::string(Info.param.Name); });

TEST_F(StatisticsTest, TheWindowShowsTheCountsOfTheMomentItWasOpened)
{
    WriteBytes("stat.txt", Counts({{1, " 5"}, {2, "x"}, {16, "3"}}));
    StartGame();
    Form1->N3->Click();
    ASSERT_EQ(Form6->Label1->Caption(), " 5");
    EXPECT_EQ(Form6->Label2->Caption(), "x");
    EXPECT_EQ(Form6->Label16->Caption(), "3");

    EndGameAt(1);
    Form1->N3->Click(); // only brings it to the front
    EXPECT_EQ(Form6->Label1->Caption(), " 5");

    // Edited by hand after the first load, the file is not read again.
    WriteBytes("stat.txt", Counts({{1, "100"}}));
    EXPECT_EQ(ShownCounts(), (std::vector<std::string>{"6", "x", "0", "3"}));
    EXPECT_TRUE(Errors.Texts().empty());
}

TEST_F(StatisticsTest, WhileLineOneIsEmptyEveryShowReadsTheFileAgain)
{
    WriteBytes("stat.txt", Counts({{1, ""}, {2, "4"}}));
    StartGame();
    EXPECT_EQ(ShownCounts(), (std::vector<std::string>{"", "4", "0", "0"}));

    WriteBytes("stat.txt", Counts({{1, ""}, {2, "9"}}));
    EXPECT_EQ(ShownCounts(), (std::vector<std::string>{"", "9", "0", "0"}));

    // A count in line 1 makes the loaded lines the master copy.
    WriteBytes("stat.txt", Counts({{1, "2"}, {2, "9"}}));
    EXPECT_EQ(ShownCounts(), (std::vector<std::string>{"2", "9", "0", "0"}));
    WriteBytes("stat.txt", Counts({{1, "5"}}));
    EXPECT_EQ(ShownCounts(), (std::vector<std::string>{"2", "9", "0", "0"}));
    EXPECT_TRUE(Errors.Texts().empty());
}

TEST_F(StatisticsTest, ADeletedFileIsWrittenAgainFromTheLoadedCounts)
{
    WriteBytes("stat.txt", Counts({{3, "2"}}));
    StartGame();
    EndGameAt(1);
    std::filesystem::remove("stat.txt");
    Form2->Close();
    ScriptRandom(Join({DrawOfFifteen(), InBaseOrder()}));
    Form1->N1->Click();

    EndGameAt(Win);

    EXPECT_EQ(ReadBytes("stat.txt"), Counts({{1, "1"}, {3, "2"}, {16, "1"}}));
}

TEST_F(StatisticsTest, AReadOnlyFileStaysAsItWasUntilItCanBeWrittenAgain)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes read-only files";
    StartGame();
    std::filesystem::permissions("stat.txt", std::filesystem::perms::owner_read);

    EndGameAt(1);

    EXPECT_EQ(Errors.Texts(), std::vector<std::string>{"File access denied."});
    EXPECT_EQ(ReadBytes("stat.txt"), Counts());
    EXPECT_EQ(ShownCounts(), (std::vector<std::string>{"1", "0", "0", "0"}));

    std::filesystem::permissions(
        "stat.txt", std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    Form2->Close();
    ScriptRandom(Join({DrawOfFifteen(), InBaseOrder()}));
    Form1->N1->Click();
    EndGameAt(2);
    EXPECT_EQ(ReadBytes("stat.txt"), Counts({{1, "1"}, {2, "1"}}));
}

TEST_F(StatisticsTest, AFailedRewriteKeepsTheOldFile)
{
    const std::string Before = Counts({{1, "123456"}, {16, "7"}});
    WriteBytes("stat.txt", Before);
    std::filesystem::permissions("stat.txt",
        std::filesystem::perms::owner_read | std::filesystem::perms::owner_write
            | std::filesystem::perms::group_read);
    StartGame();
    {
        const ResourceLimit Limit(RLIMIT_FSIZE, 10);
        EndGameAt(1);
    }

    ASSERT_EQ(Errors.Texts().size(), 1U);
    EXPECT_EQ(Errors.Texts()[0], "I/O error 27.");
    EXPECT_EQ(ReadBytes("stat.txt"), Before);
    std::vector<std::string> Files;
    for (const auto& Entry : std::filesystem::directory_iterator("."))
        Files.push_back(Entry.path().filename().string());
    std::sort(Files.begin(), Files.end());
    EXPECT_EQ(Files, (std::vector<std::string>{"base.txt", "stat.txt"}));

    // The next count writes all counts made meanwhile, and the file keeps its permissions.
    Form2->Close();
    ScriptRandom(Join({DrawOfFifteen(), InBaseOrder()}));
    Form1->N1->Click();
    EndGameAt(Win);
    EXPECT_EQ(ReadBytes("stat.txt"), Counts({{1, "123457"}, {16, "8"}}));
    EXPECT_EQ(std::filesystem::status("stat.txt").permissions(),
        std::filesystem::perms::owner_read | std::filesystem::perms::owner_write
            | std::filesystem::perms::group_read);
}

TEST_F(StatisticsTest, AnotherUsersLinkAtTheFileIsRefusedAndWhatItLeadsToIsKept)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "needs a link of another user's, so root";
    // A file of the player's that reads as counts, so that the game reads it and counts on.
    const std::string Victim = Counts({{1, "5"}});
    WriteBytes("victim.txt", Victim);
    std::filesystem::remove("stat.txt");
    std::filesystem::create_symlink("victim.txt", "stat.txt");
    // Someone else's link in the player's folder; followed for writing, it could send the counts
    // into any file of the player's.
    if (lchown("stat.txt", 4242, 4242) != 0)
        GTEST_SKIP() << "files cannot be given to another user here";
    StartGame();

    EndGameAt(1);

    EXPECT_EQ(Errors.Texts(), std::vector<std::string>{"File access denied."});
    EXPECT_TRUE(Form2->Visible());
    EXPECT_TRUE(Form1->GameOver);
    EXPECT_EQ(ReadBytes("victim.txt"), Victim);
    EXPECT_TRUE(std::filesystem::is_symlink("stat.txt"));
}

// Content over the file size limit is refused before anything is written, whether the count
// writes a new copy of the file or rewrites it in place, so the signal that a write past the limit
// raises, which ends a program, never comes. The count runs in a child with that signal's default
// action and ends with the count's I/O error code.
struct SizeLimitCase {
    const char* Name;
    bool HardLinked; // rewritten in place
};

void PrintTo(const SizeLimitCase& Case, std::ostream* Out)
{
    PrintRow(Out, Case.Name, Case.HardLinked ? "in place" : "new copy");
}

class CountOverTheSizeLimitTest : public ::testing::TestWithParam<SizeLimitCase> {
protected:
    TempWorkDir Work;
};

TEST_P(CountOverTheSizeLimitTest, FailsWithIoError27AndKeepsTheFile)
{
    const std::string Before = Counts({{1, "123456"}});
    WriteBytes("stat.txt", Before);
    if (GetParam().HardLinked)
        std::filesystem::create_hard_link("stat.txt", "other.txt");
    const pid_t Child = fork();
    if (Child == 0) {
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit Limit{10, RLIM_INFINITY};
        TStats Stats;
        try {
            LoadStatistics(Stats);
            setrlimit(RLIMIT_FSIZE, &Limit);
            CountGame(Stats, 1);
        } catch (const EInOutError& Error) {
            _exit(Error.ErrorCode());
        }
        _exit(0);
    }
    int Status = 0;
    ASSERT_EQ(waitpid(Child, &Status, 0), Child);
    ASSERT_TRUE(WIFEXITED(Status)) << "ended by signal " << WTERMSIG(Status);
    EXPECT_EQ(WEXITSTATUS(Status), 27);
    EXPECT_EQ(ReadBytes("stat.txt"), Before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), GetParam().HardLinked ? 2 : 1);
}

INSTANTIATE_TEST_SUITE_P(Paths, CountOverTheSizeLimitTest,
    ::testing::Values(SizeLimitCase{"NewCopy", false}, SizeLimitCase{"InPlace", true}),
    [](const ::testing::TestParamInfo<SizeLimitCase>& Info) { return std::string(Info.param.Name); });

} // namespace
