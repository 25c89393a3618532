#pragma once

// Menus of the toolkit made from menu tables, and their update from the
// command chain. Included only by platform's own .cpp files.

#include "platform/CommandState.h"
#include "platform/MenuTemplate.h"

#include <QAction>
#include <QMenu>

#include <functional>
#include <memory>
#include <optional>
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

    // Changes at run time. Inserted commands update and run as the built
    // ones do. A removed item goes once the toolkit is done with it (it may
    // be the item whose choice led to its removal).
    bool Insert(MenuPlace place, const MenuItemTemplate& item);
    // Before the first item of the command, in whichever popup holds it.
    bool InsertBefore(int commandId, const MenuItemTemplate& item);
    bool Remove(MenuPlace place);
    // The first item of the command, in whichever popup holds it.
    bool RemoveCommand(int commandId);
    // The place of the first item of the command directly in a bar's popup.
    std::optional<MenuPlace> Find(int commandId) const;
    // The items of the bar's popup at that position; -1 when there is none.
    int ItemCount(int popup) const;

private:
    QMenu* Popup(int popup) const;
    QAction* MakeItem(const MenuItemTemplate& item, QMenu& menu) const;

    CommandQuery query_;
    CommandRunner run_;
    std::unique_ptr<QObject> holder_;  // owns the top-level command actions
    std::vector<std::unique_ptr<QMenu>> popups_;
    std::vector<QAction*> entries_;  // in the bar's order: popups' menu actions and commands
};

}  // namespace corvane
