#pragma once

#include "platform/Geometry.h"

#include <cstdint>
#include <string_view>

namespace corvane {

class Control;
class Dialog;

// For tests of dialogs: act on a control as a user would, with the mouse
// and keyboard events the toolkit delivers, so that the control answers and
// notifies as it does for a real user. Controls inside item views (list
// boxes, list views, trees) need the dialog shown (Dialog::Create) so that
// their items have a place on the screen.
//
// Nothing here is used by the program itself. Each returns false, and does
// nothing, when the control has no such part or the item is not on show.
namespace control_automation {

enum class Key {
    Up,
    Down,
    Left,
    Right,
    PageUp,
    PageDown,
    Home,
    End,
    Space,
    Return,
    Backspace,
    Plus,
    Minus,
    F1,
    Escape
};

enum Modifier : unsigned { kNoModifier = 0, kShift = 1, kCtrl = 2 };

// Clicks an item with the left button: a row of a list box or list view
// (index), a tree item (handle), a tab (index).
bool ClickItem(Control& control, std::intptr_t item, unsigned modifiers = kNoModifier);
bool DoubleClickItem(Control& control, std::intptr_t item);
// Clicks the check box of a list view row or tree item.
bool ClickItemCheckBox(Control& control, std::intptr_t item);
// Clicks the button that expands or collapses a tree item.
bool ClickItemExpander(Control& control, std::intptr_t item);
// Clicks a tree item's image, or a list view row's state image.
bool ClickItemImage(Control& control, std::intptr_t item);
// Turns the mouse wheel over a list or tree view by notches (positive: away
// from the user, up).
bool TurnWheel(Control& control, int notches);
// Clicks a spin's up (or right) arrow, or its down (or left) one.
bool ClickSpinArrow(Control& control, bool up);
// Presses a key in the control (in its part that has or last had the focus).
bool PressKey(Control& control, Key key, unsigned modifiers = kNoModifier);
// Types text, one key per character, into the control's part that has the focus.
bool TypeText(Control& control, std::string_view text);

// The left button over a list box or a picture, at points of its client
// area: it goes down (inside the area), the pointer moves with it held, it
// comes up.
// Moves and the release may lie outside the area, where they reach a list
// that holds the mouse.
bool PressMouse(Control& control, Point at, unsigned modifiers = kNoModifier);
bool DragMouse(Control& control, Point to, unsigned modifiers = kNoModifier);
bool ReleaseMouse(Control& control, Point at, unsigned modifiers = kNoModifier);

// The dialog whose modal loop runs now (the topmost, when one opened
// another); null when none does. A dialog that a command makes and runs
// on its own is reached through it from a message handled inside that loop.
Dialog* OpenModalDialog();

}  // namespace control_automation

}  // namespace corvane
