#include "Fonts.h"
#include "RowPrinting.h"

#include <QApplication>
#include <QFontMetrics>
#include <QString>
#include <QStyle>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct FitCase {
    std::string Name;
    const char* Text = "";
    int Height = -11;
    bool Bold = false;
    int Width = 0; // the room the layout gives the text
};

void PrintTo(const FitCase& Case, std::ostream* Out)
{
    PrintRow(Out, Case.Name,
        Printed(Case.Text) + ", height " + Printed(Case.Height) + (Case.Bold ? ", bold" : "") + ", width "
            + Printed(Case.Width));
}

class SubstituteFontFits : public testing::TestWithParam<FitCase> { };

TEST_P(SubstituteFontFits, TextStaysInItsPlace)
{
    const QString Text = QString::fromUtf8(GetParam().Text);
    const QFontMetrics Metrics(SubstituteFont(GetParam().Height, GetParam().Bold));
    EXPECT_LE(Metrics.horizontalAdvance(Text), GetParam().Width);
    EXPECT_LE(Metrics.boundingRect(Text).right(), GetParam().Width);
    for (const QChar Letter : Text)
        EXPECT_TRUE(Metrics.inFont(Letter))
            << "no glyph for U+" << std::hex << static_cast<int>(Letter.unicode());
}

// The countdown line's three labels stand at 496, 552 and 568: each must end before the next begins.
INSTANTIATE_TEST_SUITE_P(Layouts, SubstituteFontFits,
    testing::Values(FitCase{"CountdownBefore", "осталось", -11, true, 552 - 496},
        FitCase{"CountdownSeconds", "60", -11, true, 568 - 552},
        FitCase{"CountdownAfter", "сек", -11, true, 22}, FitCase{"LadderHeading", "Вопрос №", -13, true, 74},
        FitCase{"QuestionHeading", "Вопрос:", -16, true, 67},
        FitCase{"HintLine", "можно использовать любую подсказку, но  только один раз", -11, false, 307},
        FitCase{"LoseWindow", "Вы проиграли 8-(((", -20, true, 183},
        FitCase{"WinWindow", "УРАААА!!! Вы ВЫИГРАЛИ 8-)))", -16, true, 255},
        FitCase{"HintWindowFirstLine", "С вероятностью 75% можно утверждать, что правильный ответ:", -11,
            false, 325},
        FitCase{"HintWindowLastLine", "Но в 25% случаев этот ответ не верен!", -11, false, 196},
        FitCase{"StatisticsGamesWon", "Выиграл", -11, false, 44},
        FitCase{"TrainerCounterHeading", "Прав. ответы", -11, false, 68},
        FitCase{"TrainerClock", "00:00:00", -11, false, 42}),
    [](const auto& Info) { return Info.param.Name; });

TEST(SubstituteFont, CheckBoxCaptionAndBoxFitTheTrainersCheckBox)
{
    const QFontMetrics Metrics(SubstituteFont(-11, false));
    const QStyle* Style = QApplication::style();
    const int Needed = Metrics.horizontalAdvance(QString::fromUtf8("понижать категорию"))
        + Style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing) + Style->pixelMetric(QStyle::PM_IndicatorWidth);
    EXPECT_LE(Needed, 129);
}

TEST(SubstituteFont, HasTheLayoutsPixelHeightAndWeight)
{
    const QFont Font = SubstituteFont(-13, true);
    EXPECT_EQ(Font.pixelSize(), 13);
    EXPECT_TRUE(Font.bold());
    EXPECT_FALSE(SubstituteFont(-11, false).bold());
}

} // namespace
