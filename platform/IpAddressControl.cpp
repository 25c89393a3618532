#include "platform/IpAddressControl.h"

#include "platform/internal/ControlWidgets.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QStyleOptionFrame>
#include <QValidator>

#include <vector>

namespace corvane {

namespace {

IpAddressWidget* Ip(const Control& c) { return dynamic_cast<IpAddressWidget*>(c.Impl().widget.data()); }

// A field: up to three digits making no more than 255, or nothing.
class OctetValidator final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        if (input.size() > 3)
            return Invalid;
        for (QChar c : input)
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return Invalid;
        return input.isEmpty() || input.toInt() <= 255 ? Acceptable : Invalid;
    }
};

// A number 0 to 255 of one to three digits.
std::optional<int> ParseOctet(std::string_view part)
{
    if (part.empty() || part.size() > 3)
        return std::nullopt;
    int value = 0;
    for (char c : part) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value > 255)
        return std::nullopt;
    return value;
}

std::vector<std::string_view> SplitDots(std::string_view text)
{
    std::vector<std::string_view> parts;
    for (;;) {
        const std::size_t dot = text.find('.');
        parts.push_back(text.substr(0, dot));
        if (dot == std::string_view::npos)
            return parts;
        text.remove_prefix(dot + 1);
    }
}

}  // namespace

// ---------------------------------------------------------- IpAddressWidget

IpAddressWidget::IpAddressWidget(
    DialogImpl& dialog, ControlImpl& control, const ControlTemplate& layout, QWidget* parent)
    : QWidget(parent)
{
    const int id = layout.id;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        auto* field = new QLineEdit(this);
        field->setFrame(false);
        field->setAlignment(Qt::AlignCenter);
        field->setMaxLength(3);
        field->setValidator(new OctetValidator(field));
        field->installEventFilter(this);
        fields[i] = field;
        const int index = static_cast<int>(i);
        connect(field, &QLineEdit::textEdited, [this, &dialog, &control, id, index](const QString& text) {
            if (!IsUserChange(dialog, control))
                return;
            dialog.Notify(Notification::Changed, id);
            // A whole number moves on to the next field.
            if (text.size() == 3 && index < 3 && fields[static_cast<std::size_t>(index)]->cursorPosition() == 3)
                MoveTo(index + 1, false);
        });
    }
    for (QWidget*& dot : dots_) {
        auto* label = new QLabel(QStringLiteral("."), this);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        dot = label;
    }
    setFocusProxy(fields[0]);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    resize(layout.rect.width, layout.rect.height);
    Relayout();
}

void IpAddressWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOptionFrame option;
    option.initFrom(this);
    option.rect = rect();
    option.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    for (QLineEdit* field : fields)
        if (field->hasFocus())
            option.state |= QStyle::State_HasFocus;
    painter.fillRect(rect(), palette().brush(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Base));
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);
}

void IpAddressWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Relayout();
}

void IpAddressWidget::Relayout()
{
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this) + 1;
    const int dotWidth = fontMetrics().horizontalAdvance(QLatin1Char('.')) + 4;
    const int inner = std::max(0, width() - 2 * frame - 3 * dotWidth);
    const int height = std::max(0, this->height() - 2 * frame);
    int x = frame;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        // The spare pixels go to the first fields.
        const int w = inner / 4 + (static_cast<int>(i) < inner % 4 ? 1 : 0);
        fields[i]->setGeometry(x, frame, w, height);
        x += w;
        if (i < dots_.size()) {
            dots_[i]->setGeometry(x, frame, dotWidth, height - fontMetrics().descent());
            x += dotWidth;
        }
    }
}

void IpAddressWidget::MoveTo(int field, bool toEnd)
{
    QLineEdit* next = fields[static_cast<std::size_t>(field)];
    next->setFocus(Qt::TabFocusReason);
    if (toEnd)
        next->setCursorPosition(static_cast<int>(next->text().size()));
    else
        next->selectAll();
}

