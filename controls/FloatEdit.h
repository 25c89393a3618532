#pragma once

namespace corvane {

class EditControl;

// Makes an edit field of a dialog take signed decimal numbers only: digits,
// one '.', and one '-' in front. Typed and pasted text are judged alike, on
// the text they would leave; refused input is dropped without a beep. The
// dialog still parses and range-checks the text when it closes.
//
// Attach once, after the dialog has made its controls; the rule stays with
// the edit for its life, so this object may go at any time.
class FloatEdit {
public:
    explicit FloatEdit(EditControl& edit);

    EditControl& Edit() const { return edit_; }

private:
    EditControl& edit_;
};

}  // namespace corvane
