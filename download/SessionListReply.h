#pragma once

#include "base/ByteError.h"
#include "download/SessionEntry.h"

#include <cstdint>
#include <span>
#include <vector>

namespace corvane {

// One block of the logger's session list (reply 96), read from its data:
//   0  8 bytes  continuation header (byte 0 non-zero: more blocks follow)
//   8  26 bytes per session: 0 char[8] name | 8 u32 start | 12 u32 stop
//      (0 while logging) | 16 u32 size | 20 u32 unused | 24 u16 flags
// Times keep bits 0-30. Flags below 0xF000 carry the mode in bits 0-1.
struct SessionListReply {
    bool more = false;
    std::vector<SessionEntry> sessions;
    // Set when the data was too short for its header (nothing read) or
    // ends inside a record (that record is left out).
    ByteError error;
};

SessionListReply ParseSessionListReply(std::span<const std::uint8_t> data);

}  // namespace corvane
