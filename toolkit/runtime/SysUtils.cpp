#include "SysUtils.h"

#include <cstdint>

namespace {

std::string IoErrorMessage(int ErrorCode)
{
    switch (ErrorCode) {
    case 2:
        return "File not found";
    case 3:
        return "Invalid filename";
    case 4:
        return "Too many open files";
    case 5:
        return "File access denied";
    default:
        return "I/O error " + IntToStr(ErrorCode);
    }
}

int HexDigit(char C)
{
    if (C >= '0' && C <= '9')
        return C - '0';
    if (C >= 'a' && C <= 'f')
        return C - 'a' + 10;
    if (C >= 'A' && C <= 'F')
        return C - 'A' + 10;
    return -1;
}

bool IsX(char C)
{
    return C == 'x' || C == 'X';
}

} // namespace

EInOutError::EInOutError(int ErrorCode)
    : Exception(IoErrorMessage(ErrorCode))
    , Code(ErrorCode)
{ }

int StrToInt(const std::string& Text)
{
    const auto Invalid = [&Text] { return EConvertError("'" + Text + "' is not a valid integer value"); };
    std::size_t Index = Text.find_first_not_of(' ');
    if (Index == std::string::npos)
        throw Invalid();
    const bool Negative = Text[Index] == '-';
    if (Negative || Text[Index] == '+')
        ++Index;
    int Base = 10;
    if (Index < Text.size() && (Text[Index] == '$' || IsX(Text[Index]))) {
        Base = 16;
        ++Index;
    } else if (Index + 1 < Text.size() && Text[Index] == '0' && IsX(Text[Index + 1])) {
        Base = 16;
        Index += 2;
    }
    if (Index == Text.size())
        throw Invalid();
    // The magnitude may reach 2^31 for the most negative value.
    const std::int64_t Limit = Negative ? std::int64_t{1} << 31 : (std::int64_t{1} << 31) - 1;
    std::int64_t Magnitude = 0;
    for (; Index < Text.size(); ++Index) {
        const int Digit = HexDigit(Text[Index]);
        if (Digit < 0 || Digit >= Base)
            throw Invalid();
        Magnitude = Magnitude * Base + Digit;
        if (Magnitude > Limit)
            throw Invalid();
    }
    return static_cast<int>(Negative ? -Magnitude : Magnitude);
}

std::string IntToStr(int Value)
{
    return std::to_string(Value);
}
