#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvane {

// A remote constant's value as the tree shows it ("%.6f").
std::string FormatRemoteConstant(float value);
// The value typed for a remote constant: the whole text, blanks around it
// trimmed, read as a number in the C locale ("1e3" is 1000). Nothing when
// the text is not one complete number or the number is not finite as the
// logger's f32.
std::optional<float> ParseRemoteValue(std::string_view text);

}  // namespace corvane
