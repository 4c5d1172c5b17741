#pragma once

#include <charconv>
#include <iterator>
#include <ostream>
#include <string>
#include <string_view>

// How the rows of parameterised tests print in the test list and in failure messages: each row
// type's PrintTo calls PrintRow with the row's name and its main data, put together from Printed
// and Listed values. Strings print quoted with every byte outside printable ASCII as \xNN, so
// Windows-1251 and UTF-8 text show as the bytes they are and a listed row stays on one line.

// The bytes in double quotes, escaped.
inline std::string Printed(std::string_view Bytes)
{
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string Text = "\"";
    for (const char Byte : Bytes) {
        const auto Code = static_cast<unsigned char>(Byte);
        if (Byte == '"' || Byte == '\\')
            Text += {'\\', Byte};
        else if (Code >= 0x20 && Code < 0x7F)
            Text += Byte;
        else
            Text += {'\\', 'x', Hex[Code >> 4], Hex[Code & 0xF]};
    }
    return Text + '"';
}

inline std::string Printed(int Value)
{
    return std::to_string(Value);
}

// The shortest text that reads back as the same value: 0.7499999 stays apart from 0.75.
inline std::string Printed(double Value)
{
    char Text[32];
    return std::string(std::begin(Text), std::to_chars(std::begin(Text), std::end(Text), Value).ptr);
}

// The elements in braces, each printed as above.
template <class Range> std::string Listed(const Range& Elements)
{
    std::string Text;
    for (const auto& Element : Elements)
        Text += (Text.empty() ? "" : ", ") + Printed(Element);
    return "{" + Text + "}";
}

// The row's name, then its data after a colon where it has any.
inline void PrintRow(std::ostream* Out, std::string_view Name, const std::string& Data = {})
{
    *Out << Name;
    if (!Data.empty())
        *Out << ": " << Data;
}
