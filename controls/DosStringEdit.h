#pragma once

namespace corvane {

class EditControl;

// Makes an edit field of a dialog take names for the logger's memory only:
// digits, letters, underscore, space, tilde, plus and minus. Typed and pasted
// text are judged alike; refused input is dropped with a beep and a message
// box that names the allowed characters. Backspace, deleting and the
// clipboard keys work as usual.
//
// Attach once, after the dialog has made its controls; the rule stays with
// the edit for its life, so this object may go at any time.
class DosStringEdit {
public:
    explicit DosStringEdit(EditControl& edit);

    EditControl& Edit() const { return edit_; }

    static constexpr const char* kRefusalText
        = "The only valid characters for this are digits, letters, underscore, space, tilde, plus and minus";
    static constexpr const char* kRefusalCaption = "Valid Characters";

private:
    EditControl& edit_;
};

}  // namespace corvane
