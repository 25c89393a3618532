#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace corvane {

// Copies between a string and a fixed-size character field of a record.
// The bytes are copied as they are (record texts are Windows-1252; convert
// at the caller).

// The field's text: at most maxCount bytes, ending early at a NUL or at the
// field's end.
std::string CopyFieldToString(std::span<const std::uint8_t> field, std::size_t maxCount);

// Writes at most maxCount bytes of text, and never more than the field holds
// with its NUL, then a NUL. Returns the position just after the copied bytes
// (where the NUL went); 0 for a field of no bytes, which is left alone.
std::size_t CopyStringToField(std::string_view text, std::span<std::uint8_t> field, std::size_t maxCount);

}  // namespace corvane
