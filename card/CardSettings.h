#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace corvane {

// The memory-card settings: the values "DriveLetter", "LimitOutputFileSize"
// and "OutputFileSizeLimit" of the settings key
// "Software\Tarnwick\Corvane\SDCard", and the folder of the card's work
// file. Read on the UI thread each time they are needed, so a changed
// setting takes effect at once.
class CardSettings {
public:
    virtual ~CardSettings() = default;
    // The card's mount point (a folder); empty when none is set.
    virtual std::string Drive() const = 0;
    // The size limit of one part of a rendered output in bytes; 0 when the
    // output is not split.
    virtual std::uint32_t OutputSplitLimit() const = 0;
    // The folder where a split rendering leaves "header.txt" (the program's
    // per-user data folder); empty: no header file is written.
    virtual std::filesystem::path WorkFolder() const = 0;
};

}  // namespace corvane
