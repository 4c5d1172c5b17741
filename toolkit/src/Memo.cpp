#include "Memo.h"

#include "Ansi.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>

#include <utility>

TMemo::TMemo(std::string Name, QWidget* Widget)
    : TControl(std::move(Name), Widget)
{ }

void TMemo::AddLine(const std::string& Line)
{
    // Every line added ends with a line break, so the text ends in an empty line, where the
    // caret goes; after a last line without a break the new line is joined with one.
    auto* Edit = static_cast<QPlainTextEdit*>(Widget());
    const QString Text = QString::fromStdString(AnsiToUtf8(Line));
    QTextCursor Cursor(Edit->document());
    Cursor.movePosition(QTextCursor::End);
    if (Cursor.block().length() > 1)
        Cursor.insertText(QLatin1Char('\n') + Text);
    else
        Cursor.insertText(Text + QLatin1Char('\n'));
    Edit->setTextCursor(Cursor);
    Edit->ensureCursorVisible();
}

std::vector<std::string> TMemo::Lines() const
{
    const auto* Edit = static_cast<const QPlainTextEdit*>(Widget());
    std::vector<std::string> Result;
    for (QTextBlock Block = Edit->document()->begin(); Block.isValid(); Block = Block.next())
        Result.push_back(Utf8ToAnsi(Block.text().toStdString()));
    // The empty line after the last line break is not a line of its own.
    if (!Result.empty() && Result.back().empty())
        Result.pop_back();
    return Result;
}
