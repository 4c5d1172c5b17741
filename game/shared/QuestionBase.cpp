#include "QuestionBase.h"

#include "Ansi.h"
#include "Random.h"
#include "SysUtils.h"
#include "TextFile.h"

#include <limits>
#include <utility>

namespace {

const std::string BaseName = "base.txt";

void OpenBase(TextFile& Base)
{
    Base.AssignFile(BaseName);
    Base.Reset();
}

// The base does not hold 15 levels: say what it holds and, when there are too many, where the
// first level too many begins.
Exception WrongLevelCount(int Records, int Runs, int FirstExtraRecord)
{
    if (Records == 0)
        return Exception(Utf8ToAnsi(BaseName + ": файл пуст, в нём нет ни одного вопроса"));
    std::string Message
        = BaseName + ": уровней в файле " + IntToStr(Runs) + ", а должно быть " + IntToStr(LevelCount);
    if (Runs > LevelCount)
        Message += " (уровень " + IntToStr(LevelCount + 1) + " начинается со строки "
            + std::to_string(FirstLineOf(FirstExtraRecord)) + ")";
    return Exception(Utf8ToAnsi(Message));
}

void ShuffleAnswers(TAnswers& Answers)
{
    TArray<double, 1, AnswerCount> Keys;
    for (int Position = 1; Position <= AnswerCount; ++Position)
        Keys[Position] = Random();
    for (int I = 1; I < AnswerCount; ++I)
        for (int J = I + 1; J <= AnswerCount; ++J)
            if (Keys[I] < Keys[J]) {
                std::swap(Keys[I], Keys[J]);
                std::swap(Answers[I], Answers[J]);
            }
}

} // namespace

std::int64_t FirstLineOf(int Record)
{
    return (std::int64_t{Record} - 1) * RecordLines + 1;
}

int NextRecord(int Record)
{
    constexpr int Largest = std::numeric_limits<int>::max();
    if (Record == Largest)
        throw Exception(Utf8ToAnsi(BaseName + ": вопросов в файле больше, чем " + IntToStr(Largest - 1)));
    return Record + 1;
}

void ScanLevels(TLevelStart& LevelStart)
{
    TextFile Base;
    OpenBase(Base);
    TLevelStart Found;
    int Record = 1;
    int Runs = 0;
    int FirstExtraRecord = 0;
    std::string Key;
    std::string PreviousKey;
    while (!Base.Eof()) {
        Base.SkipLn(RecordLines - 1);
        Base.ReadLn(Key);
        if (Key != PreviousKey) {
            ++Runs;
            if (Runs <= LevelCount)
                Found[Runs] = Record;
            else if (Runs == LevelCount + 1)
                FirstExtraRecord = Record;
            PreviousKey = Key;
        }
        Record = NextRecord(Record);
    }
    Base.Close();
    if (Runs != LevelCount)
        throw WrongLevelCount(Record - 1, Runs, FirstExtraRecord);
    Found[LevelCount + 1] = Record;
    LevelStart = Found;
}

void DrawQuestions(TLevelStart& LevelStart, int& DrawRange, TQuestions& Questions)
{
    if (LevelStart[LevelCount + 1] == 0)
        ScanLevels(LevelStart);
    DrawRange = LevelStart[LevelCount + 1] - 1;
    TextFile Base;
    OpenBase(Base);
    TQuestions Drawn;
    int Next = 1;
    for (int Level = 1; Level <= LevelCount; ++Level) {
        int Pick = 0;
        do
            Pick = Random(DrawRange) + 1;
        while (Pick < LevelStart[Level] || Pick >= LevelStart[Level + 1]);
        for (; Next < Pick; ++Next)
            Base.SkipLn(RecordLines);
        for (int Column = 1; Column <= RecordLines; ++Column)
            Base.ReadLn(Drawn[Level][Column]);
        Next = Pick + 1;
    }
    Base.Close();
    Questions = std::move(Drawn);
}

void DealAnswers(const TQuestionRecord& Record, TAnswers& Answers, std::string& RightAnswer)
{
    Answers[1] = Record[2];
    RightAnswer = Record[2];
    Answers[2] = Record[3];
    Answers[3] = Record[4];
    Answers[4] = Record[5];
    ShuffleAnswers(Answers);
}
