#pragma once

// Whole numbers appended to a text without printf, for the converter's rows
// and time stamps.

#include <charconv>
#include <cstdint>
#include <string>

namespace corvane {

inline void AppendInt(std::string& out, std::int64_t value)
{
    char text[24];
    const auto result = std::to_chars(text, text + sizeof text, value);
    out.append(text, result.ptr);
}

// Appends value with leading zeros to at least digits digits (a negative
// value unpadded).
inline void AppendPadded(std::string& out, int value, int digits)
{
    char text[16];
    const auto result = std::to_chars(text, text + sizeof text, value);
    const auto length = static_cast<int>(result.ptr - text);
    if (value >= 0 && length < digits)
        out.append(static_cast<std::size_t>(digits - length), '0');
    out.append(text, result.ptr);
}

}  // namespace corvane
