#pragma once

#include <QByteArray>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QWidget>

// A JPEG picture. Creating it reads only the picture's size; the first paint decodes it, and
// the decoded picture is kept, with its copy scaled to the current size when it is stretched.
class TImageWidget : public QWidget {
public:
    // Throws Exception when Jpeg is not a picture.
    TImageWidget(QWidget* Parent, QByteArray Jpeg, bool Stretch);

    QSize PictureSize() const { return Size; }
    // Keeps the widget over the whole of its parent, as the parent's size changes.
    void FillParent();

protected:
    void paintEvent(QPaintEvent* Event) override;
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    bool Decode();

    QByteArray Bytes;
    QSize Size;
    bool Stretch = false;
    bool Broken = false; // decoding failed once; it is not tried again
    QImage Decoded;
    QPixmap Scaled;
};
