#include "data/TimeStampTexts.h"

#include "base/CivilTime.h"
#include "data/IntegerText.h"

#include <ctime>

namespace corvane {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;
constexpr int kSecondsPerHour = 3600;
constexpr int kSecondsPerMinute = 60;

}  // namespace

void TimeStampTexts::SetDate(int year, int month, int day)
{
    if (!date_.empty() && year == year_ && month == month_ && day == day_)
        return;
    year_ = year;
    month_ = month;
    day_ = day;
    date_.assign(1, ' ');
    AppendPadded(date_, month, 2);
    date_.push_back('/');
    AppendPadded(date_, day, 2);
    date_.push_back('/');
    AppendPadded(date_, year, 4);
}

void TimeStampTexts::SetTime(int hour, int minute, int second)
{
    time_.assign(1, ' ');
    AppendPadded(time_, hour, 2);
    time_.push_back(':');
    AppendPadded(time_, minute, 2);
    time_.push_back(':');
    AppendPadded(time_, second, 2);
}

void TimeStampTexts::Update(std::uint32_t seconds)
{
    if (known_ && seconds == seconds_)
        return;
    known_ = true;
    seconds_ = seconds;
    if (local_) {
        // The PC's local time, by the process's TZ setting.
        const auto time = static_cast<std::time_t>(seconds);
        std::tm parts{};
        if (::localtime_r(&time, &parts) != nullptr) {
            SetDate(parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday);
            SetTime(parts.tm_hour, parts.tm_min, parts.tm_sec);
            return;
        }
    } else if (!date_.empty() && seconds >= dayStart_ && seconds < dayStart_ + kSecondsPerDay) {
        const auto ofDay = static_cast<int>(seconds - dayStart_);
        SetTime(ofDay / kSecondsPerHour, ofDay / kSecondsPerMinute % kSecondsPerMinute, ofDay % kSecondsPerMinute);
        return;
    }
    const CivilTime civil = BreakDownUtc(seconds);
    SetDate(civil.year, civil.month, civil.day);
    SetTime(civil.hour, civil.minute, civil.second);
    if (!local_)
        dayStart_ = static_cast<std::int64_t>(seconds) - civil.hour * kSecondsPerHour - civil.minute * kSecondsPerMinute
            - civil.second;
}

}  // namespace corvane
