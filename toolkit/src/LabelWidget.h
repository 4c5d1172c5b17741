#pragma once

#include <QString>
#include <QWidget>

struct TLabelStyle {
    bool RightAligned = false;
    bool AutoSize = true;
    bool WordWrap = false;
    bool Transparent = false;
};

// A label's text drawn as plain text by the accelerator-prefix rule, never as markup.
class TLabelWidget : public QWidget {
public:
    TLabelWidget(QWidget* Parent, TLabelStyle Style);

    // Sets the text; a label that sizes itself to its text does so, keeping its left edge, or
    // its right edge when it is right-aligned.
    void SetText(const QString& Value);

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    int TextFlags() const;
    void FitToText();

    TLabelStyle Style;
    QString Shown;
};
