#pragma once

#include "platform/MouseEvent.h"

namespace corvane {

// Sees a list box's mouse and key input before the list box does (see
// ListBoxControl::SetMouseHook). Points are in the list's client
// coordinates. Each handler returns true when it has dealt with the input,
// so the list box's own handling (selection by mouse or key) does not run.
class ListBoxMouseHook {
public:
    virtual ~ListBoxMouseHook() = default;

    virtual bool OnButtonDown(const MouseEvent& event) = 0;
    virtual bool OnMouseMove(const MouseEvent& event) = 0;
    virtual bool OnButtonUp(const MouseEvent& event) = 0;
    // key: a key_code value.
    virtual bool OnKeyDown(int key) = 0;

protected:
    ListBoxMouseHook() = default;
    ListBoxMouseHook(const ListBoxMouseHook&) = default;
    ListBoxMouseHook& operator=(const ListBoxMouseHook&) = default;
};

}  // namespace corvane
