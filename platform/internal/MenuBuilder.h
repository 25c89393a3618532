#pragma once

// Menus of the toolkit made from menu tables, and their update from the
// command chain. Included only by platform's own .cpp files.

#include "platform/CommandState.h"
#include "platform/MenuTemplate.h"

#include <QAction>
#include <QMenu>

#include <functional>
#include <memory>
#include <span>
#include <vector>

class QMenuBar;

namespace corvane {

// The command id an action carries; 0 for separators and popups.
int CommandIdOf(const QAction* action);
void SetCommandId(QAction& action, int id);

// Asks the command chain how a command looks.
using CommandQuery = std::function<CommandState(int id)>;
// Runs a command chosen from a menu.
using CommandRunner = std::function<void(int id)>;

// Makes a popup of the items (and popups inside it, owned by it). Every
// time a popup opens its items are updated through query; a chosen item
// calls run (when given).
std::unique_ptr<QMenu> BuildMenu(std::string_view title, std::span<const MenuItemTemplate> items,
    const CommandQuery& query, const CommandRunner& run);

// Applies the chain's answer to an action: enabled only when a target
// answered and enabled it; a check mark when checked; the text when set.
void ApplyCommandState(QAction& action, const CommandState& state);

// The menus of a menu bar table: its popups (and top-level commands as
// actions of a holder) kept together, to be put on a bar and taken off.
class BuiltMenuBar {
public:
    BuiltMenuBar(const MenuTemplate& layout, const CommandQuery& query, const CommandRunner& run);
    ~BuiltMenuBar();
    BuiltMenuBar(const BuiltMenuBar&) = delete;
    BuiltMenuBar& operator=(const BuiltMenuBar&) = delete;

    // Clears the bar and puts these menus on it.
    void ShowOn(QMenuBar& bar) const;
    // Updates the top-level commands (popups update as they open).
    void UpdateTopLevel(const CommandQuery& query) const;
    // Every action of the menus, popups included, depth first.
    std::vector<QAction*> AllActions() const;

private:
    std::unique_ptr<QObject> holder_;   // owns the top-level command actions
    std::vector<std::unique_ptr<QMenu>> popups_;
    std::vector<QAction*> entries_;  // in the bar's order: popups' menu actions and commands
};

}  // namespace corvane