// A dot or space moves on to the next field; the arrows and Backspace cross
// from one field to the next at their ends.
bool IpAddressWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    int index = -1;
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (watched == fields[i])
            index = static_cast<int>(i);
    if (index < 0)
        return false;
    QLineEdit* field = fields[static_cast<std::size_t>(index)];
    const auto* key = static_cast<QKeyEvent*>(event);
    const int caret = field->cursorPosition();
    const bool atStart = caret == 0 && !field->hasSelectedText();
    const bool atEnd = caret == field->text().size() && !field->hasSelectedText();
    const QString text = key->text();
    if (text == QLatin1String(".") || text == QLatin1String(" ")) {
        if (index < 3 && !field->text().isEmpty())
            MoveTo(index + 1, false);
        return true;
    }
    switch (key->key()) {
    case Qt::Key_Left:
        if (atStart && index > 0) {
            MoveTo(index - 1, true);
            return true;
        }
        break;
    case Qt::Key_Backspace:
        if (atStart && index > 0) {
            MoveTo(index - 1, true);
            return true;
        }
        break;
    case Qt::Key_Right:
        if (atEnd && index < 3) {
            MoveTo(index + 1, false);
            fields[static_cast<std::size_t>(index + 1)]->setCursorPosition(0);
            return true;
        }
        break;
    default: break;
    }
    return false;
}

// --------------------------------------------------------- IpAddressControl

void IpAddressControl::SetAddress(std::uint32_t address)
{
    IpAddressWidget* ip = Ip(*this);
    if (ip == nullptr)
        return;
    ProgrammaticChange change(Impl());
    for (std::size_t i = 0; i < ip->fields.size(); ++i)
        ip->fields[i]->setText(QString::number((address >> (24 - 8 * i)) & 0xFFu));
}

int IpAddressControl::GetAddress(std::uint32_t& address) const
{
    address = 0;
    IpAddressWidget* ip = Ip(*this);
    if (ip == nullptr)
        return 0;
    int filled = 0;
    for (std::size_t i = 0; i < ip->fields.size(); ++i) {
        const QString text = ip->fields[i]->text();
        if (text.isEmpty())
            continue;
        ++filled;
        address |= (static_cast<std::uint32_t>(text.toUInt()) & 0xFFu) << (24 - 8 * i);
    }
    return filled;
}

void IpAddressControl::ClearAddress()
{
    if (IpAddressWidget* ip = Ip(*this)) {
        ProgrammaticChange change(Impl());
        for (QLineEdit* field : ip->fields)
            field->clear();
    }
}

bool IpAddressControl::IsBlank() const
{
    std::uint32_t ignored = 0;
    return GetAddress(ignored) == 0;
}

void IpAddressControl::SetFieldFocus(int field)
{
    IpAddressWidget* ip = Ip(*this);
    if (ip == nullptr)
        return;
    if (field < 0 || field > 3) {
        field = 0;
        for (int i = 0; i < 4; ++i) {
            if (ip->fields[static_cast<std::size_t>(i)]->text().isEmpty()) {
                field = i;
                break;
            }
        }
    }
    QLineEdit* target = ip->fields[static_cast<std::size_t>(field)];
    target->setFocus(Qt::OtherFocusReason);
    target->selectAll();
}

void IpAddressControl::SetText(std::string_view text)
{
    IpAddressWidget* ip = Ip(*this);
    if (ip == nullptr)
        return;
    const std::vector<std::string_view> parts = SplitDots(text);
    ProgrammaticChange change(Impl());
    for (std::size_t i = 0; i < ip->fields.size(); ++i) {
        const std::optional<int> octet = i < parts.size() ? ParseOctet(parts[i]) : std::nullopt;
        ip->fields[i]->setText(octet ? QString::number(*octet) : QString());
    }
}

std::string IpAddressControl::GetText() const
{
    IpAddressWidget* ip = Ip(*this);
    if (ip == nullptr)
        return {};
    std::string text;
    for (std::size_t i = 0; i < ip->fields.size(); ++i) {
        if (i > 0)
            text += '.';
        text += ip->fields[i]->text().toStdString();
    }
    return text;
}

std::optional<std::uint32_t> IpAddressControl::ParseAddress(std::string_view text)
{
    const std::vector<std::string_view> parts = SplitDots(text);
    if (parts.size() != 4)
        return std::nullopt;
    std::uint32_t address = 0;
    for (std::string_view part : parts) {
        const std::optional<int> octet = ParseOctet(part);
        if (!octet)
            return std::nullopt;
        address = (address << 8) | static_cast<std::uint32_t>(*octet);
    }
    return address;
}

std::string IpAddressControl::FormatAddress(std::uint32_t address)
{
    return std::to_string((address >> 24) & 0xFFu) + '.' + std::to_string((address >> 16) & 0xFFu) + '.'
        + std::to_string((address >> 8) & 0xFFu) + '.' + std::to_string(address & 0xFFu);
}

}  // namespace corvane
