#pragma once

#include "Component.h"

#include <QColor>

// The colour that a colour value names: red in the low byte, or a system colour of the palette.
QColor ToQColor(TColor Value);
