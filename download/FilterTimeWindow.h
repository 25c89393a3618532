#pragma once

#include "platform/DateTimeControl.h"

#include <cstdint>
#include <optional>

namespace corvane {

// The time window of a filtered download as its pickers show it: a date
// picker and a time picker for each end, in the PC's local time, and the
// am/pm buttons beside each time. Local time follows the C library's time
// zone (TZ), daylight saving decided by it.

// True from 12:00 on.
bool IsAfternoonTime(const DateTimeFields& time);

// The time moved by 12 hours into the morning (afternoon false) or the
// afternoon when it is not there yet; otherwise unchanged.
DateTimeFields TimeInHalfOfDay(DateTimeFields time, bool afternoon);

// One end of the window: the date of one picker with the time of day of the
// other, and the half of the day its buttons mark (nothing when neither).
struct PickedMoment {
    DateTimeFields date;
    DateTimeFields time;
    std::optional<bool> afternoon;
};

// Seconds since 1970 UTC of a picked moment taken as local time, after its
// half of the day was applied; held to the 32 bits a session's times have
// (a moment before 1970 gives 0, one after 2106 the largest value).
std::uint32_t PickedSeconds(const PickedMoment& moment);

struct TimeWindow {
    std::uint32_t start = 0;
    std::uint32_t stop = 0;
};

TimeWindow WindowFromPickers(const PickedMoment& start, const PickedMoment& stop);

}  // namespace corvane
