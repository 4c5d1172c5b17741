#pragma once

#include <stdexcept>
#include <string>

// The runtime's exception: a message in Windows-1251 bytes, like every text of the programs.
class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& Message)
        : std::runtime_error(Message)
        , Text(Message)
    { }
    // The whole message, also past a NUL byte, where what() ends.
    std::string Message() const { return Text; }

private:
    std::string Text;
};

// A text that is not an integer: "'%s' is not a valid integer value".
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// A failed file operation, with the runtime's error code and its message: 2 "File not found",
// 3 "Invalid filename", 4 "Too many open files", 5 "File access denied", else "I/O error %d".
class EInOutError : public Exception {
public:
    explicit EInOutError(int ErrorCode);
    int ErrorCode() const { return Code; }

private:
    int Code = 0;
};

// Leading blanks, an optional sign, then decimal digits, or "$", "x" or "0x" and hexadecimal
// digits in either case; nothing after them; within the signed 32-bit range.
int StrToInt(const std::string& Text);
std::string IntToStr(int Value);
