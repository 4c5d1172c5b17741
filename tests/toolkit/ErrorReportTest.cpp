// The error report: the text rule, the caption, and the modal box with its own event loop.
#include "ToolkitFixture.h"

#include "RowPrinting.h"
#include "SysUtils.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <ostream>
#include <stdexcept>

using ::testing::ElementsAre;

namespace {

struct ReportCase {
    const char* Name;
    const char* Message;
    const char* Text;
};

void PrintTo(const ReportCase& Row, std::ostream* Out)
{
    PrintRow(Out, Row.Name, Printed(Row.Message) + " -> " + Printed(Row.Text));
}

class ErrorReportTest : public ToolkitTest, public ::testing::WithParamInterface<ReportCase> { };

TEST_P(ErrorReportTest, AddsAFullStopWhenTheLastByteSortsAfterIt)
{
    Application->ShowException(Exception(GetParam().Message));
    EXPECT_THAT(Errors.Texts(), ElementsAre(GetParam().Text));
    EXPECT_THAT(Errors.Captions(), ElementsAre("Kvizora"));
}

INSTANTIATE_TEST_SUITE_P(Messages, ErrorReportTest,
    ::testing::Values(ReportCase{"Letter", "File not found", "File not found."},
        ReportCase{"FullStop", "Done.", "Done."}, ReportCase{"Exclamation", "Stop!", "Stop!"},
        ReportCase{"Apostrophe", "''", "''"}, ReportCase{"Hyphen", "8-", "8-"},
        ReportCase{"Slash", "a/", "a/."}, ReportCase{"Digit", "I/O error 13", "I/O error 13."},
        ReportCase{"WindowsCyrillic", "\xEE\xF8\xE8\xE1\xEA\xE0", "\xEE\xF8\xE8\xE1\xEA\xE0."},
        ReportCase{"Empty", "", ""}),
    [](const ::testing::TestParamInfo<ReportCase>& Info) { return std::string(Info.param.Name); });

TEST_F(ToolkitTest, ReportsAWholeMessageAlsoPastANulByte)
{
    const std::string Line("a\0b", 3);
    Application->ShowException(EConvertError("'" + Line + "' is not a valid integer value"));
    EXPECT_THAT(Errors.Texts(), ElementsAre("'" + Line + "' is not a valid integer value."));
}

TEST(ErrorBoxTest, IsAModalCriticalBoxWithOneOkButtonOnANestedEventLoop)
{
    Application->SetTitle("Kvizora");
    bool Seen = false;
    QTimer::singleShot(0, [&] {
        auto* Box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(Box, nullptr);
        Seen = true;
        EXPECT_EQ(Box->windowTitle(), QStringLiteral("Kvizora"));
        EXPECT_EQ(Box->text(), QStringLiteral("Файл не найден."));
        EXPECT_EQ(Box->icon(), QMessageBox::Critical);
        EXPECT_EQ(Box->standardButtons(), QMessageBox::Ok);
        Box->button(QMessageBox::Ok)->click();
    });
    Application->ShowException(std::runtime_error("\xD4\xE0\xE9\xEB \xED\xE5 \xED\xE0\xE9\xE4\xE5\xED"));
    EXPECT_TRUE(Seen);
}

TEST(ErrorBoxTest, ShowsAMessageThatLooksLikeMarkupAsItIs)
{
    Application->SetTitle("Kvizora");
    QString Shown;
    Qt::TextFormat Format = Qt::AutoText;
    QTimer::singleShot(0, [&] {
        auto* Box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(Box, nullptr);
        Shown = Box->text();
        Format = Box->textFormat();
        Box->button(QMessageBox::Ok)->click();
    });
    Application->ShowException(EConvertError("'<b>7</b>' is not a valid integer value"));
    EXPECT_EQ(Shown, QStringLiteral("'<b>7</b>' is not a valid integer value."));
    EXPECT_EQ(Format, Qt::PlainText);
}

} // namespace
