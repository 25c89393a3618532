#pragma once

#include <cstdint>
#include <span>

namespace corvane {

enum class WriteResult { Done, TimedOut, Failed };

// Writes all bytes to a non-blocking descriptor, waiting for room as long
// as timeoutMs allows in all. Failed means the descriptor is unusable (the
// other side is gone).
WriteResult WriteAllBytes(int fd, std::span<const std::uint8_t> bytes, int timeoutMs);

}  // namespace corvane
