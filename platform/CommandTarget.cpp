#include "platform/CommandTarget.h"

namespace corvane {

template <class F> const F* CommandTarget::Find(const std::map<std::pair<int, int>, F>& table, int id)
{
    // The narrowest range holding the id wins, so a single id registered
    // inside a range overrides the range for that id.
    const F* found = nullptr;
    long long narrowest = 0;
    for (const auto& [range, handler] : table) {
        if (range.first > id)
            break;
        if (id > range.second)
            continue;
        const long long width = static_cast<long long>(range.second) - range.first;
        if (found == nullptr || width < narrowest) {
            found = &handler;
            narrowest = width;
        }
    }
    return found;
}

void CommandTarget::AddCommandRange(int first, int last, Handler handler)
{
    if (first > last)
        std::swap(first, last);
    commands_[{first, last}] = std::move(handler);
}

void CommandTarget::AddUpdateRange(int first, int last, UpdateHandler handler)
{
    if (first > last)
        std::swap(first, last);
    updates_[{first, last}] = std::move(handler);
}

bool CommandTarget::HandleCommand(int id)
{
    const Handler* handler = Find(commands_, id);
    if (handler == nullptr || !*handler)
        return false;
    // Copied: the handler may register handlers (or replace itself) while it runs.
    const Handler run = *handler;
    run(id);
    return true;
}

bool CommandTarget::HandleUpdate(CommandState& state)
{
    if (const UpdateHandler* update = Find(updates_, state.Id()); update != nullptr && *update) {
        const UpdateHandler run = *update;
        run(state);
        return true;
    }
    if (const Handler* handler = Find(commands_, state.Id()); handler != nullptr && *handler) {
        state.Enable(true);
        return true;
    }
    return false;
}

}  // namespace corvane
