#pragma once

#include <QPixmap>
#include <QWidget>

#include <functional>

// A raised button face with a glyph centred on it. It never takes the focus; a click is a
// press and a release of the left button inside it.
class TSpeedButtonWidget : public QWidget {
public:
    TSpeedButtonWidget(QWidget* Parent, QPixmap Glyph, QPixmap DisabledGlyph);

    std::function<void()> OnClick;

protected:
    void paintEvent(QPaintEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseMoveEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;

private:
    void SetDown(bool Value);

    QPixmap Glyph;
    QPixmap DisabledGlyph;
    bool Tracking = false; // the left button went down inside and is still held
    bool Down = false;     // drawn pressed: tracking, with the pointer inside
};
