#include "QuestionBase.h"
#include "Ansi.h"
#include "Random.h"
#include "RandomScript.h"
#include "RowPrinting.h"
#include "SysUtils.h"
#include "WorkDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Record n of a test base: its lines name the record, so a drawn row shows which one it is.
std::string Record(int Number, const std::string& Key, const std::string& LineEnd = "\r\n")
{
    const std::string N = std::to_string(Number);
    return "Q" + N + LineEnd + "R" + N + LineEnd + "A" + N + LineEnd + "B" + N + LineEnd + "C" + N + LineEnd
        + Key + LineEnd;
}

std::string Base(const std::vector<std::string>& Keys, const std::string& LineEnd = "\r\n")
{
    std::string Bytes;
    for (std::size_t Index = 0; Index < Keys.size(); ++Index)
        Bytes += Record(static_cast<int>(Index) + 1, Keys[Index], LineEnd);
    return Bytes;
}

std::vector<std::string> Keys(int First, int Last)
{
    std::vector<std::string> Result;
    for (int Key = First; Key <= Last; ++Key)
        Result.push_back("k" + std::to_string(Key));
    return Result;
}

TLevelStart LevelStartOf(const std::vector<int>& Entries)
{
    TLevelStart LevelStart;
    for (int Index = 1; Index <= 16; ++Index)
        LevelStart[Index] = Entries[static_cast<std::size_t>(Index - 1)];
    return LevelStart;
}

const TLevelStart OneRecordEach = LevelStartOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16});
const TLevelStart Untouched = LevelStartOf({-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1});

struct ScanCase {
    std::string Name;
    std::string Bytes;
    TLevelStart Expected;
};

void PrintTo(const ScanCase& Row, std::ostream* Out)
{
    std::vector<int> Entries;
    for (int Index = 1; Index <= 16; ++Index)
        Entries.push_back(Row.Expected[Index]);
    PrintRow(Out, Row.Name, Printed(Row.Bytes) + " -> " + Listed(Entries));
}

class LevelScan : public testing::TestWithParam<ScanCase> { };

