// Paints the main windows' background picture, grass under a cloudy sky, and writes it as a
// baseline JFIF JPEG: 1280 x 1024, YCbCr 4:2:0, a restart marker after every MCU row, 96 dpi.
// The lower part carries a rectangle at half brightness, so that the aqua and cream texts of
// the question and the answers stay legible on it. Every random value comes from a fixed seed,
// so each run writes the same picture.
//
// Usage: make_background <output.jpg>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace {

constexpr int Width = 1280;
constexpr int Height = 1024;
constexpr int Horizon = 452;
constexpr int Quality = 85;

struct Rgb {
    double R = 0;
    double G = 0;
    double B = 0;
};

Rgb Mix(Rgb A, Rgb B, double T)
{
    return {A.R + (B.R - A.R) * T, A.G + (B.G - A.G) * T, A.B + (B.B - A.B) * T};
}

Rgb Scale(Rgb A, double F)
{
    return {A.R * F, A.G * F, A.B * F};
}

double Clamp01(double V)
{
    return std::clamp(V, 0.0, 1.0);
}

double SmoothStep(double Edge0, double Edge1, double V)
{
    const double T = Clamp01((V - Edge0) / (Edge1 - Edge0));
    return T * T * (3 - 2 * T);
}

// A small fixed-seed generator (SplitMix64), the same numbers on every platform.
class TRandom {
public:
    explicit TRandom(std::uint64_t Seed)
        : State(Seed)
    { }

