#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace corvane {

// Which side of a card session join failed.
enum class CardSessionJoinFailure {
    None,
    RawFile,      // the raw file could not be created or written
    SessionFile,  // a file of the session could not be opened or read
};

struct CardSessionJoinResult {
    std::uint64_t bytes = 0;  // bytes joined into the raw file
    CardSessionJoinFailure failure = CardSessionJoinFailure::None;
    std::filesystem::path file;  // the file that failed
    std::string reason;          // the system's words for it
    // Data files absent from the numbered run below the highest present:
    // "00000001.vrd", or "00000003.vrd to 00000005.vrd" for several.
    std::vector<std::string> missing;

    explicit operator bool() const { return failure == CardSessionJoinFailure::None; }
};

// The files a join takes, from the names of a session folder's entries.
struct CardSessionJoinPlan {
    std::optional<std::string> header;   // the entry named "HEADER" in any case
    std::vector<std::string> dataFiles;  // the "NNNNNNNN.vrd" entries (any case), by number
    std::vector<std::string> missing;    // as CardSessionJoinResult::missing
};

// Picks the join's files from the entry names. Names match without regard
// to case, as on the card's file system; of two that differ only in case
// the first in name order is taken.
CardSessionJoinPlan PlanCardSessionJoin(std::vector<std::string> entryNames);

// Joins a session folder of the memory card into one raw record stream:
// creates (or empties) rawFile, then appends the folder's "HEADER" and every
// data file "NNNNNNNN.vrd" there, in number order, each read in bounded
// chunks. A gap in the numbers does not end the join: the data after it is
// kept, and the result names the missing files for the caller to show. A
// missing "HEADER" is a failure; a data file that is there but cannot be
// read is one too, so unreadable data is never passed off as absent.
CardSessionJoinResult JoinCardSession(const std::filesystem::path& sessionFolder, const std::filesystem::path& rawFile);

}  // namespace corvane
