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
    : holder_(std::make_unique<QObject>())
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

}  // namespace corvane
