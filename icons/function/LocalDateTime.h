#pragma once

#include <cstdint>

namespace corvane {

class ButtonControl;
class DateTimeControl;

// Moments edited as a date picker and a time picker in local time, as the
// scheduler and the start/stop clock show them. Local time follows the
// C library's time zone (TZ), daylight saving decided by it.

// Seconds since 1970 UTC of the date shown by one picker and the time of
// day shown by another, taken together as a local time.
std::int64_t LocalPickerSeconds(const DateTimeControl& date, const DateTimeControl& time);

// Shows a moment in local time on both pickers.
void ShowLocalSeconds(DateTimeControl& date, DateTimeControl& time, std::int64_t seconds);

// True when the time picker shows 12:00 or later.
bool IsAfternoon(const DateTimeControl& time);

// Checks the AM or the PM button to match the time picker.
void ShowHalfOfDay(const DateTimeControl& time, ButtonControl& am, ButtonControl& pm);

// Moves the time picker's hour into the morning (afternoon false) or the
// afternoon, by 12 hours, when it is not there yet.
void MoveToHalfOfDay(DateTimeControl& time, bool afternoon);

// True when the date picker's date lies from 1980-01-01 to 2038-01-01,
// the dates the logger's calendar takes.
bool InScheduleDateRange(const DateTimeControl& date);

}  // namespace corvane
