#include "platform/EditControl.h"

#include "platform/internal/DialogInternals.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QValidator>

namespace corvane {

namespace {

QLineEdit* Line(const Control& c) { return qobject_cast<QLineEdit*>(c.Impl().widget.data()); }
QPlainTextEdit* Multi(const Control& c) { return qobject_cast<QPlainTextEdit*>(c.Impl().widget.data()); }

// Accepts a text when every character passes the filter, so typing and
// pasting are judged alike.
class CharFilterValidator final : public QValidator {
public:
    CharFilterValidator(std::function<bool(char32_t)> accept, QObject* parent)
        : QValidator(parent), accept_(std::move(accept))
    {}
    State validate(QString& input, int&) const override
    {
        for (char32_t c : input.toStdU32String())
            if (!accept_(c))
                return Invalid;
        return Acceptable;
    }

private:
    std::function<bool(char32_t)> accept_;
};

}  // namespace

void EditControl::SetText(std::string_view text)
{
    const QString value = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    if (QLineEdit* line = Line(*this))
        line->setText(value);
    else if (QPlainTextEdit* multi = Multi(*this))
        multi->setPlainText(value);
}

std::string EditControl::GetText() const
{
    if (QLineEdit* line = Line(*this))
        return line->text().toStdString();
    if (QPlainTextEdit* multi = Multi(*this))
        return multi->toPlainText().toStdString();
    return {};
}

void EditControl::SetLimitText(std::size_t characters)
{
    if (QLineEdit* line = Line(*this))
        line->setMaxLength(characters == 0 || characters > 32767 ? 32767 : static_cast<int>(characters));
    else
        Impl().limit = characters;
}

std::size_t EditControl::LimitText() const
{
    if (QLineEdit* line = Line(*this))
        return line->maxLength() == 32767 ? 0 : static_cast<std::size_t>(line->maxLength());
    return Impl().limit;
}

void EditControl::SetReadOnly(bool readOnly)
{
    if (QLineEdit* line = Line(*this))
        line->setReadOnly(readOnly);
    else if (QPlainTextEdit* multi = Multi(*this))
        multi->setReadOnly(readOnly);
}

bool EditControl::IsReadOnly() const
{
    if (QLineEdit* line = Line(*this))
        return line->isReadOnly();
    if (QPlainTextEdit* multi = Multi(*this))
        return multi->isReadOnly();
    return false;
}

void EditControl::SetSel(int start, int end)
{
    if (QLineEdit* line = Line(*this)) {
        const int length = static_cast<int>(line->text().size());
        const int from = std::clamp(start, 0, length);
        const int to = end < 0 ? length : std::clamp(end, 0, length);
        line->setSelection(from, to - from);
    } else if (QPlainTextEdit* multi = Multi(*this)) {
        QTextCursor cursor = multi->textCursor();
        const int length = static_cast<int>(multi->toPlainText().size());
        cursor.setPosition(std::clamp(start, 0, length));
        cursor.setPosition(end < 0 ? length : std::clamp(end, 0, length), QTextCursor::KeepAnchor);
        multi->setTextCursor(cursor);
    }
}

std::pair<int, int> EditControl::GetSel() const
{
    if (QLineEdit* line = Line(*this)) {
        if (!line->hasSelectedText())
            return {line->cursorPosition(), line->cursorPosition()};
        const int start = line->selectionStart();
        return {start, start + static_cast<int>(line->selectedText().size())};
    }
    if (QPlainTextEdit* multi = Multi(*this)) {
        const QTextCursor cursor = multi->textCursor();
        return {cursor.selectionStart(), cursor.selectionEnd()};
    }
    return {0, 0};
}

void EditControl::ReplaceSel(std::string_view text)
{
    const QString value = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    if (QLineEdit* line = Line(*this))
        line->insert(value);
    else if (QPlainTextEdit* multi = Multi(*this))
        multi->insertPlainText(value);
}

int EditControl::CaretPosition() const
{
    if (QLineEdit* line = Line(*this))
        return line->cursorPosition();
    if (QPlainTextEdit* multi = Multi(*this))
        return multi->textCursor().position();
    return 0;
}

void EditControl::SetCharFilter(std::function<bool(char32_t)> accept)
{
    if (QLineEdit* line = Line(*this)) {
        line->setValidator(accept ? new CharFilterValidator(std::move(accept), line) : nullptr);
        return;
    }
    // Multi-line edits have no validator; the dialog's key filter applies it.
    Impl().charFilter = std::move(accept);
}

}  // namespace corvane
