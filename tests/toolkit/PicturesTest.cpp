#include "Glyph.h"
#include "Jpeg.h"
#include "RowPrinting.h"
#include "SysUtils.h"

#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QPalette>
#include <QPixmap>

#include <gtest/gtest.h>

#include <cstdlib>
#include <ostream>
#include <string>

namespace {

QByteArray ResourceBytes(const char* Name)
{
    QFile File(QStringLiteral(KVIZORA_RESOURCES "/") + QLatin1String(Name));
    if (!File.open(QIODevice::ReadOnly))
        ADD_FAILURE() << "cannot read " << Name;
    return File.readAll();
}

TEST(Jpeg, BackgroundDecodesToItsFullSize)
{
    const QByteArray Bytes = ResourceBytes("background.jpg");
    EXPECT_EQ(JpegSize(Bytes), QSize(1280, 1024));
    const QImage Picture = DecodeJpeg(Bytes);
    EXPECT_EQ(Picture.size(), QSize(1280, 1024));
    EXPECT_EQ(Picture.format(), QImage::Format_RGB32);
}

// Qt's own decoder serves as the reference: the same picture, rows in order, red, green and
// blue in their places and every pixel opaque.
TEST(Jpeg, BackgroundMatchesAReferenceDecoder)
{
    const QByteArray Bytes = ResourceBytes("background.jpg");
    const QImage Picture = DecodeJpeg(Bytes);
    const QImage Reference = QImage::fromData(Bytes, "JPG").convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(Reference.size(), Picture.size());
    int WorstDifference = 0;
    for (int Y = 0; Y < Picture.height(); Y += 7)
        for (int X = 0; X < Picture.width(); X += 5) {
            const QRgb Ours = Picture.pixel(X, Y);
            const QRgb Theirs = Reference.pixel(X, Y);
            ASSERT_EQ(qAlpha(Ours), 255) << X << ", " << Y;
            WorstDifference = std::max({WorstDifference, std::abs(qRed(Ours) - qRed(Theirs)),
                std::abs(qGreen(Ours) - qGreen(Theirs)), std::abs(qBlue(Ours) - qBlue(Theirs))});
        }
    EXPECT_LE(WorstDifference, 4);
}

struct BrokenCase {
    std::string Name;
    QByteArray Bytes;
    bool HeaderReadable = false;
};

void PrintTo(const BrokenCase& Case, std::ostream* Out)
{
    PrintRow(Out, Case.Name,
        std::to_string(Case.Bytes.size()) + " bytes" + (Case.HeaderReadable ? ", header readable" : ""));
}

class BrokenJpeg : public testing::TestWithParam<BrokenCase> { };

TEST_P(BrokenJpeg, ThrowsInsteadOfDecoding)
{
    try {
        DecodeJpeg(GetParam().Bytes);
        FAIL() << "decoded";
    } catch (const Exception& Error) {
        EXPECT_EQ(Error.Message().rfind("Broken JPEG picture: ", 0), 0U) << Error.Message();
    }
    if (GetParam().HeaderReadable)
        EXPECT_EQ(JpegSize(GetParam().Bytes), QSize(1280, 1024));
    else
        EXPECT_THROW(JpegSize(GetParam().Bytes), Exception);
}

QByteArray Background()
{
    return ResourceBytes("background.jpg");
}

QByteArray Garbled(QByteArray Bytes)
{
    // Overwrite the entropy-coded data after the headers with a pattern that holds markers.
    for (qsizetype Index = Bytes.size() / 2; Index < Bytes.size() / 2 + 64; ++Index)
        Bytes[Index] = static_cast<char>(Index % 2 == 0 ? 0xFF : 0xD9 - Index % 5);
    return Bytes;
}

INSTANTIATE_TEST_SUITE_P(Cases, BrokenJpeg,
    testing::Values(BrokenCase{"Empty", QByteArray()},
        BrokenCase{"NotAJpeg", QByteArray("GIF89a not a picture")},
        BrokenCase{"OnlyTheStartMarker", QByteArray("\xFF\xD8", 2)},
        BrokenCase{"CutInTheHeaders", Background().left(300)},
        BrokenCase{"CutInTheData", Background().left(Background().size() / 2), true},
        BrokenCase{"GarbledData", Garbled(Background()), true}),
    [](const auto& Info) { return Info.param.Name; });

// A 4 x 3 bitmap on a green background (the bottom-left colour, not white): one dark pixel, one
// light one, one of the background colour in the middle of them.
QImage SmallBitmap()
{
    QImage Bitmap(4, 3, QImage::Format_RGB888);
    Bitmap.fill(QColor(0, 200, 0));
    Bitmap.setPixelColor(0, 0, QColor(162, 2, 2));
    Bitmap.setPixelColor(2, 0, QColor(240, 230, 230));
    return Bitmap;
}

TEST(Glyph, BottomLeftColourIsTransparentAndTheRestKept)
{
    const QImage Glyph = GlyphPixmap(SmallBitmap(), true).toImage();
    ASSERT_EQ(Glyph.size(), QSize(4, 3));
    EXPECT_EQ(Glyph.pixelColor(0, 0), QColor(162, 2, 2));
    EXPECT_EQ(Glyph.pixelColor(2, 0), QColor(240, 230, 230));
    for (const QPoint Point : {QPoint(1, 0), QPoint(0, 2), QPoint(3, 2), QPoint(1, 1)})
        EXPECT_EQ(Glyph.pixelColor(Point).alpha(), 0) << Point.x() << ", " << Point.y();
}

TEST(Glyph, DisabledIsEmbossedFromTheDarkPixels)
{
    const QImage Glyph = GlyphPixmap(SmallBitmap(), false).toImage();
    const QPalette Palette;
    EXPECT_EQ(Glyph.pixel(0, 0), Palette.color(QPalette::Dark).rgb());
    EXPECT_EQ(Glyph.pixel(1, 1), Palette.color(QPalette::Light).rgb());
    // The light pixel and the background drop out.
    for (int Y = 0; Y < 3; ++Y)
        for (int X = 0; X < 4; ++X) {
            const bool Drawn = QPoint(X, Y) == QPoint(0, 0) || QPoint(X, Y) == QPoint(1, 1);
            EXPECT_EQ(Glyph.pixelColor(X, Y).alpha(), Drawn ? 255 : 0) << X << ", " << Y;
        }
}

TEST(Glyph, AnswerArrowHasTransparentCornersAndGreysWhenDisabled)
{
    QImage Arrow;
    ASSERT_TRUE(Arrow.loadFromData(ResourceBytes("arrow.bmp"), "BMP"));
    ASSERT_EQ(Arrow.size(), QSize(32, 32));
    const QImage Enabled = GlyphPixmap(Arrow, true).toImage();
    const QImage Disabled = GlyphPixmap(Arrow, false).toImage();
    for (const QPoint Corner : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)}) {
        EXPECT_EQ(Enabled.pixelColor(Corner).alpha(), 0);
        EXPECT_EQ(Disabled.pixelColor(Corner).alpha(), 0);
    }
    EXPECT_EQ(Enabled.pixelColor(16, 16), QColor(162, 2, 2));
    EXPECT_EQ(Disabled.pixel(16, 16), QPalette().color(QPalette::Dark).rgb());
}

} // namespace
