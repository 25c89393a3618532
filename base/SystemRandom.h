#pragma once

#include <cstdint>
#include <span>

namespace corvane {

// Fills bytes from the operating system's cryptographic random source
// (getrandom). false when the source cannot give them; bytes are then
// left unspecified and must not be used.
bool FillSystemRandom(std::span<std::uint8_t> bytes);

}  // namespace corvane
