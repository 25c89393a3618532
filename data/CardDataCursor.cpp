#include "data/CardDataCursor.h"

#include "base/ByteReader.h"

#include <algorithm>

namespace corvane {
namespace {

// Bit 0 of a time stamp's flag byte: its ticks are meaningful.
constexpr std::uint8_t kSubSecondFlag = 0x01;

// Whole record types that a data file holds; anything else is garbled.
bool IsDataRecordType(std::uint8_t type)
{
    return type == logrec::kTypeBool || type == logrec::kTypeInt || type == logrec::kTypeFloat
        || type == logrec::kTypeTimeStamp || type == logrec::kTypeEnd;
}

// The size of the open stream, leaving it at its start; nothing on failure.
std::optional<std::uint64_t> StreamSize(std::ifstream& stream)
{
    stream.seekg(0, std::ios::end);
    const std::streamoff size = stream.tellg();
    stream.seekg(0, std::ios::beg);
    if (size < 0 || !stream)
        return std::nullopt;
    return static_cast<std::uint64_t>(size);
}

enum class FirstStampKind { Stamp, Empty, NoStamp, Unreadable };

struct FirstStamp {
    FirstStampKind kind = FirstStampKind::Unreadable;
    CardStamp stamp;
};

// The leading time stamp of a data file's first block.
FirstStamp ReadFirstStamp(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file.is_open())
        return {};
    const std::optional<std::uint64_t> size = StreamSize(file);
    if (!size)
        return {};
    if (*size == 0)
        return {FirstStampKind::Empty, {}};
    CardDataCursor::RecordBytes record{};
    file.read(reinterpret_cast<char*>(record.data()), static_cast<std::streamsize>(record.size()));
    if (file.gcount() != static_cast<std::streamsize>(record.size()) || record[0] != logrec::kTypeTimeStamp)
        return {FirstStampKind::NoStamp, {}};
    return {FirstStampKind::Stamp, CardStamp::FromRecord(record)};
}

}  // namespace

CardStamp CardStamp::FromRecord(std::span<const std::uint8_t> record)
{
    ByteReader reader(record);
    reader.Seek(logrec::kStampFlags);
    const std::uint8_t flags = reader.U8("flags");
    const std::uint16_t ticks = reader.U16LE("ticks");
    const std::uint32_t seconds = reader.U32LE("seconds");
    return FromTime(seconds, ticks, (flags & kSubSecondFlag) != 0);
}

CardStamp CardStamp::FromTime(std::uint32_t seconds, std::uint16_t ticks, bool subSecond)
{
    CardStamp stamp;
    stamp.seconds = std::int64_t{seconds} + ticks / logrec::kTicksPerSecond;
    stamp.ticks = static_cast<std::uint16_t>(ticks % logrec::kTicksPerSecond);
    stamp.subSecond = subSecond;
    return stamp;
}

CardDataCursor::CardDataCursor(std::filesystem::path folder) : files_(std::move(folder)), block_(kBlockSize) {}

void CardDataCursor::Close()
{
    if (open_)
        file_.close();
    open_ = false;
    blockLength_ = 0;
    blockPosition_ = 0;
}

bool CardDataCursor::OpenFile(const CardDataFile& file)
{
    Close();
    file_.clear();
    file_.open(file.path, std::ios::binary);
    if (!file_.is_open())
        return false;
    const std::optional<std::uint64_t> size = StreamSize(file_);
    if (!size) {
        file_.close();
        return false;
    }
    open_ = true;
    fileSize_ = *size;
    blockOffset_ = 0;
    return true;
}

