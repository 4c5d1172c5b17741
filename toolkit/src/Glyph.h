#pragma once

#include <QPixmap>

class QImage;

// A speed button's glyph: the bitmap with every pixel of its bottom-left pixel's colour
// transparent. A disabled glyph is drawn embossed: its dark pixels in the button-highlight colour
// one pixel right and down, and over that in the button-shadow colour in place.
QPixmap GlyphPixmap(const QImage& Bitmap, bool Enabled);
