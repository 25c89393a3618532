#pragma once

#include "platform/Control.h"

#include <cstdint>
#include <string>

namespace corvane {

// A date and time as calendar fields.
struct DateTimeFields {
    int year = 1970;
    int month = 1;  // 1..12
    int day = 1;    // 1..31
    int hour = 0;   // 0..23
    int minute = 0;
    int second = 0;
    friend bool operator==(const DateTimeFields&, const DateTimeFields&) = default;
};

// A date picker (kind DatePicker, with a drop-down calendar) or a time
// picker (TimePicker, with arrows). Either holds a whole date and time, from
// the year 1601 to 9999, and shows and lets the user change its part of it.
// At first it holds the time it was made.
//
// Notifications: Changed when the user changes the value; never for changes
// by the program.
class DateTimeControl : public Control {
public:
    using Control::Control;

    DateTimeFields GetTime() const;
    // False, changing nothing, for fields that are no date and time.
    bool SetTime(const DateTimeFields& fields);
    // Seconds since 1970 of the value taken as local time.
    std::int64_t GetTimeSeconds() const;
    bool SetTimeSeconds(std::int64_t seconds);

    // The display format, in these letters (others are shown as they are, as
    // is text in single quotes; '' is a quote): d dd day, ddd dddd weekday
    // name, M MM month, MMM MMMM month name, yy year in two digits, yyyy in
    // four, h hh hour of 12 (with t or tt: AM/PM), H HH hour of 24, m mm
    // minute, s ss second. Empty: the default of the kind.
    void SetFormat(std::string_view format);

    // The text as shown.
    std::string GetText() const override;
};

}  // namespace corvane
