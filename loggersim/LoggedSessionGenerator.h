#pragma once

#include "loggersim/LoggedSessionPlan.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace corvane {

struct LoggerState;

// Produces the logged-data records of a simulated session, in the record
// formats a logger writes: a head (one unit header record, then one point
// definition per point) and the data records (per scan a time stamp record
// and one value record per point; a stopped session ends with an end
// record). The data records come one at a time, so a session of any size
// streams through fixed memory.
class LoggedSessionGenerator {
public:
    static constexpr std::size_t kRecordSize = 8;
    using Record = std::array<std::uint8_t, kRecordSize>;

    LoggedSessionGenerator(const LoggerState& unit, LoggedSessionPlan plan);

    const LoggedSessionPlan& Plan() const { return plan_; }
    // The unit header record and the point definitions.
    std::vector<std::uint8_t> HeadRecords() const;
    // The next data record; false after the last.
    bool Next(Record& record);
    // As many whole next data records as out has room for, written into it
    // a scan at a time; the bytes written (fewer than out's room only
    // after the last record).
    std::size_t Fill(std::span<std::uint8_t> out);
    // The time stamp of the scan the last record given belongs to (of the
    // first scan before any).
    const Record& CurrentStamp() const { return stamp_; }
    // Seconds one interval after the last scan.
    std::uint32_t EndSeconds() const;
    // Seconds of the stop: EndSeconds of a stopped session, 0 for one still running.
    std::uint32_t StopSeconds() const { return plan_.stopped ? EndSeconds() : 0; }

    // The values the points take at a scan, so tests can check a rendering.
    static float FloatValue(std::size_t pointIndex, std::uint32_t scan);
    static std::int32_t IntValue(std::size_t pointIndex, std::uint32_t scan);
    static bool BoolValue(std::size_t pointIndex, std::uint32_t scan);

private:
    // Seconds and ticks of a scan's time stamp.
    std::uint64_t ScanTicks(std::uint32_t scan) const;
    // Writes the scan's stamp and values into scanRecords_.
    void MakeScan(std::uint32_t scan);

    LoggedSessionPlan plan_;
    std::uint32_t intervalTicks_;
    std::int32_t serialNumber_;
    std::string unitName_;
    std::string unitId_;
    std::string programName_;
    std::uint16_t zoneOffset_;
    std::uint16_t dstFlags_;
    std::vector<std::uint8_t> scanRecords_;  // the current scan's stamp and value records
    std::uint32_t scan_ = 0;
    std::size_t nextInScan_ = 0;  // 0: the time stamp; n: the value of point n - 1
    bool endGiven_ = false;
    Record stamp_{};
};

}  // namespace corvane
