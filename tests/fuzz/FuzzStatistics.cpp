// The statistics load and count update on arbitrary bytes: a count update either writes all
// StatLines lines, each ending in CR LF, or fails and leaves the file exactly as it was.
#include "Statistics.h"
#include "SysUtils.h"
#include "WorkDir.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

// The files are written in a fresh folder, removed when the fuzzer exits.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    static TempWorkDir Work;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    // The first byte names the line to count, the rest is the file.
    if (Size == 0)
        return 0;
    const int Line = Data[0] % StatLines + 1;
    const std::string Before(reinterpret_cast<const char*>(Data) + 1, Size - 1);
    WriteBytes("stat.txt", Before);
    TStats Stats;
    try {
        LoadStatistics(Stats);
        CountGame(Stats, Line);
    } catch (const Exception&) {
        if (ReadBytes("stat.txt") != Before)
            std::abort();
        return 0;
    }
    const std::string After = ReadBytes("stat.txt");
    std::size_t LineEnds = 0;
    for (std::size_t At = 0; (At = After.find("\r\n", At)) != std::string::npos; At += 2)
        ++LineEnds;
    if (LineEnds != StatLines || After.size() < 2 || After.compare(After.size() - 2, 2, "\r\n") != 0)
        std::abort();
    return 0;
}
