#include "download/SessionHeadPoints.h"

#include "base/Cp1252.h"
#include "data/LogRecords.h"

#include <algorithm>
#include <variant>

namespace corvane {

SessionHeadPointsResult SessionHeadPoints(std::span<const std::uint8_t> head)
{
    SessionHeadPointsResult result;
    std::size_t offset = 0;
    while (offset < head.size()) {
        const ParsedLogRecord parsed = ParseLogRecord(head.subspan(offset));
        if (parsed.error) {
            result.error = {HeadErrorKind::Truncated, offset + parsed.error.offset, parsed.error.field};
            return result;
        }
        if (offset == 0 && !std::holds_alternative<UnitHeaderRecord>(parsed.body))
            break;
        if (std::holds_alternative<TimeStampRecord>(parsed.body) || std::holds_alternative<EndRecord>(parsed.body))
            return result;
        if (const auto* point = std::get_if<PointDefinitionRecord>(&parsed.body)) {
            const bool listed
                = std::ranges::any_of(result.points, [&](const HeadPoint& p) { return p.id == point->pointId; });
            if (point->pointId != 0 && !listed && result.points.size() < kMaxHeadPoints)
                result.points.push_back({point->pointId, Cp1252ToUtf8(point->name), Cp1252ToUtf8(point->units)});
        }
        offset += LogRecordLength(head[offset]);
    }
    if (offset == 0)
        result.error = {HeadErrorKind::NoUnitHeader, 0, "unit header"};
    return result;
}

}  // namespace corvane
