#pragma once

#include "platform/Geometry.h"
#include "platform/MouseEvent.h"

#include <string>
#include <string_view>
#include <vector>

namespace corvane {

class CanvasWindow;
class ChildFrame;
class MdiFrame;

// For tests of frames and views: act on them as a user would, with the
// events the toolkit delivers, so that menus, shortcut keys, buttons and
// views answer as they do for a real user.
//
// Nothing here is used by the program itself. Each returns false, and does
// nothing, when there is no such item or it is not enabled.
namespace frame_automation {

// The texts of the menu bar's entries, as the bar shows them ("&File").
std::vector<std::string> MenuBarTitles(const MdiFrame& frame);
// The texts of the items of the bar's popup with that title ("&File"),
// separators as empty texts; empty when there is no such popup.
std::vector<std::string> MenuItemTexts(const MdiFrame& frame, std::string_view title);

// A menu item as the user sees it once its popup opens (its update handler run).
struct MenuItemLook {
    bool found = false;
    bool enabled = false;
    bool checked = false;
    std::string text;
    std::string prompt;  // what the status bar shows while it is highlighted
};
MenuItemLook LookAtMenuItem(MdiFrame& frame, int commandId);
// Opens the item's popup and chooses the item.
bool ChooseMenuItem(MdiFrame& frame, int commandId);

// Presses and releases a key (key_code, or a letter or digit) with
// key_modifier bits in the frame's focused widget.
bool PressKey(MdiFrame& frame, int key, unsigned modifiers = 0);
// Clicks a toolbar button.
bool ClickToolBarButton(MdiFrame& frame, int commandId);
// Moves the pointer onto a toolbar button (enabled or not), or off it again.
bool HoverToolBarButton(MdiFrame& frame, int commandId, bool over = true);
// Clicks a child frame's close button (the frame closes when the message
// loop next runs).
bool CloseChildFrame(ChildFrame& child);

enum class MouseAction { Press, Release, Move, DoubleClick };
// Sends a mouse message to the window's client area at a client point.
// button is the button pressed, released or double-clicked, or for a move
// the button held (None for none); modifiers are key_modifier bits.
bool SendMouse(CanvasWindow& window, MouseAction action, MouseButton button, Point point, unsigned modifiers = 0);
// Puts the pointer at a screen point, as the user moving the mouse does:
// the window under it gets the move at once, and CursorScreenPosition
// gives the point.
bool MovePointer(Point screenPoint);
// Turns the mouse wheel over the window by notches (positive: away from
// the user, which scrolls up).
bool TurnWheel(CanvasWindow& window, Point point, int notches);
// Presses and releases a key in the window.
bool SendKey(CanvasWindow& window, int key, unsigned modifiers = 0);
// The tooltip that shows when the mouse rests at the point; empty for none.
std::string ToolTipAt(CanvasWindow& window, Point point);

// A context menu runs its own loop; a test posts a message to one of its
// windows before opening it, and calls these from that message's handler.
// Chooses an item of the open menu (not of a popup inside it).
bool ChooseOpenPopupItem(int commandId);
// The texts of the open menu's items, separators as empty texts.
std::vector<std::string> OpenPopupTexts();
bool DismissOpenPopup();

}  // namespace frame_automation

}  // namespace corvane
