#pragma once

#include "Array.h"
#include "Levels.h"

#include <string>

// The lines of "stat.txt": the count of games lost at each level, then the count of games won on
// line LevelAfterLast, where Level stands after a win.
inline constexpr int StatLines = LevelAfterLast;

// The lines of "stat.txt" as text. A line is parsed only when its own count goes up; every other
// line is written back as it was read.
using TStats = TArray<std::string, 1, StatLines>;

// Reads the first StatLines lines of "stat.txt" into Stats, unless Stats[1] holds a line already:
// once loaded, Stats is the master copy and the file is not read again. Missing lines read as
// empty text. Throws EInOutError when the file cannot be read.
void LoadStatistics(TStats& Stats);

// Adds one to the count of line Line (see CountUp: a count at the largest integer stays there) and
// writes all StatLines lines back to "stat.txt" (see ReplaceContent). Throws EConvertError when
// that line is not a number, and EInOutError when the file cannot be written.
void CountGame(TStats& Stats, int Line);
