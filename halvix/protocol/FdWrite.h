#pragma once

#include <cstdint>
#include <span>

namespace corvane {

enum class WriteResult { Done, TimedOut, Failed };

// Writes all bytes to a non-blocking descriptor, waiting for room as long
// as timeoutMs allows in all. Failed means the descriptor is unusable (the
// other side is gone).
WriteResult WriteAllBytes(int fd, std::span<const std::uint8_t> bytes, int timeoutMs);

// Writes what a non-blocking descriptor takes now without waiting and drops
// it from the front of bytes: Done when all went, TimedOut when the rest
// found no room, Failed when the descriptor is unusable.
WriteResult WriteWithoutWaiting(int fd, std::span<const std::uint8_t>& bytes);

}  // namespace corvane
