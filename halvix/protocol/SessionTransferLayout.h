#pragma once

#include <cstddef>
#include <cstdint>

namespace corvane {

// The logged-session requests, little-endian.
//   CxListSessions (96) request: the 8-byte continuation header (zeros for
//     the first block, else the previous reply's). Reply: 0 the header
//     (byte 0 non-zero = more follow) | 8 one SessionListRecord per session.
//   SessionListRecord (26 bytes): 0 char[8] name | 8 u32 start (seconds
//     since 1970 UTC) | 12 u32 stop (0 while logging) | 16 u32 size in
//     bytes | 20 u32 unused | 24 u16 flags (below 0xF000: mode in bits 0-1).
//   CxSdlStart request: 0 u16 mode | 2 char[8] the session name.
//   CxSdlError request: 0 u32 running total | 4 u32 offset.
//   CxEraseSession (103) request: char[8] the session name.
//   kReplySdlData: 0 u32 byte offset | 4 the block (empty: the end).
constexpr std::size_t kSessionListHeaderSize = 8;
constexpr std::size_t kSessionListMoreOffset = 0;
constexpr std::size_t kSessionRecordSize = 26;
constexpr std::size_t kSessionNameSize = 8;
constexpr std::size_t kSessionStartOffset = 8;
constexpr std::size_t kSessionStopOffset = 12;
constexpr std::size_t kSessionSizeOffset = 16;
constexpr std::size_t kSessionFlagsOffset = 24;
constexpr std::size_t kSdlModeSize = 2;
constexpr std::size_t kSdlErrorSize = 8;
constexpr std::size_t kSdlOffsetSize = 4;
constexpr std::uint16_t kSdlModeHead = 0;   // the head records only, as kReplySdlStream blocks
constexpr std::uint16_t kSdlModeWhole = 1;  // the whole record stream, as kReplySdlData blocks

}  // namespace corvane
