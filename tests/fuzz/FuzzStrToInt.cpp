// Any text either converts to the integer it spells or fails with the conversion error.
#include "SysUtils.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    const std::string Text(reinterpret_cast<const char*>(Data), Size);
    try {
        const int Value = StrToInt(Text);
        // Whatever was accepted, its own decimal form reads back to the same value.
        if (StrToInt(IntToStr(Value)) != Value)
            std::abort();
    } catch (const EConvertError& E) {
        if (E.Message() != "'" + Text + "' is not a valid integer value")
            std::abort();
    }
    return 0;
}
