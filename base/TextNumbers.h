#pragma once

#include <charconv>
#include <optional>
#include <string_view>
#include <system_error>

namespace corvane {

// A whole text as an integer: decimal, or hexadecimal after "0x"/"0X".
// Nothing for an empty text, trailing characters or a value that does not
// fit T.
template <class T> std::optional<T> ParseWholeInteger(std::string_view text)
{
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    T value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

}  // namespace corvane
