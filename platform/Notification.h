#pragma once

#include <cstdint>

namespace corvane {

// What a control tells its dialog.
enum class Notification {
    Clicked,            // button pressed, check box or radio button toggled by the user
    DoubleClicked,      // list box, list view, tree view item
    Changed,            // edit text changed (also when set by the program), spin, slider or picker moved
    SelectionChanged,   // combo box, list box, list view, tree view, tab (by the user)
    SelectionChanging,  // tab, tree view: before the change; the handler may refuse it
    KillFocus,          // the control lost the focus; otherControlId gains it
    SetFocus,
    ItemExpanding,  // tree view: an item is about to expand or collapse; may be refused
    ItemChecked,    // list view or tree view check box toggled
};

struct NotifyEvent {
    Notification code = Notification::Clicked;
    int controlId = 0;
    // KillFocus: the control of the same dialog that gains the focus, or 0.
    int otherControlId = 0;
    // The item concerned (list index, tree item handle, tab index), when any.
    std::intptr_t item = -1;
    // Set by a handler of a ...Changing or ItemExpanding notification to refuse it.
    bool refuse = false;
};

}  // namespace corvane
