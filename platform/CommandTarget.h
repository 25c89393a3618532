#pragma once

#include "platform/CommandState.h"

#include <functional>
#include <map>
#include <utility>

namespace corvane {

// Something that takes commands (menu items, toolbar buttons, accelerator
// keys, all by their command id) and answers their update queries. A
// command travels along a chain of targets: the active view, its document,
// its child frame, the main frame and last the application's own target;
// the first target that handles it ends the trip. An update query travels
// the same way, so the target that would run a command also decides how
// its menu item, button or status pane looks.
//
// Targets register handlers by id or by id range; derived classes may
// instead override HandleCommand and HandleUpdate.
class CommandTarget {
public:
    using Handler = std::function<void(int id)>;
    using UpdateHandler = std::function<void(CommandState& state)>;

    CommandTarget() = default;
    virtual ~CommandTarget() = default;
    CommandTarget(const CommandTarget&) = delete;
    CommandTarget& operator=(const CommandTarget&) = delete;

    // A later registration for the same id or range replaces the earlier one.
    void AddCommand(int id, Handler handler) { AddCommandRange(id, id, std::move(handler)); }
    void AddCommandRange(int first, int last, Handler handler);
    void AddUpdate(int id, UpdateHandler handler) { AddUpdateRange(id, id, std::move(handler)); }
    void AddUpdateRange(int first, int last, UpdateHandler handler);

    // Runs the command; false when this target does not handle it.
    virtual bool HandleCommand(int id);
    // Fills the state; false when this target has nothing to say about the
    // id. A target with a command handler but no update handler enables it.
    virtual bool HandleUpdate(CommandState& state);

private:
    template <class F> static const F* Find(const std::map<std::pair<int, int>, F>& table, int id);

    std::map<std::pair<int, int>, Handler> commands_;  // by (first, last)
    std::map<std::pair<int, int>, UpdateHandler> updates_;
};

}  // namespace corvane
