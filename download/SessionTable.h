#pragma once

#include "download/SessionEntry.h"

#include <cstddef>
#include <span>
#include <vector>

namespace corvane {

// The sessions of the logger's list as the download dialog keeps them, in
// list order: at most kMaxSessions, the one bound for adding, selecting,
// erasing and removing.
class SessionTable {
public:
    static constexpr std::size_t kMaxSessions = 65;

    // False (and nothing kept) when the table is full.
    bool Add(SessionEntry entry);
    void Clear() { entries_.clear(); }
    std::size_t Size() const { return entries_.size(); }
    bool Contains(int index) const { return index >= 0 && static_cast<std::size_t>(index) < entries_.size(); }
    // index must be Contains.
    SessionEntry& At(int index) { return entries_.at(static_cast<std::size_t>(index)); }
    const SessionEntry& At(int index) const { return entries_.at(static_cast<std::size_t>(index)); }

    // The list indexes that name sessions of the table, in the order given.
    std::vector<int> ValidIndexes(std::span<const int> indexes) const;
    // Removes every entry marked for erase, the later ones moving down;
    // returns the removed indexes, highest first (the order to delete the
    // list lines in).
    std::vector<int> RemoveMarked();

private:
    std::vector<SessionEntry> entries_;
};

}  // namespace corvane
