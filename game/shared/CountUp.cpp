#include "CountUp.h"

#include "SysUtils.h"

#include <limits>

std::string CountUp(const std::string& Count)
{
    const int Value = StrToInt(Count);
    return IntToStr(Value < std::numeric_limits<int>::max() ? Value + 1 : Value);
}
