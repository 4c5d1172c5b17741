#pragma once

#include <string>

// The number that Count spells (in StrToInt's syntax) plus one, in decimal. A count at the largest
// integer stays there rather than wrapping to a negative number. Throws EConvertError when Count is
// not a number.
std::string CountUp(const std::string& Count);
