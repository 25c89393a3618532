#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace corvane {

// A point a session logs, as its list line shows it.
struct HeadPoint {
    std::int16_t id = 0;
    std::string name;   // UTF-8
    std::string units;  // UTF-8
};

// Why the head of a session could not be read whole.
enum class HeadErrorKind {
    None,
    NoUnitHeader,  // the head does not open with a unit header record
    Truncated,     // the bytes end inside a record
};

struct HeadError {
    HeadErrorKind kind = HeadErrorKind::None;
    std::size_t offset = 0;  // where the failed field starts in the head
    std::string field;
    explicit operator bool() const { return kind != HeadErrorKind::None; }
};

struct SessionHeadPointsResult {
    std::vector<HeadPoint> points;  // in the order of their first definition
    // Set when the head failed; the points defined before the failure are kept.
    HeadError error;
};

// The list holds at most this many points; later definitions are ignored.
inline constexpr std::size_t kMaxHeadPoints = 256;

// The distinct points of a session's head records (a unit header, then the
// point definitions), walked record by record by type. A point id of 0
// marks an unused definition and is skipped; a repeated id keeps its first
// definition. The walk stops at the first time stamp or end record, where
// the head ends.
SessionHeadPointsResult SessionHeadPoints(std::span<const std::uint8_t> head);

}  // namespace corvane
