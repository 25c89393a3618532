#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

class SettingsStore;

// One recent-file list: ten paths, slot 0 the newest, kept in the settings
// as "file0".."file9" of its section.
class CRecentFileList {
public:
    static constexpr std::size_t kSlots = 10;
    // Longest path kept, in bytes.
    static constexpr std::size_t kMaxPathBytes = 520;

    explicit CRecentFileList(std::string sectionKey);

    // Reads the slots; a stored path that is empty or longer than the limit
    // leaves its slot empty.
    void Load(const SettingsStore& store);
    // Writes every non-empty slot.
    void Save(SettingsStore& store) const;
    // Puts the path on top unless it is already in the list (ASCII case
    // ignored); the oldest drops out. A path longer than the limit, or
    // empty, is not kept; false then or when it was listed already.
    bool Add(std::string_view path);

    const std::string& Slot(std::size_t index) const { return slots_.at(index); }
    // The paths a menu shows: the non-empty slots whose files exist, newest first.
    std::vector<std::string> MenuEntries() const;
    const std::string& SectionKey() const { return sectionKey_; }

private:
    std::string sectionKey_;
    std::array<std::string, kSlots> slots_;
};

}  // namespace corvane
