#include "BevelWidget.h"

#include "Colors.h"

#include <QPainter>

TBevelWidget::TBevelWidget(QWidget* Parent)
    : QWidget(Parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TBevelWidget::paintEvent(QPaintEvent*)
{
    QPainter Painter(this);
    const int Right = width() - 1;
    const int Bottom = height() - 1;
    Painter.setPen(ToQColor(clBtnShadow));
    Painter.drawLine(0, 0, Right, 0);
    Painter.drawLine(0, 0, 0, Bottom);
    Painter.setPen(ToQColor(clBtnHighlight));
    Painter.drawLine(Right, 0, Right, Bottom);
    Painter.drawLine(0, Bottom, Right, Bottom);
}
