#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace corvane {

// Record texts are single-byte Windows-1252; the user interface is UTF-8.
// These convert at the record boundary.

// Windows-1252 bytes to UTF-8. The five bytes that code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the
// same value, so every byte string survives a round trip.
std::string Cp1252ToUtf8(std::string_view bytes);

// UTF-8 to Windows-1252. A character with no Windows-1252 form, and each
// malformed UTF-8 sequence, becomes '?'. At most maxBytes bytes are kept,
// cut at a character boundary (every Windows-1252 character is one byte).
std::string Utf8ToCp1252(std::string_view utf8, std::size_t maxBytes = std::string::npos);

// The number of Windows-1252 bytes that the UTF-8 text becomes; record
// limits count these bytes, not UTF-8 bytes.
std::size_t Cp1252Length(std::string_view utf8);

}  // namespace corvane
