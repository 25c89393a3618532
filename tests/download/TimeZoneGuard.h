#pragma once

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace corvane::test {

// Sets the process's TZ for a test and puts the old one back.
class TimeZoneGuard {
public:
    explicit TimeZoneGuard(const char* zone)
    {
        if (const char* old = std::getenv("TZ"))
            old_ = old;
        ::setenv("TZ", zone, 1);
        ::tzset();
    }
    ~TimeZoneGuard()
    {
        if (old_)
            ::setenv("TZ", old_->c_str(), 1);
        else
            ::unsetenv("TZ");
        ::tzset();
    }
    TimeZoneGuard(const TimeZoneGuard&) = delete;
    TimeZoneGuard& operator=(const TimeZoneGuard&) = delete;

private:
    std::optional<std::string> old_;
};

}  // namespace corvane::test
