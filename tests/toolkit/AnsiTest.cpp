#include "Ansi.h"
#include "RowPrinting.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct AnsiCase {
    std::string Name;
    std::string Ansi;
    std::string Utf8;
};

void PrintTo(const AnsiCase& Row, std::ostream* Out)
{
    PrintRow(Out, Row.Name, Printed(Row.Ansi) + " <-> " + Printed(Row.Utf8));
}

class AnsiText : public testing::TestWithParam<AnsiCase> { };

TEST_P(AnsiText, ConvertsBothWays)
{
    EXPECT_EQ(AnsiToUtf8(GetParam().Ansi), GetParam().Utf8);
    EXPECT_EQ(Utf8ToAnsi(GetParam().Utf8), GetParam().Ansi);
}

INSTANTIATE_TEST_SUITE_P(Cases, AnsiText,
    testing::Values(AnsiCase{"Ascii", "Kvizora 50/50 &", "Kvizora 50/50 &"},
        AnsiCase{"Russian", "\xcd\xee\xe2\xe0\xff \xe8\xe3\xf0\xe0", "Новая игра"},
        AnsiCase{"Yo", "\xa8\xb8", "Ёё"}, AnsiCase{"UkrainianAndSerbian", "\xb2\xaf\xa5\x80\x9a", "ІЇҐЂљ"},
        AnsiCase{"Punctuation", "\xab\x97\xbb\x85\xb9\x88\x99\xa0", "«—»…№€™\u00a0"},
        AnsiCase{"ControlBytes", std::string("\0\x1a\r\n", 4), std::string("\0\x1a\r\n", 4)}),
    [](const auto& Info) { return Info.param.Name; });

TEST(AnsiTest, EveryAssignedByteSurvivesTheRoundTrip)
{
    for (int Byte = 0; Byte < 256; ++Byte) {
        if (Byte == 0x98)
            continue;
        const std::string Ansi(1, static_cast<char>(Byte));
        EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8(Ansi)), Ansi) << "byte " << Byte;
    }
}

TEST(AnsiTest, UnassignedByteReadsAsReplacementCharacter)
{
    EXPECT_EQ(AnsiToUtf8("\x98"), "\uFFFD");
}

TEST(AnsiTest, CharactersWithoutAByteBecomeQuestionMarks)
{
    EXPECT_EQ(Utf8ToAnsi("a日b"), "a?b");
    EXPECT_EQ(Utf8ToAnsi("😀"), "?");
    EXPECT_EQ(Utf8ToAnsi("\uFFFD"), "?");
    // Malformed sequences: a lone continuation byte, a cut sequence, an overlong form.
    EXPECT_EQ(Utf8ToAnsi("\x80z"), "?z");
    EXPECT_EQ(Utf8ToAnsi("\xd0"), "?");
    EXPECT_EQ(Utf8ToAnsi("\xc0\xaf"), "??");
}

} // namespace
