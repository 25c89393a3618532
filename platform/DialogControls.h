#pragma once

#include "platform/DialogTemplate.h"

namespace corvane {

class Control;
class Dialog;

// Controls made while a dialog is open (in-place editors), beside those of
// its template.
//
// AddDialogControl makes one, shown unless its style hides it: over another
// control's client area, in its coordinates (over null: the dialog's), or,
// with popup, as a borderless window of its own at screen coordinates that
// shows without taking the focus. It follows the last control made over the
// same one (or that control itself) in the Tab order, and notifies the
// dialog as the template's controls do. Null when the dialog is not open,
// the id is in use, or the kind is a radio button.
Control* AddDialogControl(Dialog& dialog, const ControlTemplate& layout, Control* over = nullptr, bool popup = false);
// Removes a control that AddDialogControl made; its window goes at once, the
// toolkit's part of it once the current message is done.
bool RemoveDialogControl(Dialog& dialog, int id);

}  // namespace corvane
