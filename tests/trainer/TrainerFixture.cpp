#include "TrainerFixture.h"

#include "Application.h"
#include "Label.h"
#include "MainBlock.h"
#include "Random.h"
#include "Unit1.h"

#include <array>

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

TLabel* TrainerTest::Rung(int L)
{
    const std::array<TLabel*, 15> Rungs{Form1->Label15, Form1->Label16, Form1->Label17, Form1->Label18,
        Form1->Label19, Form1->Label20, Form1->Label21, Form1->Label22, Form1->Label23, Form1->Label24,
        Form1->Label25, Form1->Label26, Form1->Label27, Form1->Label28, Form1->Label1};
    return Rungs.at(static_cast<std::size_t>(L - 1));
}

TSpeedButton* TrainerTest::Button(int Index)
{
    const std::array<TSpeedButton*, 4> Buttons{
        Form1->SpeedButton1, Form1->SpeedButton2, Form1->SpeedButton3, Form1->SpeedButton4};
    return Buttons.at(static_cast<std::size_t>(Index - 1));
}

std::vector<TColor> TrainerTest::Ladder()
{
    std::vector<TColor> Colors;
    for (int L = 1; L <= 15; ++L)
        Colors.push_back(Rung(L)->FontColor());
    return Colors;
}

std::vector<TColor> TrainerTest::RedUpTo(int Top)
{
    std::vector<TColor> Colors;
    for (int L = 1; L <= 15; ++L)
        Colors.push_back(L <= Top ? clRed : clSkyBlue);
    return Colors;
}
