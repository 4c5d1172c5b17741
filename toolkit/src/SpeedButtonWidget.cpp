#include "SpeedButtonWidget.h"

#include <QMouseEvent>
#include <QPainter>
#include <qdrawutil.h>

#include <utility>

TSpeedButtonWidget::TSpeedButtonWidget(QWidget* Parent, QPixmap Enabled, QPixmap Disabled)
    : QWidget(Parent)
    , Glyph(std::move(Enabled))
    , DisabledGlyph(std::move(Disabled))
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TSpeedButtonWidget::paintEvent(QPaintEvent*)
{
    QPainter Painter(this);
    const QBrush Face = palette().brush(QPalette::Button);
    qDrawWinButton(&Painter, rect(), palette(), Down, &Face);
    const QPixmap& Shown = isEnabled() ? Glyph : DisabledGlyph;
    if (Shown.isNull())
        return;
    const QSize Size = Shown.deviceIndependentSize().toSize();
    const int Offset = Down ? 1 : 0;
    Painter.drawPixmap((width() - Size.width()) / 2 + Offset, (height() - Size.height()) / 2 + Offset, Shown);
}

void TSpeedButtonWidget::mousePressEvent(QMouseEvent* Event)
{
    if (Event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(Event);
        return;
    }
    Tracking = true;
    SetDown(true);
}

void TSpeedButtonWidget::mouseMoveEvent(QMouseEvent* Event)
{
    if (Tracking)
        SetDown(rect().contains(Event->position().toPoint()));
}

void TSpeedButtonWidget::mouseReleaseEvent(QMouseEvent* Event)
{
    if (Event->button() != Qt::LeftButton || !Tracking) {
        QWidget::mouseReleaseEvent(Event);
        return;
    }
    Tracking = false;
    const bool Inside = rect().contains(Event->position().toPoint());
    SetDown(false);
    if (Inside && OnClick)
        OnClick();
}

void TSpeedButtonWidget::SetDown(bool Value)
{
    if (Down == Value)
        return;
    Down = Value;
    update();
}
