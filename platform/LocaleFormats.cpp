#include "platform/LocaleFormats.h"

#include <QDate>
#include <QLocale>
#include <QTime>

namespace corvane {

std::string FormatLocaleShortDate(int year, int month, int day)
{
    const QDate date(year, month, day);
    if (!date.isValid())
        return {};
    return QLocale().toString(date, QLocale::ShortFormat).toStdString();
}

std::string FormatLocaleTime(int hour, int minute, int second)
{
    const QTime time(hour, minute, second);
    if (!time.isValid())
        return {};
    // The long format may name the time zone ('t'); a time of day has none.
    QString format = QLocale().timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    return QLocale().toString(time, format.trimmed()).toStdString();
}

void SetFormatLocale(std::string_view name)
{
    QLocale::setDefault(name.empty() ? QLocale::system()
                                     : QLocale(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()))));
}

}  // namespace corvane
