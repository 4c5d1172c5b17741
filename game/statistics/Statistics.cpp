#include "Statistics.h"

#include "CountUp.h"
#include "TextFile.h"

namespace {

const std::string StatFileName = "stat.txt";

} // namespace

void LoadStatistics(TStats& Stats)
{
    TextFile F;
    F.AssignFile(StatFileName);
    if (!Stats[1].empty())
        return;
    F.Reset();
    for (int K = 1; K <= StatLines; ++K)
        Stats[K] = F.ReadLn();
    F.Close();
}

void CountGame(TStats& Stats, int Line)
{
    Stats[Line] = CountUp(Stats[Line]);
    TextFile F;
    F.AssignFile(StatFileName);
    F.Rewrite();
    for (int I = 1; I <= StatLines; ++I)
        F.WriteLn(Stats[I]);
    F.Close();
}