    double Next()
    {
        State += 0x9E3779B97F4A7C15ULL;
        std::uint64_t Z = State;
        Z = (Z ^ (Z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        Z = (Z ^ (Z >> 27)) * 0x94D049BB133111EBULL;
        Z ^= Z >> 31;
        return static_cast<double>(Z >> 11) / 9007199254740992.0;
    }

    double Between(double Low, double High) { return Low + (High - Low) * Next(); }

private:
    std::uint64_t State = 0;
};

// Value noise on an integer lattice, smoothly interpolated, in [0, 1).
double LatticeValue(int X, int Y, std::uint32_t Seed)
{
    std::uint32_t H = static_cast<std::uint32_t>(X) * 374761393U + static_cast<std::uint32_t>(Y) * 668265263U
        + Seed * 2246822519U;
    H = (H ^ (H >> 13)) * 1274126177U;
    H ^= H >> 16;
    return static_cast<double>(H & 0xFFFFFFU) / 16777216.0;
}

double Noise(double X, double Y, std::uint32_t Seed)
{
    const double FloorX = std::floor(X);
    const double FloorY = std::floor(Y);
    const int Ix = static_cast<int>(FloorX);
    const int Iy = static_cast<int>(FloorY);
    const double Fx = X - FloorX;
    const double Fy = Y - FloorY;
    const double Ux = Fx * Fx * Fx * (Fx * (Fx * 6 - 15) + 10);
    const double Uy = Fy * Fy * Fy * (Fy * (Fy * 6 - 15) + 10);
    const double Top
        = LatticeValue(Ix, Iy, Seed) + (LatticeValue(Ix + 1, Iy, Seed) - LatticeValue(Ix, Iy, Seed)) * Ux;
    const double Bottom = LatticeValue(Ix, Iy + 1, Seed)
        + (LatticeValue(Ix + 1, Iy + 1, Seed) - LatticeValue(Ix, Iy + 1, Seed)) * Ux;
    return Top + (Bottom - Top) * Uy;
}

// Fractal noise: Octaves layers of value noise, each of twice the frequency and half the weight.
double Fbm(double X, double Y, int Octaves, std::uint32_t Seed)
{
    double Sum = 0;
    double Weight = 0.5;
    double Total = 0;
    for (int I = 0; I < Octaves; ++I) {
        Sum += Weight * Noise(X, Y, Seed + static_cast<std::uint32_t>(I) * 101U);
        Total += Weight;
        X *= 2.03;
        Y *= 2.03;
        Weight *= 0.5;
    }
    return Sum / Total;
}

class TCanvas {
public:
    TCanvas()
        : Pixels(static_cast<std::size_t>(Width) * Height)
    { }

    Rgb& At(int X, int Y)
    {
        return Pixels[static_cast<std::size_t>(Y) * Width + static_cast<std::size_t>(X)];
    }

    void Blend(int X, int Y, Rgb Colour, double Alpha)
    {
        if (X < 0 || X >= Width || Y < 0 || Y >= Height || Alpha <= 0)
            return;
        Rgb& Pixel = At(X, Y);
        Pixel = Mix(Pixel, Colour, std::min(Alpha, 1.0));
    }

private:
    std::vector<Rgb> Pixels;
};

// The height of the distant tree line above the horizon at column X.
double TreeLine(int X)
{
    return 4.0 + 22.0 * Fbm(X / 70.0, 0.5, 4, 77) * Fbm(X / 300.0, 3.5, 2, 78);
}

// Sky from deep blue at the top to a pale haze at the horizon, with soft clouds that are bright
// on top and grey underneath, flattened as they recede towards the horizon.
void PaintSky(TCanvas& Canvas)
{
    const Rgb Zenith{58, 104, 178};
    const Rgb Haze{186, 206, 226};
    const Rgb CloudLight{246, 246, 248};
    const Rgb CloudShade{138, 146, 160};
    for (int Y = 0; Y < Horizon; ++Y) {
        const double Up = 1.0 - static_cast<double>(Y) / Horizon; // 1 at the top, 0 at the horizon
        const double Depth = 0.25 + 0.75 * Up;                    // clouds grow smaller towards the horizon
        for (int X = 0; X < Width; ++X) {
            const Rgb Sky = Mix(Haze, Zenith, std::pow(Up, 0.8));
            const double Cx = X / (330.0 * Depth);
            const double Cy = Y / (210.0 * Depth * std::sqrt(Depth)) + 7.3;
            const double Warp = Fbm(Cx * 0.6, Cy * 0.6, 3, 11);
            const double Density = Fbm(Cx + Warp * 0.9, Cy + Warp * 0.9, 7, 21);
            const double Cover = SmoothStep(0.44, 0.58, Density);
            const double Below = Fbm(Cx + Warp * 0.9, Cy + 0.06 + Warp * 0.9, 7, 21);
            const double Lit = Clamp01(0.62 + (Density - Below) * 7.0 - (Density - 0.55) * 1.2);
            const Rgb Cloud = Mix(CloudShade, CloudLight, Lit);
            Canvas.At(X, Y) = Mix(Sky, Mix(Cloud, Haze, (1.0 - Up) * 0.35), Cover * 0.95);
        }
    }
    // The distant trees: a hazy blue-green band standing on the horizon.
    const Rgb Far{74, 98, 92};
    for (int X = 0; X < Width; ++X) {
        const double Top = Horizon - TreeLine(X);
        for (int Y = static_cast<int>(Top); Y < Horizon; ++Y) {
            const double Edge = Clamp01(Y + 1 - Top);
            const double Shade = 0.85 + 0.3 * Fbm(X / 6.0, Y / 5.0, 3, 31);
            Canvas.Blend(X, Y, Mix(Scale(Far, Shade), Haze, 0.25), Edge);
        }
    }
}

// Perspective depth of a point on the ground: 0 at the horizon, 1 at the bottom edge.
double GroundDepth(double Y)
{
    return (Y - Horizon) / (Height - Horizon);
}

// The depth at the middle of a pixel row of the ground, kept above 0 for the perspective
// divisions of the noise coordinates.
double RowDepth(int Y)
{
    return std::max(GroundDepth(Y + 0.5), 0.002);
}

// The haze that the ground fades into towards the horizon.
const Rgb GroundHaze{150, 170, 140};

// The ground under the blades: patches of darker and lighter green that recede in perspective,
// fading into haze at the horizon.
void PaintGround(TCanvas& Canvas)
{
    const Rgb Dark{24, 52, 14};
    const Rgb Light{86, 122, 34};
    const Rgb Dry{128, 130, 52};
    for (int Y = Horizon; Y < Height; ++Y) {
        const double Depth = RowDepth(Y);
        for (int X = 0; X < Width; ++X) {
            const double Gx = (X - Width / 2.0) / (260.0 * Depth);
            const double Gy = 2.0 / Depth;
            const double Patch = Fbm(Gx, Gy, 5, 41);
            const double Straw = SmoothStep(0.55, 0.75, Fbm(Gx * 0.5 + 9.1, Gy * 0.5, 3, 43));
            Rgb Ground = Mix(Mix(Dark, Light, Patch), Dry, Straw * 0.5);
            Ground = Mix(Ground, GroundHaze, std::pow(1.0 - Depth, 14.0) * 0.8);
            Canvas.At(X, Y) = Ground;
        }
    }
}

// Grass blades drawn from the horizon forwards, so that nearer blades cover farther ones. A
// blade is a tapered, slightly bent stroke, dark at its root and lighter towards its tip; its
// length and width grow with its nearness.
void PaintBlades(TCanvas& Canvas, TRandom& Random)
{
    const Rgb Deep{30, 66, 16};
    const Rgb Fresh{104, 150, 40};
    const Rgb Sun{168, 182, 70};
    constexpr int Rows = Height - Horizon + 40; // roots run a little below the bottom edge
    constexpr int BladesPerRow = 420;
    for (int Row = 0; Row < Rows; ++Row) {
        for (int N = 0; N < BladesPerRow; ++N) {
            const double RootY = Horizon + Row + Random.Next();
            const double RootX = Random.Between(-40, Width + 40);
            const double Depth = GroundDepth(RootY);
            const double Length = (4.0 + 150.0 * Depth * Depth) * Random.Between(0.5, 1.2);
            const double HalfWidth = (0.35 + 2.6 * Depth) * Random.Between(0.7, 1.3);
            const double Lean = Random.Between(-0.45, 0.45) + 0.12;
            const double Tone = Random.Next();
            const double Light = Random.Next();
            Rgb Body = Mix(Deep, Fresh, Tone);
            Rgb Tip = Mix(Body, Sun, 0.4 + 0.5 * Light);
            const double Far = std::pow(1.0 - Depth, 10.0) * 0.7;
            Body = Mix(Body, GroundHaze, Far);
            Tip = Mix(Tip, GroundHaze, Far);
            const int Steps = std::max(1, static_cast<int>(Length));
            for (int S = 0; S <= Steps; ++S) {
                const double T = static_cast<double>(S) / Steps;
                const double Cy = RootY - Length * T;
                const double Cx = RootX + Lean * Length * T * T;
                const double Half = HalfWidth * (1.0 - 0.9 * T);
                const Rgb Colour = Mix(Scale(Body, 0.55 + 0.45 * SmoothStep(0.0, 0.4, T)), Tip, T * T);
                const int Y = static_cast<int>(std::floor(Cy));
                for (int X = static_cast<int>(std::floor(Cx - Half - 1));
                     X <= static_cast<int>(Cx + Half + 1); ++X) {
                    const double Cover = Clamp01(Half + 0.5 - std::abs(X + 0.5 - Cx));
                    Canvas.Blend(X, Y, Colour, Cover * 0.9);
                }
            }
        }
    }
}

// Broad shadows of the clouds on the grass, lying flat on the ground in perspective.
void ShadeGround(TCanvas& Canvas)
{
    for (int Y = Horizon; Y < Height; ++Y) {
        const double Depth = RowDepth(Y);
        for (int X = 0; X < Width; ++X) {
            const double Shadow
                = SmoothStep(0.35, 0.65, Fbm((X - Width / 2.0) / (450.0 * Depth) + 3.1, 1.6 / Depth, 3, 51));
            Canvas.At(X, Y) = Scale(Canvas.At(X, Y), 1.12 - 0.3 * Shadow);
        }
    }
}

// The rectangle behind the question and the answers, at half the brightness around it.
void DarkenQuestionArea(TCanvas& Canvas)
{
    for (int Y = 598; Y <= 1007; ++Y)
        for (int X = 28; X <= 1251; ++X)
            Canvas.At(X, Y) = Scale(Canvas.At(X, Y), 0.5);
}

std::uint8_t ToByte(double V)
{
    return static_cast<std::uint8_t>(std::lround(std::clamp(V, 0.0, 255.0)));
}

bool WriteJpeg(TCanvas& Canvas, const char* Path)
{
    std::FILE* File = std::fopen(Path, "wb");
    if (File == nullptr)
        return false;
    jpeg_compress_struct Info{};
    jpeg_error_mgr Errors{};
    Info.err = jpeg_std_error(&Errors);
    jpeg_create_compress(&Info);
    jpeg_stdio_dest(&Info, File);
    Info.image_width = Width;
    Info.image_height = Height;
    Info.input_components = 3;
    Info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&Info);
    jpeg_set_quality(&Info, Quality, TRUE);
    Info.comp_info[0].h_samp_factor = 2; // 4:2:0, one MCU is 16 x 16 pixels
    Info.comp_info[0].v_samp_factor = 2;
    Info.comp_info[1].h_samp_factor = 1;
    Info.comp_info[1].v_samp_factor = 1;
    Info.comp_info[2].h_samp_factor = 1;
    Info.comp_info[2].v_samp_factor = 1;
    Info.restart_in_rows = 1; // a restart marker after every MCU row of 80 MCUs
    Info.write_JFIF_header = TRUE;
    Info.JFIF_major_version = 1;
    Info.JFIF_minor_version = 2;
    Info.density_unit = 1; // dots per inch
    Info.X_density = 96;
    Info.Y_density = 96;
    Info.optimize_coding = TRUE;
    jpeg_start_compress(&Info, TRUE);
    std::vector<JSAMPLE> Line(static_cast<std::size_t>(Width) * 3);
    while (Info.next_scanline < Info.image_height) {
        const int Y = static_cast<int>(Info.next_scanline);
        for (int X = 0; X < Width; ++X) {
            const Rgb& Pixel = Canvas.At(X, Y);
            const std::size_t I = static_cast<std::size_t>(X) * 3;
            Line[I] = ToByte(Pixel.R);
            Line[I + 1] = ToByte(Pixel.G);
            Line[I + 2] = ToByte(Pixel.B);
        }
        JSAMPROW Rows[] = {Line.data()};
        jpeg_write_scanlines(&Info, Rows, 1);
    }
    jpeg_finish_compress(&Info);
    jpeg_destroy_compress(&Info);
    return std::fclose(File) == 0;
}

} // namespace

int main(int Argc, char** Argv)
{
    if (Argc != 2) {
        std::fprintf(stderr, "usage: make_background <output.jpg>\n");
        return 2;
    }
    TCanvas Canvas;
    TRandom Random(20240611);
    PaintSky(Canvas);
    PaintGround(Canvas);
    PaintBlades(Canvas, Random);
    ShadeGround(Canvas);
    DarkenQuestionArea(Canvas);
    if (!WriteJpeg(Canvas, Argv[1])) {
        std::fprintf(stderr, "make_background: cannot write %s\n", Argv[1]);
        return 1;
    }
    return 0;
}
