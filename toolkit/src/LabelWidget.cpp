#include "LabelWidget.h"

#include "Colors.h"
#include "Component.h"
#include "FormWindow.h"

#include <QFontMetrics>
#include <QPainter>

TLabelWidget::TLabelWidget(QWidget* Parent, TLabelStyle Value)
    : QWidget(Parent)
    , Style(Value)
{
    setAttribute(Qt::WA_OpaquePaintEvent, !Style.Transparent);
}

void TLabelWidget::SetText(const QString& Value)
{
    Shown = Value;
    FitToText();
    update();
}

int TLabelWidget::TextFlags() const
{
    int Flags = Qt::TextShowMnemonic | Qt::TextExpandTabs | Qt::AlignTop;
    Flags |= Style.RightAligned ? Qt::AlignRight : Qt::AlignLeft;
    if (Style.WordWrap)
        Flags |= Qt::TextWordWrap;
    return Flags;
}

void TLabelWidget::FitToText()
{
    if (!Style.AutoSize)
        return;
    // An empty text, or a lone accelerator prefix, measures as one blank: a label keeps the
    // height of a line.
    const QString Measured = (Shown.isEmpty() || Shown == QLatin1String("&")) ? QStringLiteral(" ") : Shown;
    const QFontMetrics Metrics(font());
    QRect Bounds;
    if (Style.WordWrap)
        Bounds = Metrics.boundingRect(QRect(0, 0, width(), 0x7FFF), TextFlags(), Measured);
    else
        Bounds = QRect(QPoint(0, 0), Metrics.size(TextFlags(), Measured));
    const int NewWidth = Style.WordWrap ? width() : Bounds.width();
    const int NewLeft = Style.RightAligned ? x() + width() - NewWidth : x();
    const QRect Wanted(NewLeft, y(), NewWidth, Bounds.height());
    if (Wanted == geometry())
        return;
    setGeometry(Wanted);
    if (auto* Area = dynamic_cast<TClientArea*>(parentWidget()))
        Area->FitToChildren();
}

void TLabelWidget::paintEvent(QPaintEvent*)
{
    QPainter Painter(this);
    if (!Style.Transparent)
        Painter.fillRect(rect(), palette().color(QPalette::Window));
    Painter.setFont(font());
    if (isEnabled()) {
        Painter.setPen(palette().color(QPalette::Active, QPalette::WindowText));
        Painter.drawText(rect(), TextFlags(), Shown);
        return;
    }
    // Disabled: embossed, a highlight copy one pixel right and down under the shadow copy.
    Painter.setPen(ToQColor(clBtnHighlight));
    Painter.drawText(rect().translated(1, 1), TextFlags(), Shown);
    Painter.setPen(ToQColor(clBtnShadow));
    Painter.drawText(rect(), TextFlags(), Shown);
}
