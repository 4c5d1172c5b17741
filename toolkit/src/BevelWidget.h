#pragma once

#include <QWidget>

// A lowered box: its top and left edges in the shadow colour, its bottom and right edges in
// the highlight colour. It paints nothing inside.
class TBevelWidget : public QWidget {
public:
    explicit TBevelWidget(QWidget* Parent);

protected:
    void paintEvent(QPaintEvent* Event) override;
};
