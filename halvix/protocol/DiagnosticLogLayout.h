#pragma once

#include <cstddef>
#include <cstdint>

namespace corvane {

// The diagnostic log requests, little-endian.
//   CxDbFGet (4079) request: 0 u32 byte offset into the raw log. Reply: the
//     next kDiagnosticLogBlockSize bytes or fewer from that offset; past the
//     end an empty reply (no error).
//   CxQuvDbFCtl (4080) request: 0 the kDiagnosticLevelBlockSize-byte level
//     block (the new level of each category, then the levels last read) |
//     64 u8 operation | 65 u8 flag (the trace flag of kDiagnosticOpStart).
//     Reply, at least kDiagnosticControlReplyMinSize bytes: 0 u8 the
//     operation performed | 1 u8 status | 2 the current level of each
//     category.
constexpr std::size_t kDiagnosticLogBlockSize = 1024;
constexpr std::size_t kDiagnosticCategoryCount = 32;
constexpr std::size_t kDiagnosticLevelBlockSize = 2 * kDiagnosticCategoryCount;
constexpr std::size_t kDiagnosticControlRequestSize = kDiagnosticLevelBlockSize + 2;
constexpr std::size_t kDiagnosticControlOperationOffset = kDiagnosticLevelBlockSize;
constexpr std::size_t kDiagnosticControlFlagOffset = kDiagnosticLevelBlockSize + 1;
constexpr std::size_t kDiagnosticReplyOperationOffset = 0;
constexpr std::size_t kDiagnosticReplyStatusOffset = 1;
constexpr std::size_t kDiagnosticReplyLevelsOffset = 2;
constexpr std::size_t kDiagnosticControlReplyMinSize = kDiagnosticReplyLevelsOffset + kDiagnosticCategoryCount;
// The operations of CxQuvDbFCtl.
constexpr std::uint8_t kDiagnosticOpStart = 0;
constexpr std::uint8_t kDiagnosticOpClear = 2;
constexpr std::uint8_t kDiagnosticOpQuery = 5;

}  // namespace corvane
