#include "platform/internal/MenuBuilder.h"

#include "platform/CommandPrompts.h"
#include "platform/internal/CanvasWidget.h"

#include <QMenuBar>

namespace corvane {

namespace {

constexpr const char* kCommandProperty = "corvaneCommand";

QAction* MakeCommandAction(const MenuItemTemplate& item, QObject* parent, const CommandRunner& run)
{
    auto* action = new QAction(TextToToolkit(item.text), parent);
    SetCommandId(*action, item.id);
    // The main window's status bar shows it while the item is highlighted.
    action->setStatusTip(TextToToolkit(CommandPromptFromMenuText(item.text)));
    // Shortcut keys come from the accelerator tables only; the text after a
    // tab is what the menu shows at the right.
    if (run) {
        const int id = item.id;
        QObject::connect(action, &QAction::triggered, action, [run, id] { run(id); });
    }
    return action;
}

void UpdateMenuActions(QMenu& menu, const CommandQuery& query)
{
    for (QAction* action : menu.actions()) {
        const int id = CommandIdOf(action);
        if (id != 0)
            ApplyCommandState(*action, query(id));
    }
}

void AddItems(QMenu& menu, std::span<const MenuItemTemplate> items, const CommandQuery& query, const CommandRunner& run)
{
    for (const MenuItemTemplate& item : items) {
        switch (item.kind) {
        case MenuItemKind::Separator: menu.addSeparator(); break;
        case MenuItemKind::Command: menu.addAction(MakeCommandAction(item, &menu, run)); break;
        case MenuItemKind::Popup: {
            auto* sub = new QMenu(TextToToolkit(item.text), &menu);
            AddItems(*sub, item.items, query, run);
            menu.addMenu(sub);
            break;
        }
        }
    }
    QMenu* self = &menu;
    QObject::connect(self, &QMenu::aboutToShow, self, [self, query] { UpdateMenuActions(*self, query); });
}

// The popup that holds the first item of the command, and the item.
bool FindItem(QMenu& menu, int commandId, QMenu*& holder, QAction*& item)
{
    for (QAction* action : menu.actions()) {
        if (CommandIdOf(action) == commandId) {
            holder = &menu;
            item = action;
            return true;
        }
        if (QMenu* sub = action->menu(); sub != nullptr && FindItem(*sub, commandId, holder, item))
            return true;
    }
    return false;
}

void DropItem(QMenu& menu, QAction& item)
{
    menu.removeAction(&item);
    // A popup's action belongs to the popup, which goes with it.
    if (QMenu* sub = item.menu(); sub != nullptr && sub->parent() == &menu)
        sub->deleteLater();
    else if (item.parent() == &menu)
        item.deleteLater();
}

void CollectActions(const QMenu& menu, std::vector<QAction*>& out)
{
    for (QAction* action : menu.actions()) {
        out.push_back(action);
        if (const QMenu* sub = action->menu())
            CollectActions(*sub, out);
    }
}

}  // namespace

int CommandIdOf(const QAction* action)
{
    if (action == nullptr)
        return 0;
    const QVariant id = action->property(kCommandProperty);
    return id.isValid() ? id.toInt() : 0;
}

void SetCommandId(QAction& action, int id) { action.setProperty(kCommandProperty, id); }

std::unique_ptr<QMenu> BuildMenu(std::string_view title, std::span<const MenuItemTemplate> items,
    const CommandQuery& query, const CommandRunner& run)
{
    auto menu = std::make_unique<QMenu>(TextToToolkit(title));
    AddItems(*menu, items, query, run);
    return menu;
}

void ApplyCommandState(QAction& action, const CommandState& state)
{
    action.setEnabled(state.Answered() && state.IsEnabled());
    // Only a checked item is checkable, so that unchecked items show no box.
    action.setCheckable(state.IsChecked());
    action.setChecked(state.IsChecked());
    if (state.Text())
        action.setText(TextToToolkit(*state.Text()));
}

BuiltMenuBar::BuiltMenuBar(const MenuTemplate& layout, const CommandQuery& query, const CommandRunner& run)
    : query_(query), run_(run), holder_(std::make_unique<QObject>())
{
    for (const MenuItemTemplate& item : layout.items) {
        switch (item.kind) {
        case MenuItemKind::Popup: {
            std::unique_ptr<QMenu> popup = BuildMenu(item.text, item.items, query, run);
            entries_.push_back(popup->menuAction());
            popups_.push_back(std::move(popup));
            break;
        }
        case MenuItemKind::Command: entries_.push_back(MakeCommandAction(item, holder_.get(), run)); break;
        case MenuItemKind::Separator: {
            auto* separator = new QAction(holder_.get());
            separator->setSeparator(true);
            entries_.push_back(separator);
            break;
        }
        }
    }
}

BuiltMenuBar::~BuiltMenuBar() = default;

void BuiltMenuBar::ShowOn(QMenuBar& bar) const
{
    bar.clear();
    for (QAction* entry : entries_)
        bar.addAction(entry);
}

void BuiltMenuBar::UpdateTopLevel(const CommandQuery& query) const
{
    for (QAction* entry : entries_) {
        const int id = CommandIdOf(entry);
        if (id != 0)
            ApplyCommandState(*entry, query(id));
    }
}

std::vector<QAction*> BuiltMenuBar::AllActions() const
{
    std::vector<QAction*> out;
    for (QAction* entry : entries_) {
        out.push_back(entry);
        if (const QMenu* sub = entry->menu())
            CollectActions(*sub, out);
    }
    return out;
}

QMenu* BuiltMenuBar::Popup(int popup) const
{
    if (popup < 0 || static_cast<std::size_t>(popup) >= entries_.size())
        return nullptr;
    return entries_[static_cast<std::size_t>(popup)]->menu();
}

QAction* BuiltMenuBar::MakeItem(const MenuItemTemplate& item, QMenu& menu) const
{
    switch (item.kind) {
    case MenuItemKind::Command: return MakeCommandAction(item, &menu, run_);
    case MenuItemKind::Separator: {
        auto* separator = new QAction(&menu);
        separator->setSeparator(true);
        return separator;
    }
    case MenuItemKind::Popup: {
        auto* sub = new QMenu(TextToToolkit(item.text), &menu);
        AddItems(*sub, item.items, query_, run_);
        return sub->menuAction();
    }
    }
    return nullptr;
}

bool BuiltMenuBar::Insert(MenuPlace place, const MenuItemTemplate& item)
{
    QMenu* menu = Popup(place.popup);
    if (menu == nullptr)
        return false;
    const QList<QAction*> actions = menu->actions();
    if (place.item < 0 || place.item > actions.size())
        return false;
    QAction* before = place.item < actions.size() ? actions[place.item] : nullptr;
    menu->insertAction(before, MakeItem(item, *menu));
    return true;
}

bool BuiltMenuBar::InsertBefore(int commandId, const MenuItemTemplate& item)
{
    for (const auto& popup : popups_) {
        QMenu* holder = nullptr;
        QAction* found = nullptr;
        if (FindItem(*popup, commandId, holder, found)) {
            holder->insertAction(found, MakeItem(item, *holder));
            return true;
        }
    }
    return false;
}

bool BuiltMenuBar::Remove(MenuPlace place)
{
    QMenu* menu = Popup(place.popup);
    if (menu == nullptr)
        return false;
    const QList<QAction*> actions = menu->actions();
    if (place.item < 0 || place.item >= actions.size())
        return false;
    DropItem(*menu, *actions[place.item]);
    return true;
}

bool BuiltMenuBar::RemoveCommand(int commandId)
{
    for (const auto& popup : popups_) {
        QMenu* holder = nullptr;
        QAction* found = nullptr;
        if (FindItem(*popup, commandId, holder, found)) {
            DropItem(*holder, *found);
            return true;
        }
    }
    return false;
}

std::optional<MenuPlace> BuiltMenuBar::Find(int commandId) const
{
    for (std::size_t popup = 0; popup < entries_.size(); ++popup) {
        const QMenu* menu = entries_[popup]->menu();
        if (menu == nullptr)
            continue;
        const QList<QAction*> actions = menu->actions();
        for (qsizetype index = 0; index < actions.size(); ++index)
            if (CommandIdOf(actions[index]) == commandId)
                return MenuPlace{static_cast<int>(popup), static_cast<int>(index)};
    }
    return std::nullopt;
}

int BuiltMenuBar::ItemCount(int popup) const
{
    const QMenu* menu = Popup(popup);
    return menu == nullptr ? -1 : static_cast<int>(menu->actions().size());
}

}  // namespace corvane
