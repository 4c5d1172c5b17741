#include "Glyph.h"

#include "Colors.h"

#include <QImage>

#include <vector>

namespace {

// A disabled glyph keeps the pixels darker than this grey level; lighter ones, such as the
// softened edge next to a white background, vanish as they do on a classic greyed button.
constexpr int DarkThreshold = 192;

QRgb Opaque(QRgb Pixel)
{
    return Pixel | 0xFF000000U;
}

} // namespace

QPixmap GlyphPixmap(const QImage& Bitmap, bool Enabled)
{
    const QImage Source = Bitmap.convertToFormat(QImage::Format_ARGB32);
    const int Width = Source.width();
    const int Height = Source.height();
    QImage Glyph(Source.size(), QImage::Format_ARGB32);
    Glyph.fill(Qt::transparent);
    if (Source.isNull())
        return QPixmap::fromImage(Glyph);

    const QRgb Transparent = Opaque(Source.pixel(0, Height - 1));
    auto Shown = [&](int X, int Y) { return Opaque(Source.pixel(X, Y)) != Transparent; };
    if (Enabled) {
        for (int Y = 0; Y < Height; ++Y)
            for (int X = 0; X < Width; ++X)
                if (Shown(X, Y))
                    Glyph.setPixel(X, Y, Opaque(Source.pixel(X, Y)));
        return QPixmap::fromImage(Glyph);
    }

    std::vector<bool> Dark(static_cast<std::size_t>(Width) * static_cast<std::size_t>(Height));
    auto At = [Width](int X, int Y) {
        return static_cast<std::size_t>(Y) * static_cast<std::size_t>(Width) + static_cast<std::size_t>(X);
    };
    for (int Y = 0; Y < Height; ++Y)
        for (int X = 0; X < Width; ++X)
            Dark[At(X, Y)] = Shown(X, Y) && qGray(Source.pixel(X, Y)) < DarkThreshold;

    const QRgb Highlight = ToQColor(clBtnHighlight).rgb();
    const QRgb Shadow = ToQColor(clBtnShadow).rgb();
    for (int Y = 0; Y + 1 < Height; ++Y)
        for (int X = 0; X + 1 < Width; ++X)
            if (Dark[At(X, Y)])
                Glyph.setPixel(X + 1, Y + 1, Highlight);
    for (int Y = 0; Y < Height; ++Y)
        for (int X = 0; X < Width; ++X)
            if (Dark[At(X, Y)])
                Glyph.setPixel(X, Y, Shadow);
    return QPixmap::fromImage(Glyph);
}
