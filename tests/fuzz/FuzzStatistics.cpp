// The statistics load and count update on arbitrary bytes: a count update either writes 16
// lines, each ending in CR LF, or fails and leaves the file exactly as it was.
#include "Statistics.h"
#include "SysUtils.h"
#include "WorkDir.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string ReadStatFile()
{
    std::ifstream In("stat.txt", std::ios::binary);
    return {std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
}

} // namespace

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
    const int Line = Data[0] % 16 + 1;
    const std::string Before(reinterpret_cast<const char*>(Data) + 1, Size - 1);
    {
        std::ofstream Out("stat.txt", std::ios::binary | std::ios::trunc);
        Out << Before;
    }
    TStats Stats;
    try {
        LoadStatistics(Stats);
        CountGame(Stats, Line);
    } catch (const Exception&) {
        if (ReadStatFile() != Before)
            std::abort();
        return 0;
    }
    const std::string After = ReadStatFile();
    std::size_t Lines = 0;
    for (std::size_t At = 0; (At = After.find("\r\n", At)) != std::string::npos; At += 2)
        ++Lines;
    if (Lines != 16 || After.size() < 2 || After.compare(After.size() - 2, 2, "\r\n") != 0)
        std::abort();
    return 0;
}