bool CardDataCursor::LoadBlock(std::uint64_t offset)
{
    blockOffset_ = offset;
    blockLength_ = 0;
    blockPosition_ = 0;
    if (offset >= fileSize_)
        return false;
    file_.clear();
    file_.seekg(static_cast<std::streamoff>(offset));
    const std::uint64_t wanted = std::min<std::uint64_t>(kBlockSize, fileSize_ - offset);
    file_.read(reinterpret_cast<char*>(block_.data()), static_cast<std::streamsize>(wanted));
    blockLength_ = static_cast<std::size_t>(std::max<std::streamsize>(0, file_.gcount()));
    // A file cut shorter while it is read ends where its bytes end.
    return blockLength_ > 0;
}

std::optional<CardStamp> CardDataCursor::ReadLeadingStamp(std::uint64_t offset)
{
    RecordBytes record{};
    if (offset >= fileSize_ || fileSize_ - offset < record.size())
        return std::nullopt;
    file_.clear();
    file_.seekg(static_cast<std::streamoff>(offset));
    file_.read(reinterpret_cast<char*>(record.data()), static_cast<std::streamsize>(record.size()));
    if (file_.gcount() != static_cast<std::streamsize>(record.size()) || record[0] != logrec::kTypeTimeStamp)
        return std::nullopt;
    return CardStamp::FromRecord(record);
}

std::uint64_t CardDataCursor::SearchBlock(std::int64_t startSeconds)
{
    // Blocks from lo up to hi (excluded) are still undecided; those before
    // lo lead with an earlier second, those from hi on do not. A block
    // without a leading stamp counts as not earlier, which can only move the
    // start back. Each probe halves the undecided blocks, so it ends.
    const std::uint64_t blocks = (fileSize_ + kBlockSize - 1) / kBlockSize;
    std::uint64_t lo = 0;
    std::uint64_t hi = blocks;
    while (lo < hi) {
        const std::uint64_t mid = lo + (hi - lo) / 2;
        const std::optional<CardStamp> stamp = ReadLeadingStamp(mid * kBlockSize);
        if (stamp && stamp->seconds < startSeconds)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo == 0 ? 0 : lo - 1;
}

CardSeek CardDataCursor::SeekStart(const CardStamp& start, const CardStamp& stop)
{
    Close();
    files_.Restart({});
    std::optional<CardDataFile> chosen;
    while (std::optional<CardDataFile> file = files_.Next()) {
        const FirstStamp first = ReadFirstStamp(file->path);
        if (first.kind == FirstStampKind::Unreadable)
            return CardSeek::Failed;
        if (first.kind == FirstStampKind::Empty)
            continue;
        if (first.kind == FirstStampKind::NoStamp) {
            if (!chosen)
                chosen = std::move(file);
            continue;
        }
        if (first.stamp < start) {
            chosen = std::move(file);
            continue;
        }
        if (!chosen) {
            if (stop < first.stamp)
                return CardSeek::NoData;
            chosen = std::move(file);
        }
        break;
    }
    if (!chosen)
        return CardSeek::NoData;
    if (!OpenFile(*chosen))
        return CardSeek::Failed;
    files_.Restart(chosen->key);
    LoadBlock(SearchBlock(start.seconds) * kBlockSize);
    return CardSeek::Found;
}

CardRead CardDataCursor::Next(RecordBytes& record)
{
    for (;;) {
        if (!open_) {
            std::optional<CardDataFile> file = files_.Next();
            if (!file)
                return CardRead::End;
            if (!OpenFile(*file))
                return CardRead::Failed;
            LoadBlock(0);
        }
        if (blockPosition_ >= blockLength_) {
            if (!LoadBlock(blockOffset_ + blockLength_))
                Close();
            continue;
        }
        const std::span<const std::uint8_t> rest(block_.data() + blockPosition_, blockLength_ - blockPosition_);
        if (rest.size() < record.size() || !IsDataRecordType(rest[0])) {
            blockPosition_ = blockLength_;  // go on at the next block, which begins with a time stamp
            return CardRead::Garbled;
        }
        std::copy_n(rest.begin(), record.size(), record.begin());
        blockPosition_ += record.size();
        return CardRead::Record;
    }
}

}  // namespace corvane
