#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

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

    explicit operator bool() const { return failure == CardSessionJoinFailure::None; }
};

// Joins a session folder of the memory card into one raw record stream:
// creates (or empties) rawFile, then appends the folder's "HEADER" and its
// data files "00000000.vrd", "00000001.vrd", ... up to the first number that
// is missing, each read in bounded chunks. Names match without regard to
// case, as on the card's file system. A missing "HEADER" is a failure; a
// data file that is there but cannot be read is one too, so a gap in the
// data is never passed off as its end.
CardSessionJoinResult JoinCardSession(const std::filesystem::path& sessionFolder, const std::filesystem::path& rawFile);

}  // namespace corvane
