#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace corvane {

// One point a simulated session logs. kind is the value record's type: 0
// boolean, 1 32-bit integer, 2 32-bit float.
struct LoggedPoint {
    std::uint8_t kind = 2;
    std::uint8_t sourceKey = 1;
    std::int16_t id = 0;
    std::uint16_t decimals = 0;
    std::string name;   // Windows-1252, at most 22 bytes
    std::string units;  // Windows-1252, at most 10 bytes

    bool operator==(const LoggedPoint&) const = default;
};

// A temperature, a pressure, a pulse count and a pump state: one point of
// every value kind.
std::vector<LoggedPoint> DefaultLoggedPoints();

// What a simulated logging session holds. Its records are generated from
// this on demand (LoggedSessionGenerator), so a session of any size costs
// only these few numbers.
struct LoggedSessionPlan {
    std::uint32_t startSeconds = 0;  // seconds since 1970 UTC; also the session's name
    std::uint16_t startTicks = 0;    // 5 ms ticks past startSeconds (sub-second sessions only)
    std::uint32_t scanCount = 0;
    // Time between scans in 5 ms ticks; sessions without sub-second stamps
    // round it up to whole seconds.
    std::uint32_t intervalTicks = 200;
    bool subSecond = false;        // time stamps carry meaningful ticks
    bool stopped = true;           // closed by an end record and a stop file
    std::uint8_t loggingMode = 0;  // 0 log to full, 1 rotary, 2 histogram
    std::vector<LoggedPoint> points = DefaultLoggedPoints();

    bool operator==(const LoggedSessionPlan&) const = default;
};

// The time between a session's scans in 5 ms ticks: the plan's interval,
// rounded up to whole seconds for a session without sub-second stamps.
std::uint32_t ScanIntervalTicks(const LoggedSessionPlan& plan);

// The session placed so that its scans end at endSeconds (by the logger's
// clock): it starts its scans' span (scanCount intervals) earlier. A
// stopped session then stops at endSeconds; a running one has taken its
// scans by then and takes more as the clock goes on. False, and the plan
// unchanged, when the start would fall before 1970 or after 2106.
bool PlaceSessionEndingAt(LoggedSessionPlan& plan, std::int64_t endSeconds);

// The session as the logger holds it at loggerSeconds: a running session
// has taken every scan due before then (never fewer than its plan names);
// a stopped one is as planned.
LoggedSessionPlan SessionAsOf(const LoggedSessionPlan& plan, std::int64_t loggerSeconds);

}  // namespace corvane
