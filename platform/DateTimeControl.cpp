#include "platform/DateTimeControl.h"

#include "platform/internal/ControlWidgets.h"

#include <QLocale>

#include <ctime>

namespace corvane {

namespace {

PickerWidget* Picker(const Control& c) { return dynamic_cast<PickerWidget*>(c.Impl().widget.data()); }

QDateTime Earliest() { return {QDate(1601, 1, 1), QTime(0, 0, 0), Qt::UTC}; }
QDateTime Latest() { return {QDate(9999, 12, 31), QTime(23, 59, 59), Qt::UTC}; }

QString Quoted(const QString& text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + escaped + QLatin1Char('\'');
}

// The toolkit's format for one of ours: runs of format letters map to the
// toolkit's, everything else is quoted so that it shows as it is.
QString ToolkitFormat(const QString& format)
{
    QString out;
    QString literal;
    auto flush = [&] {
        if (!literal.isEmpty())
            out += Quoted(literal);
        literal.clear();
    };
    const qsizetype size = format.size();
    for (qsizetype i = 0; i < size;) {
        const QChar c = format[i];
        if (c == QLatin1Char('\'')) {
            // Quoted text; '' inside or outside quotes is a quote.
            if (i + 1 < size && format[i + 1] == QLatin1Char('\'')) {
                literal += c;
                i += 2;
                continue;
            }
            ++i;
            while (i < size) {
                if (format[i] == QLatin1Char('\'')) {
                    if (i + 1 < size && format[i + 1] == QLatin1Char('\'')) {
                        literal += QLatin1Char('\'');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                literal += format[i++];
            }
            continue;
        }
        qsizetype run = 1;
        while (i + run < size && format[i + run] == c)
            ++run;
        const char letter = c.toLatin1();
        QString mapped;
        switch (letter) {
        case 'd':
        case 'M': mapped = QString(static_cast<qsizetype>(std::min<qsizetype>(run, 4)), c); break;
        case 'y': mapped = run <= 2 ? QStringLiteral("yy") : QStringLiteral("yyyy"); break;
        case 'h':
        case 'H':
        case 'm':
        case 's': mapped = QString(static_cast<qsizetype>(std::min<qsizetype>(run, 2)), c); break;
        case 't': mapped = QStringLiteral("AP"); break;
        default: break;
        }
        if (mapped.isEmpty()) {
            literal += QString(run, c);
        } else {
            flush();
            out += mapped;
        }
        i += run;
    }
    flush();
    return out;
}

QString DefaultFormat(ControlKind kind)
{
    if (kind == ControlKind::TimePicker)
        return QStringLiteral("HH:mm:ss");
    // The desktop's short date, always with the whole year.
    QString format = QLocale::system().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

bool Valid(const DateTimeFields& f)
{
    return f.year >= 1601 && f.year <= 9999 && QDate::isValid(f.year, f.month, f.day)
        && QTime::isValid(f.hour, f.minute, f.second);
}

}  // namespace

// ------------------------------------------------------------- PickerWidget

PickerWidget::PickerWidget(DialogImpl& dialog, ControlImpl& control, const ControlTemplate& layout, QWidget* parent)
    : QDateTimeEdit(parent), date(1970, 1, 1), time(0, 0, 0), control_(control)
{
    // The fields are kept as given, free of any time zone.
    setTimeSpec(Qt::UTC);
    setDateTimeRange(Earliest(), Latest());
    setCalendarPopup(layout.kind == ControlKind::DatePicker);
    const int id = layout.id;
    connect(this, &QDateTimeEdit::dateTimeChanged, [this, &dialog, id](const QDateTime& value) {
        if (!IsUserChange(dialog, control_))
            return;
        const Sections shown = displayedSections();
        if ((shown & DateSections_Mask) != 0)
            date = value.date();
        if ((shown & TimeSections_Mask) != 0)
            time = value.time();
        dialog.Notify(Notification::Changed, id);
    });
}

void PickerWidget::ShowValue()
{
    ProgrammaticChange change(control_);
    // Only the shown part: a time-only edit holds to one day.
    const Sections shown = displayedSections();
    if ((shown & DateSections_Mask) != 0 && (shown & TimeSections_Mask) != 0)
        setDateTime(QDateTime(date, time, Qt::UTC));
    else if ((shown & DateSections_Mask) != 0)
        setDate(date);
    else
        setTime(time);
}

void PickerWidget::SetDisplayFormat(const QString& format)
{
    ProgrammaticChange change(control_);
    setDisplayFormat(format);
    // A time-only format narrows the dates to one day; a later one with dates widens them again.
    if ((displayedSections() & DateSections_Mask) != 0)
        setDateTimeRange(Earliest(), Latest());
    ShowValue();
}

// ---------------------------------------------------------- DateTimeControl

DateTimeFields DateTimeControl::GetTime() const
{
    PickerWidget* picker = Picker(*this);
    if (picker == nullptr)
        return {};
    const QDate& date = picker->date;
    const QTime& time = picker->time;
    return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
}

bool DateTimeControl::SetTime(const DateTimeFields& fields)
{
    PickerWidget* picker = Picker(*this);
    if (picker == nullptr || !Valid(fields))
        return false;
    picker->date = QDate(fields.year, fields.month, fields.day);
    picker->time = QTime(fields.hour, fields.minute, fields.second);
    picker->ShowValue();
    return true;
}

std::int64_t DateTimeControl::GetTimeSeconds() const
{
    const DateTimeFields f = GetTime();
    std::tm local{};
    local.tm_year = f.year - 1900;
    local.tm_mon = f.month - 1;
    local.tm_mday = f.day;
    local.tm_hour = f.hour;
    local.tm_min = f.minute;
    local.tm_sec = f.second;
    local.tm_isdst = -1;
    return static_cast<std::int64_t>(std::mktime(&local));
}

bool DateTimeControl::SetTimeSeconds(std::int64_t seconds)
{
    static_assert(sizeof(std::time_t) >= sizeof(std::int64_t), "seconds since 1970 fit the system's time");
    const auto time = static_cast<std::time_t>(seconds);
    std::tm local{};
    if (localtime_r(&time, &local) == nullptr)
        return false;
    return SetTime({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
        std::min(local.tm_sec, 59)});
}

void DateTimeControl::SetFormat(std::string_view format)
{
    if (PickerWidget* picker = Picker(*this))
        picker->SetDisplayFormat(format.empty() ? DefaultFormat(Kind()) : ToolkitFormat(ToQString(format)));
}

std::string DateTimeControl::GetText() const
{
    PickerWidget* picker = Picker(*this);
    return picker != nullptr ? picker->text().toStdString() : std::string();
}

}  // namespace corvane
