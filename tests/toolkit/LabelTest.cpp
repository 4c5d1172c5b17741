// Labels: plain text by the accelerator-prefix rule, sizing to the text, the disabled look.
#include "ToolkitFixture.h"

#include "Ansi.h"
#include "Colors.h"
#include "Label.h"
#include "RowPrinting.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include <ostream>
#include <vector>

namespace {

class LabelTest : public ToolkitTest {
protected:
    void SetUp() override
    {
        ToolkitTest::SetUp();
        Application->CreateForm(Probe);
    }

    QWidget* WidgetOf(const char* Name) const { return Probe->Widget(Name); }

    // The label as it draws itself, over its background when it has one.
    static QImage Rendered(QWidget* Widget)
    {
        QImage Image(Widget->size(), QImage::Format_RGB32);
        Image.fill(Qt::magenta);
        Widget->render(&Image, QPoint(), QRegion(), QWidget::DrawChildren);
        return Image;
    }

    // What the label must look like: Plain drawn literally, as Qt draws text without any prefix
    // rule, in each of Pens at its offset, over the window colour.
    static QImage Expected(
        QWidget* Widget, const QString& Plain, std::initializer_list<std::pair<QColor, int>> Pens)
    {
        QImage Image(Widget->size(), QImage::Format_RGB32);
        Image.fill(Widget->palette().color(QPalette::Window));
        QPainter Painter(&Image);
        Painter.setFont(Widget->font());
        for (const auto& [Color, Offset] : Pens) {
            Painter.setPen(Color);
            Painter.drawText(QRect(QPoint(), Widget->size()).translated(Offset, Offset),
                Qt::AlignLeft | Qt::AlignTop, Plain);
        }
        return Image;
    }

