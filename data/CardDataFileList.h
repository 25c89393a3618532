#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// A data file of a card session: "NNNNNNNN.vrd" (8 characters, the
// extension in any case). key is the lower-cased stem; files are taken in
// ascending key order.
struct CardDataFile {
    std::string key;
    std::filesystem::path path;
};

// The file of folder whose name equals name without regard to ASCII case
// (the exact name is tried first); nothing when there is no such regular file.
std::optional<std::filesystem::path> FindCardFile(const std::filesystem::path& folder, std::string_view name);

// Walks the data files of a session folder in ascending name order. The
// folder is listed again whenever the few names kept ahead run out, so
// memory stays the same however many files the session has.
class CardDataFileList {
public:
    explicit CardDataFileList(std::filesystem::path folder) : folder_(std::move(folder)) {}

    // The next data file after the last one handed out (or after Restart's key).
    std::optional<CardDataFile> Next();
    // Goes on with the files whose key is greater than afterKey; an empty
    // key starts again from the first file.
    void Restart(std::string afterKey);

private:
    void Refill();

    std::filesystem::path folder_;
    std::string lastKey_;
    bool started_ = false;             // a file has been handed out or skipped to
    bool exhausted_ = false;           // the last listing held every file still to come
    std::vector<CardDataFile> ahead_;  // ascending, at most kAhead entries
    std::size_t next_ = 0;
};

}  // namespace corvane
