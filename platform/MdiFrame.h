#pragma once

#include "platform/AcceleratorTable.h"
#include "platform/CommandTarget.h"
#include "platform/MenuTemplate.h"
#include "platform/StatusBar.h"
#include "platform/ToolBar.h"
#include "platform/Window.h"
#include "platform/WindowPlacement.h"

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

class BuiltMenuBar;
class ChildFrame;
class DocTemplate;
class Document;
class View;
struct MdiFrameImpl;

// The program's main window: a menu bar, toolbars, a status bar, and an
// area of document windows (child frames), one of them active. The menu bar
// shows the active child's menu (its document kind's), or the frame's own
// when there is no child or the child has none; the same goes for the
// shortcut keys, the child's before the frame's.
//
// Commands from menus, toolbar buttons and shortcut keys travel the chain:
// the active view, its document, its child frame, this frame, then the
// application's target. Update handlers along the same chain decide how
// menu items look when a menu opens, and toolbar buttons and status panes
// about ten times a second (and on UpdateCommandUi). A toolbar button or a
// shortcut key runs its command only when the update handlers enable it at
// that moment. Toolbar buttons show the prompt of their command as a
// tooltip, and the status bar shows it while the pointer rests on a button
// or a menu item: the command's text in the menus of the frame and of its
// document templates (CommandPromptFromMenuText).
//
// The frame holds the document templates; closing it asks every modified
// document to save, then closes them all.
class MdiFrame : public Window, public CommandTarget {
public:
    MdiFrame();
    ~MdiFrame() override;

    // Builds the window, hidden; false when it exists already.
    bool Create(std::string_view title, const MenuTemplate& menu, const AcceleratorTable* accelerators = nullptr);
    bool IsOpen() const;

    void ShowNormal();
    void ShowMaximized();
    void ShowMinimized();
    void Hide();
    bool IsVisible() const;
    bool IsMaximized() const;
    bool IsMinimized() const;
    // "<title> - <active document's title>" while a document is active.
    void SetTitle(std::string_view title);
    std::string Caption() const;

    // The client area's rectangle on the screen, and the normal rectangle
    // with the maximized state. SetPlacement shows the window as placed.
    Rect WindowRect() const;
    void MoveTo(const Rect& rect);
    WindowPlacement GetPlacement() const;
    void SetPlacement(const WindowPlacement& placement);

    // ---- Documents
    DocTemplate& AddDocTemplate(std::unique_ptr<DocTemplate> docTemplate);
    std::vector<DocTemplate*> DocTemplates() const;
    DocTemplate* FindTemplate(int resourceId) const;

    // ---- Child frames
    std::vector<ChildFrame*> Children() const;
    ChildFrame* ActiveChild() const { return active_; }
    View* ActiveView() const;
    Document* ActiveDocument() const;
    void ActivateChild(ChildFrame& child);
    void CascadeChildren();
    void TileChildren();

    // ---- Bars
    // Toolbars keep the order they were added in: the first is index 0.
    // Their pictures come from the application's bitmap catalogue.
    ToolBar& AddToolBar(const ToolBarTemplate& layout);
    int ToolBarCount() const;
    ToolBar* GetToolBar(int index) const;
    void ShowToolBar(int index, bool show);
    StatusBar& CreateStatusBar(std::span<const StatusPaneLayout> panes);
    StatusBar* GetStatusBar() const;

    // ---- Commands
    // The last link of the chain (the application's handlers); null for none.
    void SetApplicationTarget(CommandTarget* target) { appTarget_ = target; }
    bool RouteCommand(int id);
    CommandState QueryCommand(int id);
    // Runs the command when the update handlers enable it now; false when
    // they do not, or when no target took it.
    bool RunEnabledCommand(int id);
    // The prompt of a command from the menus; empty when no menu has it.
    std::string CommandPrompt(int id) const;
    // The chain a command of the view travels (the active view's when null).
    std::vector<CommandTarget*> ChainFrom(View* view) const;
    // Updates toolbar buttons and status panes now.
    void UpdateCommandUi();

    // ---- Menus changed at run time
    // Each menu table (the frame's own or a document kind's) is built once
    // and shared by every child of its kind; these change that built menu,
    // and the bar shows the change at once when the menu is on it. Items
    // go into the bar's popups, never onto the bar itself. An inserted
    // command updates through the chain and runs like the table's own
    // items, its text after a tab shows its shortcut at the right, and a
    // key of the accelerator tables runs it as any other command. Each
    // returns false, changing nothing, when there is no such place or item
    // (or no window).
    bool InsertMenuItem(const MenuTemplate& menu, MenuPlace place, const MenuItemTemplate& item);
    // Inserts before the first item of the command, in whichever popup holds it.
    bool InsertMenuItemBefore(const MenuTemplate& menu, int commandId, const MenuItemTemplate& item);
    bool RemoveMenuItem(const MenuTemplate& menu, MenuPlace place);
    // Removes the first item of the command, in whichever popup holds it.
    bool RemoveMenuCommand(const MenuTemplate& menu, int commandId);
    // The place of the first item of the command directly in one of the bar's popups.
    std::optional<MenuPlace> FindMenuCommand(const MenuTemplate& menu, int commandId);
    // The number of items of the bar's popup at that position; -1 for none.
    int MenuItemCount(const MenuTemplate& menu, int popup);

    // ---- Closing
    // Asks OnClose; when it agrees, closes every document, calls OnDestroy,
    // hides the window and asks the application to quit. False when the
    // user cancelled.
    bool Close();

    // Saves a picture of the window as it is drawn now.
    bool SaveImage(const std::filesystem::path& pngPath) const;

    // For the platform's own code.
    MdiFrameImpl& Impl() const { return *impl_; }

protected:
    // The window moved; the default tells every child frame.
    virtual void OnMove(Point oldTopLeft, Point newTopLeft);
    // Whether the frame may close; the default asks every modified document
    // to save (Document::SaveModified) and refuses when one is cancelled.
    virtual bool OnClose();
    // After the documents are closed, while the window is still there (to
    // save its placement).
    virtual void OnDestroy();
    // Another child frame became the active one (either may be null).
    virtual void OnActivateChild(ChildFrame* activated, ChildFrame* deactivated);

private:
    friend class ChildFrame;
    friend class MainFrameWidget;
    friend struct MdiFrameImpl;

    void ChildAdded(ChildFrame& child);
    void ChildActivated(ChildFrame* child);
    void ChildGone(ChildFrame& child);
    void UpdateMenuBar();
    // The toolkit's menus of the table, built when first asked for; null
    // while the window does not exist.
    BuiltMenuBar* Built(const MenuTemplate& menu);
    void RefreshCaption();
    // Collects the prompts of every menu again and gives the toolbar
    // buttons theirs.
    void RefreshCommandPrompts();
    void ShowPrompt(std::string_view prompt);

    std::unique_ptr<MdiFrameImpl> impl_;
    std::vector<std::unique_ptr<DocTemplate>> templates_;
    std::vector<std::unique_ptr<ToolBar>> toolBars_;
    std::unique_ptr<StatusBar> statusBar_;
    std::vector<ChildFrame*> children_;
    ChildFrame* active_ = nullptr;
    CommandTarget* appTarget_ = nullptr;
    std::map<int, std::string> prompts_;
};

}  // namespace corvane
