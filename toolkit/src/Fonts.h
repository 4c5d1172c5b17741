#pragma once

#include <QFont>

// The font that stands in for the layouts' "MS Sans Serif" at a layout height (a negative
// character height in pixels, so -11 is an 11-pixel font).
QFont SubstituteFont(int Height, bool Bold);