TEST_P(LevelScan, FindsWhereEachLevelBegins)
{
    TempWorkDir Work;
    WriteBytes("base.txt", GetParam().Bytes);
    TLevelStart LevelStart;
    ScanLevels(LevelStart);
    EXPECT_EQ(LevelStart, GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, LevelScan,
    testing::Values(ScanCase{"FifteenRecordsFifteenKeys", Base(Keys(1, 15)), OneRecordEach},
        ScanCase{"LfLineEnds", Base(Keys(1, 15), "\n"), OneRecordEach},
        ScanCase{"NoFinalLineEnd", Base(Keys(1, 15)).substr(0, Base(Keys(1, 15)).size() - 2), OneRecordEach},
        ScanCase{"CtrlZAfterLastRecord", Base(Keys(1, 15)) + "\x1a", OneRecordEach},
        ScanCase{"CtrlZThenMoreText", Base(Keys(1, 15)) + "\x1a\r\nmore\r\n", OneRecordEach},
        ScanCase{"KeyComingBackBeginsANewRun", Base(Join({{"A", "A", "B", "B", "A"}, Keys(4, 15)})),
            LevelStartOf({1, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18})},
        ScanCase{"CaseAndTrailingBlankMakeKeysDiffer", Base(Join({{"k", "K", "K ", "K "}, Keys(4, 15)})),
            LevelStartOf({1, 2, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17})},
        ScanCase{"EmptyKeysAtTheHeadAreNeverAsked", Base(Join({{"", "", "k1", ""}, Keys(3, 15)})),
            LevelStartOf({3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18})},
        ScanCase{"CtrlZInsideARecordIsAnOrdinaryByte", Base(Join({{"\x1a"}, Keys(2, 15)})), OneRecordEach},
        ScanCase{"RecordCutAfterItsFifthLineIsLevel15", Base(Keys(1, 14)) + "Q\r\nR\r\nA\r\nB\r\nC",
            OneRecordEach}),
    [](const auto& Info) { return Info.param.Name; });

struct BadBaseCase {
    std::string Name;
    std::string Bytes;
    std::string Message;
};

void PrintTo(const BadBaseCase& Row, std::ostream* Out)
{
    PrintRow(Out, Row.Name, Printed(Row.Bytes) + " -> " + Printed(Row.Message));
}

class LevelScanOfABadBase : public testing::TestWithParam<BadBaseCase> { };

TEST_P(LevelScanOfABadBase, SaysWhatIsWrongAndLeavesLevelStart)
{
    TempWorkDir Work;
    WriteBytes("base.txt", GetParam().Bytes);
    TLevelStart LevelStart = Untouched;
    try {
        ScanLevels(LevelStart);
        FAIL() << "the scan accepted the base";
    } catch (const Exception& Error) {
        EXPECT_EQ(AnsiToUtf8(Error.Message()), GetParam().Message);
    }
    EXPECT_EQ(LevelStart, Untouched);
}

const std::string Sixteen
    = "base.txt: уровней в файле 16, а должно быть 15 (уровень 16 начинается со строки 91)";

INSTANTIATE_TEST_SUITE_P(Cases, LevelScanOfABadBase,
    testing::Values(BadBaseCase{"EmptyFile", "", "base.txt: файл пуст, в нём нет ни одного вопроса"},
        BadBaseCase{"OnlyCtrlZ", "\x1a", "base.txt: файл пуст, в нём нет ни одного вопроса"},
        BadBaseCase{"FourteenRuns", Base(Keys(1, 14)), "base.txt: уровней в файле 14, а должно быть 15"},
        BadBaseCase{"OnlyEmptyKeys", Base({"", "", ""}), "base.txt: уровней в файле 0, а должно быть 15"},
        BadBaseCase{"SixteenRuns", Base(Keys(1, 16)), Sixteen},
        BadBaseCase{"EmptyLineAfterTheLastRecord", Base(Keys(1, 15)) + "\r\n", Sixteen},
        BadBaseCase{"FortyRuns", Base(Keys(1, 40)),
            "base.txt: уровней в файле 40, а должно быть 15 (уровень 16 начинается со строки 91)"}),
    [](const auto& Info) { return Info.param.Name; });

TEST(RecordNumberTest, LinesAreCountedPastThe32BitRangeAndRecordsUpToIt)
{
    EXPECT_EQ(FirstLineOf(1), 1);
    EXPECT_EQ(FirstLineOf(16), 91);
    EXPECT_EQ(FirstLineOf(357913942), 2147483647);
    EXPECT_EQ(FirstLineOf(357913943), 2147483653);
    EXPECT_EQ(FirstLineOf(2147483647), 12884901877);
    EXPECT_EQ(NextRecord(2147483646), 2147483647);
    try {
        NextRecord(2147483647);
        FAIL() << "a record past the largest number was counted";
    } catch (const Exception& Error) {
        EXPECT_EQ(AnsiToUtf8(Error.Message()), "base.txt: вопросов в файле больше, чем 2147483646");
    }
}

TEST(LevelScanTest, MissingFileFailsWithFileNotFound)
{
    TempWorkDir Work;
    TLevelStart LevelStart = Untouched;
    try {
        ScanLevels(LevelStart);
        FAIL() << "no error";
    } catch (const EInOutError& Error) {
        EXPECT_EQ(Error.Message(), "File not found");
    }
    EXPECT_EQ(LevelStart, Untouched);
}

std::vector<double> PickingEach(int First, int Last, int Records)
{
    std::vector<double> Values;
    for (int Record = First; Record <= Last; ++Record)
        Values.push_back(Picking(Record, Records));
    return Values;
}

TQuestionRecord RowOf(int Record, const std::string& Key)
{
    const std::string N = std::to_string(Record);
    TQuestionRecord Row;
    Row[1] = "Q" + N;
    Row[2] = "R" + N;
    Row[3] = "A" + N;
    Row[4] = "B" + N;
    Row[5] = "C" + N;
    Row[6] = Key;
    return Row;
}

class DrawTest : public testing::Test {
protected:
    void TearDown() override { EndRandomScript(); }

    TempWorkDir Work;
    TLevelStart LevelStart;
    int DrawRange = 0;
    TQuestions Questions;
};

TEST_F(DrawTest, LevelOfOneRecordAlwaysGetsItUpToTheLastRecord)
{
    WriteBytes("base.txt", Base(Keys(1, 15)));
    ScanLevels(LevelStart);
    ScriptRandom(PickingEach(1, 15, 15));
    DrawQuestions(LevelStart, DrawRange, Questions);
    EXPECT_EQ(DrawRange, 15);
    for (int Level = 1; Level <= 15; ++Level)
        EXPECT_EQ(Questions[Level], RowOf(Level, "k" + std::to_string(Level))) << "level " << Level;
    EXPECT_EQ(ScriptedRandomLeft(), 0u);
}

TEST_F(DrawTest, EachTryTakesOneValueUntilThePickLiesInTheLevel)
{
    // Level 1 holds records 1-2, level 2 records 3-16, levels 3 to 15 one record each (17-29).
    WriteBytes("base.txt", Base(Join({{"k1", "k1"}, std::vector<std::string>(14, "k2"), Keys(3, 15)})));
    ScanLevels(LevelStart);
    ScriptRandom(Join({{Picking(20, 29), Picking(29, 29), Picking(2, 29), Picking(1, 29), Picking(10, 29)},
        PickingEach(17, 29, 29)}));
    DrawQuestions(LevelStart, DrawRange, Questions);
    EXPECT_EQ(DrawRange, 29);
    EXPECT_EQ(ScriptedRandomLeft(), 0u);
    EXPECT_EQ(Questions[1], RowOf(2, "k1"));
    EXPECT_EQ(Questions[2], RowOf(10, "k2"));
    for (int Level = 3; Level <= 15; ++Level)
        EXPECT_EQ(Questions[Level], RowOf(Level + 14, "k" + std::to_string(Level))) << "level " << Level;
}

TEST_F(DrawTest, PickBeyondTheEndOfAShortenedFileGivesEmptyRows)
{
    WriteBytes("base.txt", Base(Keys(1, 15)));
    ScanLevels(LevelStart);
    WriteBytes("base.txt", Base(Keys(1, 10)) + "Q11\r\nR11");
    ScriptRandom(PickingEach(1, 15, 15));
    DrawQuestions(LevelStart, DrawRange, Questions);
    EXPECT_EQ(LevelStart, OneRecordEach);
    EXPECT_EQ(Questions[10], RowOf(10, "k10"));
    TQuestionRecord Cut;
    Cut[1] = "Q11";
    Cut[2] = "R11";
    EXPECT_EQ(Questions[11], Cut);
    for (int Level = 12; Level <= 15; ++Level)
        EXPECT_EQ(Questions[Level], TQuestionRecord{}) << "level " << Level;
}

TEST_F(DrawTest, MissingFileKeepsThePreviousDraw)
{
    WriteBytes("base.txt", Base(Keys(1, 15)));
    ScanLevels(LevelStart);
    DrawQuestions(LevelStart, DrawRange, Questions);
    const TQuestions Previous = Questions;
    std::filesystem::remove("base.txt");
    EXPECT_THROW(DrawQuestions(LevelStart, DrawRange, Questions), EInOutError);
    EXPECT_EQ(Questions, Previous);
}

TEST_F(DrawTest, DrawThatFailsPartWayKeepsThePreviousDrawWhole)
{
    WriteBytes("base.txt", Base(Join({std::vector<std::string>(2, "k1"), Keys(2, 15)})));
    ScanLevels(LevelStart);
    ScriptRandom(Join({PickingEach(1, 1, 16), PickingEach(3, 16, 16)}));
    DrawQuestions(LevelStart, DrawRange, Questions);
    const TQuestions Previous = Questions;
    // Level 1 takes its other record, then the draw fails before level 8 has a pick.
    ScriptRandom(PickingEach(2, 8, 16));
    EXPECT_THROW(DrawQuestions(LevelStart, DrawRange, Questions), std::logic_error);
    EXPECT_EQ(Questions, Previous);
}

TEST_F(DrawTest, DrawWithoutLevelsScansFirst)
{
    WriteBytes("base.txt", Base(Keys(1, 15)));
    ScriptRandom(PickingEach(1, 15, 15));
    DrawQuestions(LevelStart, DrawRange, Questions);
    EXPECT_EQ(LevelStart, OneRecordEach);
    EXPECT_EQ(Questions[15], RowOf(15, "k15"));
}

TEST_F(DrawTest, DrawWithoutLevelsFromABadBaseSaysWhyAndDrawsNothing)
{
    WriteBytes("base.txt", Base(Keys(1, 14)));
    ScriptRandom({0.5});
    try {
        DrawQuestions(LevelStart, DrawRange, Questions);
        FAIL() << "no error";
    } catch (const Exception& Error) {
        EXPECT_EQ(AnsiToUtf8(Error.Message()), "base.txt: уровней в файле 14, а должно быть 15");
    }
    EXPECT_EQ(LevelStart, TLevelStart{});
    EXPECT_EQ(Questions, TQuestions{});
    EXPECT_EQ(ScriptedRandomLeft(), 1u);
}

struct ShuffleCase {
    std::string Name;
    std::vector<double> Keys;
    std::vector<std::string> Order;
};

void PrintTo(const ShuffleCase& Row, std::ostream* Out)
{
    PrintRow(Out, Row.Name, Listed(Row.Keys) + " -> " + Listed(Row.Order));
}

class AnswerShuffle : public testing::TestWithParam<ShuffleCase> { };

TEST_P(AnswerShuffle, DealsTheAnswersByFallingKeyAndKeepsTheRightOneApart)
{
    ScriptRandom(GetParam().Keys);
    TQuestionRecord Record;
    Record[1] = "Q";
    Record[2] = "R";
    Record[3] = "W1";
    Record[4] = "W2";
    Record[5] = "W3";
    Record[6] = "key";
    TAnswers Answers;
    std::string RightAnswer;
    DealAnswers(Record, Answers, RightAnswer);
    EXPECT_EQ(RightAnswer, "R");
    EXPECT_EQ(ScriptedRandomLeft(), 0u);
    EndRandomScript();
    for (int Position = 1; Position <= 4; ++Position)
        EXPECT_EQ(Answers[Position], GetParam().Order[static_cast<std::size_t>(Position - 1)])
            << "position " << Position;
}

INSTANTIATE_TEST_SUITE_P(Cases, AnswerShuffle,
    testing::Values(ShuffleCase{"RightAnswerFirst", {0.9, 0.1, 0.5, 0.7}, {"R", "W3", "W2", "W1"}},
        ShuffleCase{"RightAnswerLast", {0.2, 0.8, 0.4, 0.6}, {"W1", "W3", "W2", "R"}},
        ShuffleCase{"EqualKeysExchangeNothing", {0.5, 0.5, 0.5, 0.5}, {"R", "W1", "W2", "W3"}},
        ShuffleCase{"OnlyStrictlySmallerKeysExchange", {0.5, 0.5, 0.2, 0.9}, {"W3", "W1", "R", "W2"}}),
    [](const auto& Info) { return Info.param.Name; });

} // namespace
