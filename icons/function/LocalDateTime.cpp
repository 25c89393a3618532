#include "icons/function/LocalDateTime.h"

#include "platform/ButtonControl.h"
#include "platform/DateTimeControl.h"

#include <ctime>
#include <tuple>

namespace corvane {
namespace {

constexpr int kNoon = 12;

}  // namespace

std::int64_t LocalPickerSeconds(const DateTimeControl& date, const DateTimeControl& time)
{
    const DateTimeFields d = date.GetTime();
    const DateTimeFields t = time.GetTime();
    std::tm local{};
    local.tm_year = d.year - 1900;
    local.tm_mon = d.month - 1;
    local.tm_mday = d.day;
    local.tm_hour = t.hour;
    local.tm_min = t.minute;
    local.tm_sec = t.second;
    local.tm_isdst = -1;
    return static_cast<std::int64_t>(std::mktime(&local));
}

void ShowLocalSeconds(DateTimeControl& date, DateTimeControl& time, std::int64_t seconds)
{
    date.SetTimeSeconds(seconds);
    time.SetTimeSeconds(seconds);
}

bool IsAfternoon(const DateTimeControl& time)
{
    return time.GetTime().hour >= kNoon;
}

void ShowHalfOfDay(const DateTimeControl& time, ButtonControl& am, ButtonControl& pm)
{
    const bool afternoon = IsAfternoon(time);
    am.SetCheck(afternoon ? 0 : 1);
    pm.SetCheck(afternoon ? 1 : 0);
}

void MoveToHalfOfDay(DateTimeControl& time, bool afternoon)
{
    DateTimeFields fields = time.GetTime();
    if (afternoon && fields.hour < kNoon)
        fields.hour += kNoon;
    else if (!afternoon && fields.hour >= kNoon)
        fields.hour -= kNoon;
    else
        return;
    time.SetTime(fields);
}

bool InScheduleDateRange(const DateTimeControl& date)
{
    const DateTimeFields d = date.GetTime();
    const auto day = std::make_tuple(d.year, d.month, d.day);
    return day >= std::make_tuple(1980, 1, 1) && day <= std::make_tuple(2038, 1, 1);
}

}  // namespace corvane
