#include "download/SessionTable.h"

#include <utility>

namespace corvane {

bool SessionTable::Add(SessionEntry entry)
{
    if (entries_.size() >= kMaxSessions)
        return false;
    entries_.push_back(std::move(entry));
    return true;
}

std::vector<int> SessionTable::ValidIndexes(std::span<const int> indexes) const
{
    std::vector<int> valid;
    for (const int index : indexes)
        if (Contains(index))
            valid.push_back(index);
    return valid;
}

std::vector<int> SessionTable::RemoveMarked()
{
    std::vector<int> removed;
    for (int index = static_cast<int>(entries_.size()) - 1; index >= 0; --index) {
        if (entries_[static_cast<std::size_t>(index)].markedForErase) {
            entries_.erase(entries_.begin() + index);
            removed.push_back(index);
        }
    }
    return removed;
}

}  // namespace corvane
