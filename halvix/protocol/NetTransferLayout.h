#pragma once

#include <cstddef>
#include <cstdint>

namespace corvane {

// The net transfer requests, little-endian.
//   CxNetSet (33) request: 0 u32 value | 4 the block, 0..kNetBlockSize
//     bytes (empty on the final call). Reply: 0 u32 the value the next
//     call sends.
//   CxNetGet (32) request: 0 u32 value (0 the first block). Reply: 0 u32
//     the next value (0 after the last block) | 4 the block.
//   CxNetParm (34) reply: 0 u16 status | 2 u32 the net's size | 6 the
//     net's name, NUL-terminated (empty when it cannot be read).
//   CxNetInit (35) and CxEraseAll (102): no payload either way.
constexpr std::size_t kNetBlockSize = 1024;
constexpr std::size_t kNetValueSize = 4;
constexpr std::size_t kNetBlockOffset = 4;
constexpr std::size_t kNetParmStatusOffset = 0;
constexpr std::size_t kNetParmSizeOffset = 2;
constexpr std::size_t kNetParmNameOffset = 6;
constexpr std::uint16_t kNetStatusPresent = 4;
constexpr std::uint16_t kNetStatusAbsent = 0;

}  // namespace corvane
