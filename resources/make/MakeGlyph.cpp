// Writes the answer buttons' glyph: a 32 x 32 Windows bitmap, 24 bits a pixel, of a dark red
// arrow pointing right on white. The arrow's edges are blended towards white, and the border
// rows and the bottom-left pixel stay pure white, the colour that the buttons draw transparent.
//
// Usage: make_glyph <output.bmp>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <vector>

namespace {

constexpr int Size = 32;
constexpr int RowBytes = Size * 3; // 96: a multiple of four, so the rows need no padding
constexpr int HeaderBytes = 14 + 40;
constexpr int ImageBytes = RowBytes * Size;
constexpr int FileBytes = HeaderBytes + ImageBytes; // 3126

constexpr std::array<double, 3> ArrowRgb = {162, 2, 2};
constexpr int SubSamples = 4; // per pixel edge, for the coverage of the softened edges

// Whether a point (pixel units, y down) lies on the arrow: a shaft from x 4 to 17 between
// y 12.5 and 19.5, and a head whose base spans y 5 to 27 at x 16 and whose tip is at x 28.
bool OnArrow(double X, double Y)
{
    constexpr double CentreY = 16.0;
    if (X >= 4.0 && X <= 17.0 && std::abs(Y - CentreY) <= 3.5)
        return true;
    constexpr double HeadBase = 16.0;
    constexpr double HeadTip = 28.0;
    constexpr double HalfBase = 11.0;
    if (X < HeadBase || X > HeadTip)
        return false;
    return std::abs(Y - CentreY) <= HalfBase * (HeadTip - X) / (HeadTip - HeadBase);
}

// The share of pixel (Column, Row) that the arrow covers, 0 to 1.
double Coverage(int Column, int Row)
{
    int Inside = 0;
    for (int Sy = 0; Sy < SubSamples; ++Sy)
        for (int Sx = 0; Sx < SubSamples; ++Sx)
            if (OnArrow(Column + (Sx + 0.5) / SubSamples, Row + (Sy + 0.5) / SubSamples))
                ++Inside;
    return static_cast<double>(Inside) / (SubSamples * SubSamples);
}

void PutLittleEndian(std::vector<std::uint8_t>& Bytes, std::uint32_t Value, int Count)
{
    for (int I = 0; I < Count; ++I)
        Bytes.push_back(static_cast<std::uint8_t>(Value >> (8 * I)));
}

std::vector<std::uint8_t> Header()
{
    std::vector<std::uint8_t> Bytes = {'B', 'M'};
    PutLittleEndian(Bytes, FileBytes, 4);
    PutLittleEndian(Bytes, 0, 4);           // reserved
    PutLittleEndian(Bytes, HeaderBytes, 4); // offset of the pixels
    PutLittleEndian(Bytes, 40, 4);          // size of the info header
    PutLittleEndian(Bytes, Size, 4);        // width
    PutLittleEndian(Bytes, Size, 4);        // height, positive: rows bottom-up
    PutLittleEndian(Bytes, 1, 2);           // planes
    PutLittleEndian(Bytes, 24, 2);          // bits a pixel
    PutLittleEndian(Bytes, 0, 4);           // uncompressed
    PutLittleEndian(Bytes, ImageBytes, 4);
    PutLittleEndian(Bytes, 0, 4); // horizontal resolution: not given
    PutLittleEndian(Bytes, 0, 4); // vertical resolution: not given
    PutLittleEndian(Bytes, 0, 4); // colours used: none, no palette
    PutLittleEndian(Bytes, 0, 4); // important colours: all
    return Bytes;
}

std::uint8_t Blend(double Colour, double Share)
{
    return static_cast<std::uint8_t>(std::lround(255.0 + (Colour - 255.0) * Share));
}

} // namespace

int main(int Argc, char** Argv)
{
    if (Argc != 2) {
        std::fprintf(stderr, "usage: make_glyph <output.bmp>\n");
        return 2;
    }
    std::vector<std::uint8_t> Bytes = Header();
    for (int Row = Size - 1; Row >= 0; --Row) {
        for (int Column = 0; Column < Size; ++Column) {
            const double Share = Coverage(Column, Row);
            Bytes.push_back(Blend(ArrowRgb[2], Share));
            Bytes.push_back(Blend(ArrowRgb[1], Share));
            Bytes.push_back(Blend(ArrowRgb[0], Share));
        }
    }
    std::ofstream Out(Argv[1], std::ios::binary | std::ios::trunc);
    Out.write(reinterpret_cast<const char*>(Bytes.data()), static_cast<std::streamsize>(Bytes.size()));
    Out.close();
    if (!Out) {
        std::fprintf(stderr, "make_glyph: cannot write %s\n", Argv[1]);
        return 1;
    }
    return 0;
}
