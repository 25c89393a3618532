#pragma once

namespace corvane {

class EditControl;

// Makes an edit field of a dialog take decimal numbers that cannot be
// negative: digits and one '.'. Otherwise as FloatEdit.
class PosFloatEdit {
public:
    explicit PosFloatEdit(EditControl& edit);

    EditControl& Edit() const { return edit_; }

private:
    EditControl& edit_;
};

}  // namespace corvane