    TProbe* Probe = nullptr;
};

struct PrefixCase {
    const char* Name;
    const char* Caption; // Windows-1251 bytes
    const char* Plain;   // UTF-8
    bool Underlined;
};

void PrintTo(const PrefixCase& Row, std::ostream* Out)
{
    PrintRow(Out, Row.Name,
        Printed(Row.Caption) + " -> " + Printed(Row.Plain) + (Row.Underlined ? ", underlined" : ""));
}

class LabelPrefixTest : public LabelTest, public ::testing::WithParamInterface<PrefixCase> { };

TEST_P(LabelPrefixTest, DrawsThePlainTextAndUnderlinesOnlyAfterASinglePrefix)
{
    TLabel* Label = Probe->Get<TLabel>("Label1");
    QWidget* Widget = WidgetOf("Label1");
    Label->SetCaption(GetParam().Caption);
    EXPECT_EQ(Label->Caption(), GetParam().Caption);
    const QString Plain = QString::fromUtf8(GetParam().Plain);
    EXPECT_EQ(Widget->width(), QFontMetrics(Widget->font()).size(0, Plain).width());

    const QImage Drawn = Rendered(Widget);
    const QImage Reference = Expected(Widget, Plain, {{Widget->palette().color(QPalette::WindowText), 0}});
    if (!GetParam().Underlined) {
        EXPECT_EQ(Drawn, Reference);
        return;
    }
    // The same letters above the baseline; an underline below it.
    const int Baseline = QFontMetrics(Widget->font()).ascent();
    EXPECT_EQ(Drawn.copy(0, 0, Drawn.width(), Baseline), Reference.copy(0, 0, Drawn.width(), Baseline));
    EXPECT_NE(Drawn, Reference);
}

INSTANTIATE_TEST_SUITE_P(Captions, LabelPrefixTest,
    ::testing::Values(PrefixCase{"DoublePrefixDrawsOneAmpersand", "A&&B", "A&B", false},
        PrefixCase{"MarkupIsDrawnAsItStands", "<b>x</b>", "<b>x</b>", false},
        PrefixCase{"EntityIsDrawnAsItStands", "&amp;", "amp;", true},
        PrefixCase{"PrefixUnderlinesTheNextLetter", "&File", "File", true},
        PrefixCase{"PrefixInsideAWord", "Fi&le", "File", true},
        PrefixCase{"WindowsCyrillic", "\xC2\xEE\xEF\xF0\xEE\xF1", "Вопрос", false}),
    [](const ::testing::TestParamInfo<PrefixCase>& Info) { return std::string(Info.param.Name); });

struct SizeCase {
    const char* Name;
    const char* Label;
    QRect Before;
    bool KeepsRight;
    bool FixedSize;
};

void PrintTo(const SizeCase& Row, std::ostream* Out)
{
    const QRect& Place = Row.Before;
    PrintRow(Out, Row.Name,
        Printed(Row.Label)
            + (Row.FixedSize
                    ? " stays at " + Listed(std::vector{Place.x(), Place.y(), Place.width(), Place.height()})
                    : Row.KeepsRight ? " keeps its right edge"
                                     : " keeps its left edge"));
}

class LabelSizeTest : public LabelTest, public ::testing::WithParamInterface<SizeCase> { };

TEST_P(LabelSizeTest, ANewCaptionKeepsTheEdgeOfTheAlignment)
{
    QWidget* Widget = WidgetOf(GetParam().Label);
    const QRect Before = Widget->geometry();
    EXPECT_TRUE(!GetParam().FixedSize || Before == GetParam().Before);
    for (const char* Caption : {"a much longer caption", "1", ""}) {
        Probe->Get<TLabel>(GetParam().Label)->SetCaption(Caption);
        const QRect After = Widget->geometry();
        if (GetParam().FixedSize) {
            EXPECT_EQ(After, Before) << Caption;
            continue;
        }
        const QFontMetrics Metrics(Widget->font());
        const QString Measured = *Caption ? QString::fromLatin1(Caption) : QStringLiteral(" ");
        EXPECT_EQ(After.size(), Metrics.size(0, Measured)) << Caption;
        EXPECT_EQ(After.top(), Before.top()) << Caption;
        const bool RightEdgeKept = After.right() == Before.right();
        const bool LeftEdgeKept = After.left() == Before.left();
        EXPECT_TRUE(GetParam().KeepsRight ? RightEdgeKept : LeftEdgeKept) << Caption;
    }
}

INSTANTIATE_TEST_SUITE_P(Labels, LabelSizeTest,
    ::testing::Values(SizeCase{"LeftAlignedKeepsItsLeftEdge", "Label1", {}, false, false},
        SizeCase{"RightAlignedKeepsItsRightEdge", "Label2", {}, true, false},
        SizeCase{"FixedSizeKeepsItsPlace", "Label3", {10, 30, 100, 30}, false, true}),
    [](const ::testing::TestParamInfo<SizeCase>& Info) { return std::string(Info.param.Name); });

TEST_F(LabelTest, ALabelSizedToItsTextKeepsItsRightEdgeFromTheLayout)
{
    const QWidget* Widget = WidgetOf("Label2");
    EXPECT_EQ(Widget->x() + Widget->width(), 240);
}

TEST_F(LabelTest, DisabledTextIsEmbossedInTheHighlightAndShadowColours)
{
    TLabel* Label = Probe->Get<TLabel>("Label1");
    QWidget* Widget = WidgetOf("Label1");
    Label->SetFontColor(clMaroon);
    Label->SetCaption("Hint");
    EXPECT_EQ(Rendered(Widget), Expected(Widget, QStringLiteral("Hint"), {{QColor(128, 0, 0), 0}}));
    Label->SetEnabled(false);
    EXPECT_EQ(Rendered(Widget),
        Expected(
            Widget, QStringLiteral("Hint"), {{ToQColor(clBtnHighlight), 1}, {ToQColor(clBtnShadow), 0}}));
    EXPECT_EQ(Label->FontColor(), clMaroon);
}

TEST_F(LabelTest, ATransparentLabelPaintsOnlyItsTextAndAnOpaqueOneFillsItsPlace)
{
    const QImage Transparent = Rendered(WidgetOf("Label3"));
    EXPECT_EQ(Transparent.pixelColor(Transparent.width() - 1, Transparent.height() - 1), QColor(Qt::magenta));
    const QImage Opaque = Rendered(WidgetOf("Label1"));
    EXPECT_EQ(Opaque.pixelColor(Opaque.width() - 1, Opaque.height() - 1), ToQColor(clBtnFace));
}

TEST_F(LabelTest, AWordWrappedLabelBreaksItsTextIntoLines)
{
    QWidget* Widget = WidgetOf("Label3");
    Probe->Get<TLabel>("Label3")->SetCaption("one two three four five six seven eight");
    const QImage Drawn = Rendered(Widget);
    const int LineHeight = QFontMetrics(Widget->font()).height();
    bool SecondLineInked = false;
    for (int X = 0; X < Drawn.width(); ++X)
        SecondLineInked
            = SecondLineInked || Drawn.pixelColor(X, LineHeight + LineHeight / 2) != QColor(Qt::magenta);
    EXPECT_TRUE(SecondLineInked);
}

} // namespace
