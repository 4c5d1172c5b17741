#pragma once

#include <string>

// The programs' texts are Windows-1251 bytes; the screen and the sources speak UTF-8.
std::string AnsiToUtf8(const std::string& Ansi);
// Characters without a Windows-1251 byte become "?".
std::string Utf8ToAnsi(const std::string& Utf8);
