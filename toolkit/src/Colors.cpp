#include "Colors.h"

#include <QApplication>
#include <QPalette>

namespace {

QPalette::ColorRole SystemColorRole(int Index)
{
    switch (Index) {
    case 15:
        return QPalette::Button;
    case 16:
        return QPalette::Dark;
    case 20:
        return QPalette::Light;
    default: // 8, the window text, and any system colour without a role of its own
        return QPalette::WindowText;
    }
}

} // namespace

QColor ToQColor(TColor Value)
{
    if (Value < 0)
        return QApplication::palette().color(QPalette::Active, SystemColorRole(Value & 0xFF));
    return QColor(Value & 0xFF, (Value >> 8) & 0xFF, (Value >> 16) & 0xFF);
}
