#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace corvane {

// One logging session of the logger's session list, as the download
// dialogs keep it: what the list reply said of it, and what the user chose
// for its download.
struct SessionEntry {
    std::uint32_t start = 0;  // seconds since 1970 UTC, bit 31 masked off
    std::uint32_t stop = 0;   // same form; 0 while the session still logs
    std::uint32_t size = 0;   // bytes
    int mode = 0;             // 0 continuous, non-zero rotary
    bool markedForErase = false;
    std::string name;  // at most 8 characters, as the logger names it
    // Where the converted session goes; its extension picks the type.
    std::filesystem::path outputPath;
    // A filtered download's points (empty: no point columns); used only
    // when filtered is set, with start and stop as the time window.
    bool filtered = false;
    std::vector<std::int16_t> pointIds;
};

}  // namespace corvane
