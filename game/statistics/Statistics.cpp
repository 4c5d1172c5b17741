#include "Statistics.h"

#include "SysUtils.h"
#include "TextFile.h"

#include <limits>

void LoadStatistics(TStats& Stats)
{
    TextFile F;
    F.AssignFile("stat.txt");
    if (!Stats[1].empty())
        return;
    F.Reset();
    for (int K = 1; K <= 16; ++K)
        Stats[K] = F.ReadLn();
    F.Close();
}

void CountGame(TStats& Stats, int Line)
{
    const int Count = StrToInt(Stats[Line]);
    // At the top of the range the count stays put rather than wrapping to a negative number.
    Stats[Line] = IntToStr(Count < std::numeric_limits<int>::max() ? Count + 1 : Count);
    TextFile F;
    F.AssignFile("stat.txt");
    F.Rewrite();
    for (int I = 1; I <= 16; ++I)
        F.WriteLn(Stats[I]);
    F.Close();
}
