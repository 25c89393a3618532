#include "platform/LogBoxControl.h"

#include "platform/internal/ControlWidgets.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

#include <algorithm>

namespace corvane {

namespace {

QPlainTextEdit* Log(const Control& c) { return qobject_cast<QPlainTextEdit*>(c.Impl().widget.data()); }

// Line breaks of any kind become the log's own.
QString Lines(std::string_view text)
{
    QString value = ToQString(text);
    value.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    value.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return value;
}

void ShowLastLine(QPlainTextEdit& log)
{
    log.moveCursor(QTextCursor::End);
    log.ensureCursorVisible();
    log.verticalScrollBar()->setValue(log.verticalScrollBar()->maximum());
}

}  // namespace

void LogBoxControl::AppendLine(std::string_view text)
{
    QPlainTextEdit* log = Log(*this);
    if (log == nullptr)
        return;
    ProgrammaticChange change(Impl());
    // An empty log has one empty line already, which the first line fills.
    QTextCursor cursor(log->document());
    cursor.movePosition(QTextCursor::End);
    if (!empty_)
        cursor.insertBlock();
    cursor.insertText(Lines(text));
    empty_ = false;
    ShowLastLine(*log);
}

void LogBoxControl::Clear()
{
    if (QPlainTextEdit* log = Log(*this)) {
        ProgrammaticChange change(Impl());
        log->clear();
    }
    empty_ = true;
}

int LogBoxControl::GetLineCount() const
{
    QPlainTextEdit* log = Log(*this);
    return log == nullptr || empty_ ? 0 : log->document()->blockCount();
}

std::string LogBoxControl::GetLine(int index) const
{
    if (index < 0 || index >= GetLineCount())
        return {};
    return Log(*this)->document()->findBlockByNumber(index).text().toStdString();
}

void LogBoxControl::SetMaxLines(int lines)
{
    if (QPlainTextEdit* log = Log(*this)) {
        ProgrammaticChange change(Impl());
        log->setMaximumBlockCount(std::max(0, lines));
        ShowLastLine(*log);
    }
}

int LogBoxControl::GetMaxLines() const
{
    QPlainTextEdit* log = Log(*this);
    return log != nullptr ? log->maximumBlockCount() : 0;
}

void LogBoxControl::SetText(std::string_view text)
{
    if (text.empty()) {
        Clear();
        return;
    }
    QPlainTextEdit* log = Log(*this);
    if (log == nullptr)
        return;
    ProgrammaticChange change(Impl());
    log->setPlainText(Lines(text));
    empty_ = false;
    ShowLastLine(*log);
}

std::string LogBoxControl::GetText() const
{
    QPlainTextEdit* log = Log(*this);
    return log != nullptr && !empty_ ? log->toPlainText().toStdString() : std::string();
}

}  // namespace corvane
