#include "GameFixture.h"

#include "Application.h"
#include "Label.h"
#include "MainBlock.h"
#include "MainFormParts.h"
#include "Random.h"
#include "SpeedButton.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit6.h"
#include "Unit7.h"

#include <cstddef>

namespace {

// "Вопрос", "Верно" and "Неверно" in Windows-1251.
const std::string Question = "\xC2\xEE\xEF\xF0\xEE\xF1";
const std::string Right = "\xC2\xE5\xF0\xED\xEE";
const std::string Wrong = "\xCD\xE5\xE2\xE5\xF0\xED\xEE";

std::string Numbered(const std::string& Word, int L, const std::string& Tag)
{
    return Word + " " + std::to_string(L) + Tag;
}

} // namespace

std::string QuestionText(int L, const std::string& Tag)
{
    return Numbered(Question, L, Tag) + "?";
}

std::string RightText(int L, const std::string& Tag)
{
    return Numbered(Right, L, Tag);
}

std::string WrongText(int L, int Which, const std::string& Tag)
{
    return Numbered(Wrong, L, Tag) + "." + std::to_string(Which);
}

TRecord FixtureRecord(int L, const std::string& Tag)
{
    return {QuestionText(L, Tag), RightText(L, Tag), WrongText(L, 1, Tag), WrongText(L, 2, Tag),
        WrongText(L, 3, Tag), "K" + std::to_string(L)};
}

std::string BaseOf(const std::vector<TRecord>& Records)
{
    std::string Bytes;
    for (const TRecord& R : Records)
        Bytes += Lines({R.Question, R.Right, R.Wrong1, R.Wrong2, R.Wrong3, R.Key});
    return Bytes;
}

std::string FifteenLevels(const std::string& Tag)
{
    std::vector<TRecord> Records;
    for (int L = 1; L <= 15; ++L)
        Records.push_back(FixtureRecord(L, Tag));
    return BaseOf(Records);
}

std::string Counts(const std::map<int, std::string>& Changes, int Total)
{
    std::vector<std::string> Texts(static_cast<std::size_t>(Total), "0");
    for (const auto& [Line, Text] : Changes)
        Texts.at(static_cast<std::size_t>(Line - 1)) = Text;
    return Lines(Texts);
}

std::vector<double> DrawOfFifteen()
{
    // The first try of level L picks record L.
    std::vector<double> Values;
    for (int L = 1; L <= 15; ++L)
        Values.push_back(Picking(L, 15));
    return Values;
}

GameTest::GameTest()
{
    WriteBytes("base.txt", FifteenLevels());
    WriteBytes("stat.txt", Counts());
}

void GameTest::TearDown()
{
    Application->DestroyForms();
    Form1 = nullptr;
    Form2 = nullptr;
    Form3 = nullptr;
    Form4 = nullptr;
    Form6 = nullptr;
    Form7 = nullptr;
    EndRandomScript();
}

void GameTest::Start(const std::vector<double>& Script)
{
    ScriptRandom(Script);
    CreateForms();
}

void GameTest::StartGame()
{
    Start(Join({DrawOfFifteen(), InBaseOrder()}));
}

void GameTest::ClimbTo(int L)
{
    while (Form1->Level < L) {
        ScriptRandom(InBaseOrder());
        Form1->SpeedButton1->Click();
    }
}

std::vector<int> GameTest::RedRungs()
{
    std::vector<int> Red;
    for (int L = 1; L <= LevelCount; ++L)
        if (RungOf(*Form1, L)->FontColor() == clRed)
            Red.push_back(L);
    return Red;
}

std::vector<int> GameTest::EnabledAnswerButtons()
{
    std::vector<int> Enabled;
    for (int I = 1; I <= AnswerCount; ++I)
        if (AnswerButtonOf(*Form1, I)->Enabled())
            Enabled.push_back(I);
    return Enabled;
}

std::vector<std::string> GameTest::ShownAnswers()
{
    return {Form1->Label9->Caption(), Form1->Label10->Caption(), Form1->Label11->Caption(),
        Form1->Label12->Caption()};
}
