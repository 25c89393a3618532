#pragma once

#include <functional>

namespace corvane {

class EditControl;

// The character filter of the numeric edits: a character passes when it can
// be part of a number and the edit's text stays a numeric text (see
// IsNumericEditText). While the edit judges a change, its text is the text
// the change would leave.
std::function<bool(char32_t)> MakeNumericFilter(const EditControl& edit, bool signAllowed);

}  // namespace corvane
