#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace corvane {

enum class CardJobKind : std::int32_t {
    CommaText = 0,  // rendered, cells separated by ','
    TabText = 1,    // rendered, cells separated by a tab
    RawCopy = 2,    // "HEADER" and the data files joined into one raw record stream
};

// A render or copy job of the card worker.
struct CardJob {
    // Longest session name a job takes (the card's names have 8 characters).
    static constexpr std::size_t kMaxSessionNameLength = 8;

    std::filesystem::path sessionFolderPath;  // the log folder and the session name (filled in by the manager)
    std::string sessionName;
    std::filesystem::path outputFilePath;
    std::uint32_t dataSize = 0;    // bytes of the session's ".vrd" files (filled in by the manager)
    std::int32_t timeColumns = 0;  // 0 local date and time, 1 UTC, 2 both
    CardJobKind kind = CardJobKind::CommaText;
};

// Whether name can stand for an entry of the card's log folder: not empty,
// not "." or "..", and without a path separator or NUL, so a folder built
// from it always lies inside the log folder.
bool IsCardEntryName(std::string_view name);

}  // namespace corvane
