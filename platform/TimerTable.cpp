#include "platform/TimerTable.h"

#include <algorithm>

namespace corvane {

void TimerTable::Set(WindowHandle window, std::uint32_t id, std::uint32_t intervalMs, std::uint64_t now)
{
    const std::uint32_t interval = std::max<std::uint32_t>(intervalMs, 1);
    for (Entry& entry : entries_) {
        if (entry.window == window && entry.id == id) {
            entry.interval = interval;
            entry.due = now + interval;
            return;
        }
    }
    entries_.push_back({window, id, interval, now + interval});
}

bool TimerTable::Kill(WindowHandle window, std::uint32_t id)
{
    const auto removed = std::erase_if(entries_, [&](const Entry& e) { return e.window == window && e.id == id; });
    return removed > 0;
}

void TimerTable::KillAll(WindowHandle window)
{
    std::erase_if(entries_, [&](const Entry& e) { return e.window == window; });
}

bool TimerTable::Has(WindowHandle window, std::uint32_t id) const
{
    return std::any_of(
        entries_.begin(), entries_.end(), [&](const Entry& e) { return e.window == window && e.id == id; });
}

std::optional<std::uint64_t> TimerTable::NextDue() const
{
    if (entries_.empty())
        return std::nullopt;
    return std::min_element(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) {
        return a.due < b.due;
    })->due;
}

std::vector<TimerTable::Fired> TimerTable::TakeDue(std::uint64_t now)
{
    std::vector<Entry*> due;
    for (Entry& entry : entries_)
        if (entry.due <= now)
            due.push_back(&entry);
    std::stable_sort(due.begin(), due.end(), [](const Entry* a, const Entry* b) { return a->due < b->due; });
    std::vector<Fired> fired;
    fired.reserve(due.size());
    for (Entry* entry : due) {
        fired.push_back({entry->window, entry->id});
        entry->due = now + entry->interval;
    }
    return fired;
}

}  // namespace corvane
