#include "TrainerFixture.h"

#include "Application.h"
#include "Label.h"
#include "MainBlock.h"
#include "MainFormParts.h"
#include "Random.h"
#include "Unit1.h"

#include <cstddef>

namespace {

constexpr int RecordsPerLevel = 2;
constexpr int Records = 15 * RecordsPerLevel;

std::string Name(int L, char Variant)
{
    return std::to_string(L) + Variant;
}

std::string Record(const std::vector<std::string>& Texts, int L)
{
    std::string Lines;
    for (const std::string& Text : Texts)
        Lines += Text + "\r\n";
    return Lines + "key " + std::to_string(L) + "\r\n";
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
    // Random(30) gives floor(v * 30): the middle of the step of record r + 1.
    std::vector<double> Values;
    for (int L = 1; L <= 15; ++L) {
        const int Record = (L - 1) * RecordsPerLevel + (Variant == 'a' ? 0 : 1);
        Values.push_back((Record + 0.5) / Records);
    }
    return Values;
}

std::vector<double> KeepOrder(int Questions)
{
    // Equal keys exchange nothing.
    return std::vector<double>(static_cast<std::size_t>(4 * Questions), 0.5);
}

std::vector<double> Join(std::initializer_list<std::vector<double>> Parts)
{
    std::vector<double> Values;
    for (const std::vector<double>& Part : Parts)
        Values.insert(Values.end(), Part.begin(), Part.end());
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
