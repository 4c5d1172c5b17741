#include "TrainerFixture.h"

#include "Application.h"
#include "Label.h"
#include "MainBlock.h"
#include "MainFormParts.h"
#include "Random.h"
#include "Unit1.h"

namespace {

constexpr int RecordsPerLevel = 2;
constexpr int Records = 15 * RecordsPerLevel;

std::string Name(int L, char Variant)
{
    return std::to_string(L) + Variant;
}

std::string Record(std::vector<std::string> Texts, int L)
{
    Texts.push_back("key " + std::to_string(L));
    return Lines(Texts);
}

} // namespace

std::string QuestionText(int L, char Variant)
{
    return "\xC2\xEE\xEF\xF0\xEE\xF1 " + Name(L, Variant); // "Вопрос 1a"
}

std::string RightText(int L, char Variant)
{
    return "right " + Name(L, Variant);
}

std::string SampleBase(const std::vector<std::string>& Level1)
{
    std::string Base;
    for (int L = 1; L <= 15; ++L)
        for (const char Variant : {'a', 'b'}) {
            const std::string Id = Name(L, Variant);
            if (L == 1 && !Level1.empty())
                Base += Record(Level1, L);
            else
                Base += Record({QuestionText(L, Variant), RightText(L, Variant), "wrong " + Id + " 1",
                                   "wrong " + Id + " 2", "wrong " + Id + " 3"},
                    L);
        }
    return Base;
}

std::vector<double> DrawOf(char Variant)
{
    // Level L holds records 2L - 1 (variant 'a') and 2L (variant 'b').
    std::vector<double> Values;
    for (int L = 1; L <= 15; ++L)
        Values.push_back(Picking((L - 1) * RecordsPerLevel + (Variant == 'a' ? 1 : 2), Records));
    return Values;
}

void TrainerTest::SetUp()
{
    WriteBytes("base.txt", SampleBase());
}

void TrainerTest::TearDown()
{
    Application->DestroyForms();
    Form1 = nullptr;
    EndRandomScript();
}

void TrainerTest::Start(const std::vector<double>& Script)
{
    ScriptRandom(Script);
    CreateForms();
}

std::vector<TColor> TrainerTest::Ladder()
{
    std::vector<TColor> Colors;
    for (int L = 1; L <= LevelCount; ++L)
        Colors.push_back(RungOf(*Form1, L)->FontColor());
    return Colors;
}

std::vector<TColor> TrainerTest::RedUpTo(int Top)
{
    std::vector<TColor> Colors;
    for (int L = 1; L <= LevelCount; ++L)
        Colors.push_back(L <= Top ? clRed : clSkyBlue);
    return Colors;
}
