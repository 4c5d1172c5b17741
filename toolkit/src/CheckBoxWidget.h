#pragma once

#include <QCheckBox>

// A check box whose caption stands at its left and whose box stands at its right edge when
// CaptionLeft is set; the whole control answers clicks.
class TCheckBoxWidget : public QCheckBox {
public:
    TCheckBoxWidget(QWidget* Parent, bool CaptionLeft);

protected:
    void paintEvent(QPaintEvent* Event) override;
    bool hitButton(const QPoint& Pos) const override;

private:
    bool CaptionLeft = false;
};
