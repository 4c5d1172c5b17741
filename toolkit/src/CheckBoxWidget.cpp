#include "CheckBoxWidget.h"

#include <QStyleOptionButton>
#include <QStylePainter>

TCheckBoxWidget::TCheckBoxWidget(QWidget* Parent, bool Left)
    : QCheckBox(Parent)
    , CaptionLeft(Left)
{
    // A check box is an opaque control in the window colour, also over a picture.
    setAutoFillBackground(true);
}

bool TCheckBoxWidget::hitButton(const QPoint& Pos) const
{
    return rect().contains(Pos);
}

void TCheckBoxWidget::paintEvent(QPaintEvent* Event)
{
    if (!CaptionLeft) {
        QCheckBox::paintEvent(Event);
        return;
    }
    QStylePainter Painter(this);
    QStyleOptionButton Option;
    initStyleOption(&Option);
    const int BoxWidth = style()->pixelMetric(QStyle::PM_IndicatorWidth, &Option, this);
    const int BoxHeight = style()->pixelMetric(QStyle::PM_IndicatorHeight, &Option, this);
    const int Spacing = style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &Option, this);

    QStyleOptionButton Box = Option;
    Box.rect = QRect(width() - BoxWidth, (height() - BoxHeight) / 2, BoxWidth, BoxHeight);
    Painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, Box);

    QStyleOptionButton Caption = Option;
    Caption.rect = QRect(0, 0, width() - BoxWidth - Spacing, height());
    Painter.drawControl(QStyle::CE_CheckBoxLabel, Caption);
    if (hasFocus()) {
        QStyleOptionFocusRect Focus;
        Focus.initFrom(this);
        Focus.rect = Caption.fontMetrics
                         .boundingRect(Caption.rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic,
                             Caption.text)
                         .adjusted(-1, 0, 1, 0);
        Painter.drawPrimitive(QStyle::PE_FrameFocusRect, Focus);
    }
}
