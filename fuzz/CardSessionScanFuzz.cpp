// Scans arbitrary bytes as a memory-card session folder: the input is a
// choice byte, a 16-bit little-endian length of "HEADER", the "HEADER"
// bytes, a 16-bit length of a first data file, its bytes, and a second
// data file of the rest, written to a fresh temporary folder under names
// the choice picks (gaps, other cases, names that are no data files). The
// header word, the data-file walk and the record cursor must each end
// within bounds, and never crash.
#include "data/CardDataCursor.h"
#include "data/CardDataFileList.h"
#include "data/RawRecordScan.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

constexpr std::array<const char*, 8> kDataNames = {"00000000.vrd", "00000001.VRD", "00000003.vrd", "99999999.Vrd",
    "0000000a.vrd", "00000002.vre", "00000000.VRD", "header"};

void WriteFile(const std::filesystem::path& path, const std::uint8_t* data, std::size_t size)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

// Takes a 16-bit length and that many bytes (fewer at the end) off the input.
std::size_t TakeLength(const std::uint8_t*& data, std::size_t& size)
{
    if (size < 2) {
        size = 0;
        return 0;
    }
    const std::size_t wanted = static_cast<std::size_t>(data[0] | (data[1] << 8));
    data += 2;
    size -= 2;
    return std::min(wanted, size);
}

void Scan(const std::filesystem::path& folder, std::uint8_t choice, std::uint64_t totalBytes)
{
    const std::int16_t word = corvane::ReadRawHeaderWord(folder);
    if (word != corvane::rawscan::kHeaderMissing && word != corvane::rawscan::kNoUnitHeader && (word < 0 || word > 255))
        __builtin_trap();
    (void)corvane::FindCardFile(folder, "HEADER");

    // The walk hands out each data file once, in ascending key order.
    corvane::CardDataFileList files(folder);
    std::string lastKey;
    std::string firstKey;
    int count = 0;
    while (const std::optional<corvane::CardDataFile> file = files.Next()) {
        if ((count > 0 && file->key <= lastKey) || ++count > static_cast<int>(kDataNames.size()))
            __builtin_trap();
        if (firstKey.empty())
            firstKey = file->key;
        lastKey = file->key;
    }
    files.Restart(firstKey);
    while (const std::optional<corvane::CardDataFile> file = files.Next())
        if (file->key <= firstKey)
            __builtin_trap();

    // Every record read is 8 bytes of some file; a block may be re-read once
    // after a seek, so twice the bytes (plus ends) bounds the reads.
    const std::int64_t bound = static_cast<std::int64_t>(totalBytes / 4 + 16);
    corvane::CardDataCursor cursor(folder);
    if ((choice & 0x40) != 0) {
        const auto start = corvane::CardStamp::FromTime(static_cast<std::uint32_t>(choice) << 24, choice);
        const auto stop = corvane::CardStamp::FromTime(0xFFFFFFFFu, 199);
        if (cursor.SeekStart(start, stop) != corvane::CardSeek::Found)
            return;
    }
    corvane::CardDataCursor::RecordBytes record{};
    for (std::int64_t reads = 0;; ++reads) {
        if (reads > bound)
            __builtin_trap();
        const corvane::CardRead read = cursor.Next(record);
        if (read == corvane::CardRead::End || read == corvane::CardRead::Failed)
            break;
    }
    cursor.Close();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const std::uint8_t choice = data[0];
    ++data;
    --size;

    char pattern[] = "/tmp/corvane-card-scan-fuzz-XXXXXX";
    if (::mkdtemp(pattern) == nullptr)
        return 0;
    const std::filesystem::path folder = pattern;
    const std::uint64_t totalBytes = size;
    const std::size_t headerLength = TakeLength(data, size);
    WriteFile(folder / ((choice & 0x80) != 0 ? "header" : "HEADER"), data, headerLength);
    data += headerLength;
    size -= headerLength;
    const std::size_t firstLength = TakeLength(data, size);
    WriteFile(folder / kDataNames[choice & 0x07], data, firstLength);
    data += firstLength;
    size -= firstLength;
    WriteFile(folder / kDataNames[(choice >> 3) & 0x07], data, size);
    Scan(folder, choice, totalBytes);
    std::error_code error;
    std::filesystem::remove_all(folder, error);
    return 0;
}
