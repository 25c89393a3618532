#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace corvane {

// The characters the logger's file system takes in names.
enum class FileNameCharSet : int {
    kPlain = 1,       // minus, plus, underscore, digits, letters
    kWithSpaces = 2,  // the plain set plus tilde and space
};

// The allowed characters of a set, in their fixed order; empty for an
// unknown set.
std::string_view AllowedFileNameChars(int kind);

// The position of the first byte of text outside the kind's set; nullopt when
// every byte is allowed or when kind is neither 1 nor 2.
std::optional<std::size_t> FindInvalidFileNameChar(std::string_view text, int kind);

// Whether one character belongs to the kind's set (only ASCII can).
bool IsFileNameChar(char32_t c, int kind);

}  // namespace corvane
