#pragma once

#include <string_view>

namespace corvane {

// The texts a numeric edit may hold while the user types: digits and at most
// one '.', and, when signed, one '-' in front. The point and the sign are the
// literal characters, whatever the locale. A lone "-" or "." is allowed, so
// the user can start a number with them.
bool IsNumericEditText(std::u32string_view text, bool signAllowed);

}  // namespace corvane
