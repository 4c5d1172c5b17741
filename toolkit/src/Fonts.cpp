#include "Fonts.h"

QFont SubstituteFont(int Height, bool Bold)
{
    // Liberation Sans has the widths of Arial and Cyrillic letters; where it is missing,
    // fontconfig's sans-serif takes its place.
    QFont Font(QStringLiteral("Liberation Sans"));
    Font.setStyleHint(QFont::SansSerif);
    Font.setPixelSize(-Height);
    Font.setBold(Bold);
    // Liberation Sans runs about a tenth wider than the bitmap font that the layouts were made
    // with; narrowed by 5 % (10 of 11 pixels at the common size), every text keeps its place.
    Font.setStretch(95);
    // Full hinting snaps the stems to whole pixels, which keeps small text crisp.
    Font.setHintingPreference(QFont::PreferFullHinting);
    return Font;
}
