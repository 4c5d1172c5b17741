#include "ImageWidget.h"

#include "Application.h"
#include "Jpeg.h"
#include "SysUtils.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

#include <utility>

TImageWidget::TImageWidget(QWidget* Parent, QByteArray Jpeg, bool StretchIt)
    : QWidget(Parent)
    , Bytes(std::move(Jpeg))
    , Size(JpegSize(Bytes))
    , Stretch(StretchIt)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // A stretched picture covers all of its place: nothing beneath it needs painting.
    setAttribute(Qt::WA_OpaquePaintEvent, Stretch);
}

void TImageWidget::FillParent()
{
    setGeometry(parentWidget()->rect());
    parentWidget()->installEventFilter(this);
}

bool TImageWidget::eventFilter(QObject* Watched, QEvent* Event)
{
    if (Watched == parentWidget() && Event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(Watched, Event);
}

bool TImageWidget::Decode()
{
    if (!Decoded.isNull())
        return true;
    if (Broken)
        return false;
    try {
        Decoded = DecodeJpeg(Bytes);
        Bytes.clear();
        return true;
    } catch (const Exception& E) {
        // Reported once the paint is over: a modal box cannot run inside a paint event.
        Broken = true;
        QTimer::singleShot(0, [Message = E.Message()] { Application->ShowException(Exception(Message)); });
        return false;
    }
}

void TImageWidget::paintEvent(QPaintEvent* Event)
{
    QPainter Painter(this);
    if (!Decode()) {
        Painter.fillRect(Event->rect(), palette().color(QPalette::Window));
        return;
    }
    if (!Stretch) {
        Painter.drawImage(0, 0, Decoded);
        return;
    }
    if (Scaled.size() != size())
        Scaled = QPixmap::fromImage(Decoded.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    Painter.drawPixmap(Event->rect(), Scaled, Event->rect());
}
