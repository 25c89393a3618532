#pragma once

#include "platform/Geometry.h"

#include <string_view>

namespace corvane {

class Dialog;
class EditControl;

// The borderless popup frame in which a multi-line option item is edited:
// a multi-line edit of its own, over everything, shown without taking the
// focus. Focusing the frame focuses its edit; closing removes both.
class CMultiLineEditFrameWnd {
public:
    explicit CMultiLineEditFrameWnd(Dialog& dialog) : dialog_(dialog) {}
    ~CMultiLineEditFrameWnd();
    CMultiLineEditFrameWnd(const CMultiLineEditFrameWnd&) = delete;
    CMultiLineEditFrameWnd& operator=(const CMultiLineEditFrameWnd&) = delete;

    // Shows the frame at the screen rectangle with an edit (dialog control
    // editId) holding text; false when it cannot be made.
    bool Create(const Rect& screenRect, std::string_view text, int editId);
    EditControl* Edit() const { return edit_; }
    void SetFocus();
    void Close();

private:
    Dialog& dialog_;
    EditControl* edit_ = nullptr;
    int editId_ = 0;
};

}  // namespace corvane
