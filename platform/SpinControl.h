#pragma once

#include "platform/Control.h"

namespace corvane {

// A pair of arrow buttons that step a position within a range: up and down
// with kVertical, otherwise left and right. The up (right) arrow moves the
// position towards the range's upper end, which may be below the lower one:
// the range then runs backwards, as it does until SetRange is called (lower
// 100, upper 0).
//
// With kBuddyInteger the control just before it in the dialog's table is its
// buddy: the position is written there as a decimal number whenever it
// changes, and read back from it before each step and by GetPos; the buddy's
// up and down keys step too.
//
// Notifications: Changed when the user steps, before the position moves;
// item is the proposed change (+1 or -1). A handler that refuses keeps the
// position as it is.
class SpinControl : public Control {
public:
    using Control::Control;

    void SetRange(int lower, int upper);
    int GetLower() const;
    int GetUpper() const;
    // Kept within the range; writes the buddy's number. Returns the previous position.
    int SetPos(int position);
    // With a buddy integer, its number when it holds one within the range
    // (error false); otherwise the last position (error true).
    int GetPos(bool* error = nullptr) const;

    // The control whose text shows the position (null: none).
    void SetBuddy(Control* buddy);
    Control* GetBuddy() const;
};

}  // namespace corvane
