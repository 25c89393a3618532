#pragma once

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace corvane::test {

// Sets the C library's time zone (TZ) for the life of the object, so that
// local dates and times are the same on every machine.
class PinnedTimeZone {
public:
    explicit PinnedTimeZone(const char* zone)
    {
        if (const char* old = std::getenv("TZ"))
            previous_ = old;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~PinnedTimeZone()
    {
        if (previous_)
            setenv("TZ", previous_->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }
    PinnedTimeZone(const PinnedTimeZone&) = delete;
    PinnedTimeZone& operator=(const PinnedTimeZone&) = delete;

private:
    std::optional<std::string> previous_;
};

// Central European time with its summer time, for daylight-saving cases.
inline constexpr const char* kCentralEurope = "CET-1CEST,M3.5.0,M10.5.0/3";

}  // namespace corvane::test
