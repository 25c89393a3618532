#pragma once

#include "data/CardDataFileList.h"
#include "data/LogRecords.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <span>
#include <vector>

namespace corvane {

// A time of the record stream with whole seconds carried out of the ticks
// (so ticks stay 0..199), and the stamp's sub-second flag.
struct CardStamp {
    std::int64_t seconds = 0;
    std::uint16_t ticks = 0;
    bool subSecond = false;

    // From the 8 bytes of a time stamp record.
    static CardStamp FromRecord(std::span<const std::uint8_t> record);
    static CardStamp FromTime(std::uint32_t seconds, std::uint16_t ticks, bool subSecond = false);
    // Ordered by seconds, then ticks; the flag plays no part.
    friend bool operator<(const CardStamp& a, const CardStamp& b)
    {
        return a.seconds != b.seconds ? a.seconds < b.seconds : a.ticks < b.ticks;
    }
};

enum class CardRead {
    Record,   // an 8-byte value, time stamp or end record
    Garbled,  // a record of another type or cut short; reading goes on at the next block
    End,      // no further data file
    Failed,   // a data file could not be opened
};

enum class CardSeek { Found, NoData, Failed };

// Reads the records of a card session's data files, file after file in
// name order, one 4096-byte block at a time. Every block of a data file
// begins with a time stamp record, which lets the reader find the start of
// a time range by a binary search and pick up again after garbled data.
class CardDataCursor {
public:
    static constexpr std::size_t kBlockSize = 4096;
    using RecordBytes = std::array<std::uint8_t, logrec::kShortLength>;

    explicit CardDataCursor(std::filesystem::path folder);

    // Places the reader so that the first time stamp not earlier than start
    // lies ahead: in the last data file whose first stamp is earlier than
    // start (or else the first file, when its first stamp is not after
    // stop), at the last block whose leading stamp falls in an earlier
    // second. A file with no leading stamp is read through when no file
    // before it qualifies, since its times are unknown. NoData when no file
    // can hold such a stamp.
    CardSeek SeekStart(const CardStamp& start, const CardStamp& stop);

    // The next record into record.
    CardRead Next(RecordBytes& record);

    void Close();

private:
    bool OpenFile(const CardDataFile& file);
    // Loads the block at offset of the open file; false at its end.
    bool LoadBlock(std::uint64_t offset);
    // The leading time stamp of the block at offset, if it has one.
    std::optional<CardStamp> ReadLeadingStamp(std::uint64_t offset);
    // The last block whose leading stamp is in a second before start's.
    std::uint64_t SearchBlock(std::int64_t startSeconds);

    CardDataFileList files_;
    std::ifstream file_;
    bool open_ = false;
    std::uint64_t fileSize_ = 0;
    std::vector<std::uint8_t> block_;
    std::uint64_t blockOffset_ = 0;  // where block_ starts in the file
    std::size_t blockLength_ = 0;
    std::size_t blockPosition_ = 0;
};

}  // namespace corvane
