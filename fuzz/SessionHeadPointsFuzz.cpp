// Reads arbitrary bytes as the head of a logged session: the points listed
// must be distinct, never the unused id 0, at most the list's limit, and a
// failure must lie inside the head.
#include "download/SessionHeadPoints.h"

#include <cstdint>
#include <set>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> head = size == 0 ? std::span<const std::uint8_t>{} : std::span(data, size);
    const corvane::SessionHeadPointsResult result = corvane::SessionHeadPoints(head);
    if (result.points.size() > corvane::kMaxHeadPoints)
        __builtin_trap();
    std::set<std::int16_t> ids;
    for (const corvane::HeadPoint& point : result.points)
        if (point.id == 0 || !ids.insert(point.id).second)
            __builtin_trap();
    if (result.error && result.error.offset > size)
        __builtin_trap();
    return 0;
}
