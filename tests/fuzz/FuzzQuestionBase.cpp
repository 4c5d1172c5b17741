// The level scan and the draw on arbitrary bytes: they end, raise only the runtime's errors,
// and a draw from a base that shrank after the scan still ends.
#include "QuestionBase.h"
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
    // The first byte says how much of the base is left when the draw reads it again.
    const std::size_t Kept = Size == 0 ? 0 : Size * Data[0] / 255;
    const std::string Bytes(reinterpret_cast<const char*>(Data), Size);
    WriteBytes("base.txt", Bytes);
    TLevelStart LevelStart;
    int DrawRange = 0;
    TQuestions Questions;
    try {
        ScanLevels(LevelStart);
    } catch (const Exception&) {
        return 0;
    }
    for (int Level = 1; Level <= LevelCount; ++Level)
        if (LevelStart[Level] >= LevelStart[Level + 1])
            std::abort();
    WriteBytes("base.txt", Bytes.substr(0, Kept));
    try {
        DrawQuestions(LevelStart, DrawRange, Questions);
    } catch (const Exception&) { }
    return 0;
}
