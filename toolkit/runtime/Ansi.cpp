#include "Ansi.h"

#include <array>
#include <cstddef>

namespace {

// The characters of the bytes 0x80 to 0xFF; 0x98 has none and reads as U+FFFD, the replacement
// character.
constexpr std::array<char32_t, 128> Upper{
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F, // 0x88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
    0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, // 0x98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, // 0xA0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, // 0xA8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, // 0xB0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, // 0xB8
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, // 0xC0
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, // 0xC8
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, // 0xD0
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F, // 0xD8
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, // 0xE0
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F, // 0xE8
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447, // 0xF0
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F, // 0xF8
};

constexpr char32_t Replacement = 0xFFFD;

void AppendUtf8(std::string& Text, char32_t Code)
{
    if (Code < 0x80) {
        Text += static_cast<char>(Code);
    } else if (Code < 0x800) {
        Text += static_cast<char>(0xC0 | (Code >> 6));
        Text += static_cast<char>(0x80 | (Code & 0x3F));
    } else {
        Text += static_cast<char>(0xE0 | (Code >> 12));
        Text += static_cast<char>(0x80 | ((Code >> 6) & 0x3F));
        Text += static_cast<char>(0x80 | (Code & 0x3F));
    }
}

// Decodes the character at Index and moves past it; a malformed sequence gives Replacement
// and moves past one byte.
char32_t NextCode(const std::string& Utf8, std::size_t& Index)
{
    const auto Lead = static_cast<unsigned char>(Utf8[Index++]);
    if (Lead < 0x80)
        return Lead;
    const int Length = Lead >= 0xF0 ? 4 : Lead >= 0xE0 ? 3 : Lead >= 0xC0 ? 2 : 0;
    if (Length == 0 || Lead > 0xF4 || Index + static_cast<std::size_t>(Length - 1) > Utf8.size())
        return Replacement;
    char32_t Code = Lead & (0x7F >> Length);
    for (int Continuation = 1; Continuation < Length; ++Continuation) {
        const auto Byte
            = static_cast<unsigned char>(Utf8[Index + static_cast<std::size_t>(Continuation - 1)]);
        if ((Byte & 0xC0) != 0x80)
            return Replacement;
        Code = (Code << 6) | (Byte & 0x3F);
    }
    constexpr std::array<char32_t, 5> Least{0, 0, 0x80, 0x800, 0x10000};
    if (Code < Least[static_cast<std::size_t>(Length)] || Code > 0x10FFFF
        || (Code >= 0xD800 && Code <= 0xDFFF))
        return Replacement;
    Index += static_cast<std::size_t>(Length - 1);
    return Code;
}

char AnsiOf(char32_t Code)
{
    if (Code < 0x80)
        return static_cast<char>(Code);
    for (std::size_t Byte = 0; Byte < Upper.size(); ++Byte)
        if (Upper[Byte] == Code && Code != Replacement)
            return static_cast<char>(0x80 + Byte);
    return '?';
}

} // namespace

std::string AnsiToUtf8(const std::string& Ansi)
{
    std::string Utf8;
    Utf8.reserve(Ansi.size() * 2);
    for (const char Byte : Ansi) {
        const auto Value = static_cast<unsigned char>(Byte);
        AppendUtf8(Utf8, Value < 0x80 ? Value : Upper[Value - 0x80u]);
    }
    return Utf8;
}

std::string Utf8ToAnsi(const std::string& Utf8)
{
    std::string Ansi;
    Ansi.reserve(Utf8.size());
    for (std::size_t Index = 0; Index < Utf8.size();)
        Ansi += AnsiOf(NextCode(Utf8, Index));
    return Ansi;
}
