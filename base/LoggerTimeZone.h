#pragma once

#include <cstdint>

namespace corvane {

// A logger's time zone: turns logger times into the PC user's local times
// the way the logger reports them. Owned by whoever converts (a converter,
// a renderer, a view); the application keeps one for the connected logger.
class LoggerTimeZone {
public:
    // offsetMinutes is signed: the minutes to subtract from a logger time
    // to get local time (zones west of Greenwich are positive). Bit 0 of
    // flags says the logger applies daylight saving.
    void SetLoggerTimeZone(std::int32_t offsetMinutes, std::uint32_t flags);

    // Local time of a logger time: shifted by the offset, plus an hour when
    // daylight saving applies and the shifted time lies in the window of its
    // own year: from the second Sunday of March to the first Sunday of
    // November, each at (2 + offset hours):00 UTC, end excluded.
    std::int64_t ApplyLoggerTimeZone(std::int64_t loggerTime);

    std::int32_t OffsetMinutes() const { return offsetMinutes_; }
    std::uint32_t Flags() const { return flags_; }

    struct Window {
        std::int64_t start = 0;
        std::int64_t end = 0;
    };
    // The daylight-saving window of a year for the current offset.
    Window DaylightWindow(int year);

private:
    std::int32_t offsetMinutes_ = 0;
    std::uint32_t flags_ = 0;
    // One cached window, valid for cachedYear_ and cachedOffset_.
    int cachedYear_ = 0;
    std::int32_t cachedOffset_ = 0;
    Window cachedWindow_;
};

// Offsets arrive in 16-bit fields; they are signed, so zones east of
// Greenwich (negative offsets) must be sign-extended.
constexpr std::int32_t ZoneOffsetFromField(std::uint16_t field) { return static_cast<std::int16_t>(field); }

}  // namespace corvane
