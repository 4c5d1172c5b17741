#pragma once

#include "Array.h"

#include <string>

// The lines of "stat.txt" as text: games lost at questions 1 to 15, then games won. A line is
// parsed only when its own count goes up; every other line is written back as it was read.
using TStats = TArray<std::string, 1, 16>;

// Reads the first 16 lines of "stat.txt" into Stats, unless Stats[1] holds a line already: once
// loaded, Stats is the master copy and the file is not read again. Missing lines read as empty
// text. Throws EInOutError when the file cannot be read.
void LoadStatistics(TStats& Stats);

// Adds one to the count of line Line (a count of 2147483647 stays there) and writes all 16 lines
// back to "stat.txt" (see ReplaceContent). Throws EConvertError when that line is not a number,
// and EInOutError when the file cannot be written.
void CountGame(TStats& Stats, int Line);
