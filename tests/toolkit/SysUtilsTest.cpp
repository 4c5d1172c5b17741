#include "SysUtils.h"
#include "RowPrinting.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

struct ConvertCase {
    std::string Name;
    std::string Text;
    int Value = 0;
};

void PrintTo(const ConvertCase& Row, std::ostream* Out)
{
    PrintRow(Out, Row.Name, Printed(Row.Text) + " -> " + Printed(Row.Value));
}

class StrToIntAccepts : public testing::TestWithParam<ConvertCase> { };

TEST_P(StrToIntAccepts, ReadsTheValue)
{
    EXPECT_EQ(StrToInt(GetParam().Text), GetParam().Value);
}

INSTANTIATE_TEST_SUITE_P(Cases, StrToIntAccepts,
    testing::Values(ConvertCase{"Zero", "0", 0}, ConvertCase{"Decimal", "123", 123},
        ConvertCase{"Negative", "-17", -17}, ConvertCase{"PlusSign", "+5", 5},
        ConvertCase{"LeadingBlanks", "   42", 42}, ConvertCase{"BlanksBeforeSign", "  -8", -8},
        ConvertCase{"LeadingZeros", "007", 7}, ConvertCase{"Maximum", "2147483647", INT_MAX},
        ConvertCase{"Minimum", "-2147483648", INT_MIN}, ConvertCase{"DollarHex", "$FF", 255},
        ConvertCase{"LowerCaseHex", "$ff", 255}, ConvertCase{"XHex", "x1A", 26},
        ConvertCase{"UpperXHex", "X1a", 26}, ConvertCase{"ZeroXHex", "0x10", 16},
        ConvertCase{"ZeroUpperXHex", "0X10", 16}, ConvertCase{"NegativeHex", "-$10", -16},
        ConvertCase{"HexMaximum", "$7FFFFFFF", INT_MAX}, ConvertCase{"HexMinimum", "-0x80000000", INT_MIN}),
    [](const auto& Info) { return Info.param.Name; });

struct RejectCase {
    std::string Name;
    std::string Text;
};

void PrintTo(const RejectCase& Row, std::ostream* Out)
{
    PrintRow(Out, Row.Name, Printed(Row.Text));
}

class StrToIntRejects : public testing::TestWithParam<RejectCase> { };

TEST_P(StrToIntRejects, ThrowsTheConversionError)
{
    try {
        StrToInt(GetParam().Text);
        FAIL() << "accepted";
    } catch (const EConvertError& Error) {
        EXPECT_EQ(Error.Message(), "'" + GetParam().Text + "' is not a valid integer value");
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, StrToIntRejects,
    testing::Values(RejectCase{"Empty", ""}, RejectCase{"OnlyBlanks", "   "}, RejectCase{"OnlySign", "-"},
        RejectCase{"TrailingBlank", "12 "}, RejectCase{"TrailingLetter", "1a"}, RejectCase{"Fraction", "1.0"},
        RejectCase{"LeadingTab", "\t5"}, RejectCase{"BlankAfterSign", "- 5"}, RejectCase{"TwoSigns", "+-1"},
        RejectCase{"AboveMaximum", "2147483648"}, RejectCase{"BelowMinimum", "-2147483649"},
        RejectCase{"FarAboveMaximum", "99999999999999999999999"}, RejectCase{"DollarOnly", "$"},
        RejectCase{"ZeroXOnly", "0x"}, RejectCase{"HexAboveMaximum", "0x80000000"},
        RejectCase{"HexDigitInDecimal", "1F"}, RejectCase{"WindowsText", "\xcd\xee\xeb\xfc"},
        RejectCase{"EmbeddedNulKeptInTheMessage",
            std::string("0x\0"
                        "1",
                4)}),
    [](const auto& Info) { return Info.param.Name; });

TEST(IntToStrTest, WritesPlainDecimal)
{
    EXPECT_EQ(IntToStr(0), "0");
    EXPECT_EQ(IntToStr(42), "42");
    EXPECT_EQ(IntToStr(-7), "-7");
    EXPECT_EQ(IntToStr(INT_MAX), "2147483647");
    EXPECT_EQ(IntToStr(INT_MIN), "-2147483648");
}

} // namespace
