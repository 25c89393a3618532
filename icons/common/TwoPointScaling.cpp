#include "icons/common/TwoPointScaling.h"

#include <cmath>

namespace corvane {

bool ScalingPoints::IsUndefined() const
{
    return x1 == kUndefinedScalingPoint && x2 == kUndefinedScalingPoint && y1 == kUndefinedScalingPoint
        && y2 == kUndefinedScalingPoint;
}

LinearScaling ComputeLinearScaling(const ScalingPoints& points)
{
    using Status = LinearScaling::Status;
    LinearScaling result;
    if (points.IsUndefined())
        return result;
    if (points.x1 == points.x2) {
        result.status = Status::EqualSignals;
        return result;
    }
    const float scale = (points.y1 - points.y2) / (points.x1 - points.x2);
    const float offset = points.y1 - scale * points.x1;
    if (!std::isfinite(scale) || !std::isfinite(offset)) {
        result.status = Status::OutOfRange;
        return result;
    }
    result.status = Status::Defined;
    result.scale = scale;
    result.offset = offset;
    return result;
}

}  // namespace corvane
