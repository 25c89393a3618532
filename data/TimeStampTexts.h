#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

// The date and time texts of converted rows for one clock, UTC or the PC's
// time zone: " MM/DD/YYYY" and " HH:MM:SS". Rows come mostly in time order
// a second or less apart, so the texts are kept from row to row: nothing
// changes within a second, and in UTC the date is rebuilt only when the
// day changes. The PC's zone is asked once per new second, as its offset
// may change at any second.
class TimeStampTexts {
public:
    explicit TimeStampTexts(bool local) : local_(local) {}

    // Brings the texts to the given time (seconds since 1970 UTC).
    void Update(std::uint32_t seconds);

    std::string_view Date() const { return date_; }
    std::string_view Time() const { return time_; }

private:
    void SetDate(int year, int month, int day);
    void SetTime(int hour, int minute, int second);

    bool local_;
    bool known_ = false;
    std::uint32_t seconds_ = 0;
    // In UTC, the first second of the day the date text shows.
    std::int64_t dayStart_ = 0;
    int year_ = 0;
    int month_ = 0;
    int day_ = 0;
    std::string date_;
    std::string time_;
};

}  // namespace corvane
