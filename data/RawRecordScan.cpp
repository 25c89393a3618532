#include "data/RawRecordScan.h"

#include "data/LogRecords.h"

#include <array>
#include <fstream>
#include <optional>

namespace corvane {
namespace {

// Record length by the whole type byte; nothing for an unknown type.
std::optional<std::size_t> ExactRecordLength(std::uint8_t type)
{
    switch (type) {
    case logrec::kTypeBool:
    case logrec::kTypeInt:
    case logrec::kTypeFloat:
    case logrec::kTypeTimeStamp:
    case logrec::kTypeEnd: return logrec::kShortLength;
    case logrec::kTypeUnitHeader: return logrec::kUnitHeaderLength;
    case logrec::kTypePointDefinition: return logrec::kPointDefinitionLength;
    default: return std::nullopt;
    }
}

std::string AsciiLower(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

}  // namespace

int FindRawRecord(std::istream& file, std::uint8_t wanted, bool skipCurrent)
{
    for (bool first = true;; first = false) {
        const std::istream::int_type peeked = file.peek();
        if (peeked == std::istream::traits_type::eof())
            return rawscan::kNotFound;
        const auto type = static_cast<std::uint8_t>(peeked);
        if (type == wanted && !(first && skipCurrent))
            return rawscan::kFound;
        const std::optional<std::size_t> length = ExactRecordLength(type);
        if (!length)
            return rawscan::kNotFound;
        file.ignore(static_cast<std::streamsize>(*length));
        if (file.gcount() != static_cast<std::streamsize>(*length))
            return rawscan::kNotFound;
    }
}

int SeekLastRawRecord(std::istream& file, std::uint8_t wanted)
{
    for (bool first = true;; first = false) {
        // Before every search but the first, the stream stands at the last
        // record found.
        const std::streampos before = file.tellg();
        if (before == std::streampos(-1))
            return rawscan::kPositionUnknown;
        if (FindRawRecord(file, wanted, !first) == rawscan::kFound)
            continue;
        if (first)
            return rawscan::kNoRecordOfType;
        file.clear();
        file.seekg(before);
        return file.fail() ? rawscan::kPositionUnknown : rawscan::kFound;
    }
}

int ReadLastTimeStamp(std::istream& file, std::uint32_t& seconds)
{
    if (SeekLastRawRecord(file, logrec::kTypeTimeStamp) != rawscan::kFound)
        return 1;
    std::array<char, logrec::kShortLength> bytes{};
    file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (file.gcount() != static_cast<std::streamsize>(bytes.size()))
        return 2;
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    const ParsedLogRecord parsed = ParseLogRecord(std::span<const std::uint8_t>(data, bytes.size()));
    seconds = std::get<TimeStampRecord>(parsed.body).seconds;
    return 0;
}

std::int16_t ReadRawHeaderWord(const std::filesystem::path& folder)
{
    std::filesystem::path path = folder / "HEADER";
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        path.clear();
        for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
            if (AsciiLower(it->path().filename().string()) == "header" && it->is_regular_file(error)) {
                path = it->path();
                break;
            }
        }
    }
    std::ifstream file;
    if (!path.empty())
        file.open(path, std::ios::binary);
    if (!file.is_open())
        return rawscan::kHeaderMissing;
    if (FindRawRecord(file, logrec::kTypeUnitHeader, false) != rawscan::kFound)
        return rawscan::kNoUnitHeader;
    std::array<char, logrec::kUnitHeaderLength> bytes{};
    file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (file.gcount() != static_cast<std::streamsize>(bytes.size()))
        return rawscan::kNoUnitHeader;
    return static_cast<std::uint8_t>(bytes[logrec::kHeaderLoggingMode]);
}

}  // namespace corvane
