#pragma once

namespace corvane {

// The value every point takes while no scaling is defined.
inline constexpr float kUndefinedScalingPoint = -1.0F;

// Two points of a linear scaling: signal levels x1 (high) and x2 (low) and
// the real-world values y1 and y2 they stand for. All four at -1.0 means
// that no points are defined.
struct ScalingPoints {
    float x1 = kUndefinedScalingPoint;
    float x2 = kUndefinedScalingPoint;
    float y1 = kUndefinedScalingPoint;
    float y2 = kUndefinedScalingPoint;

    bool IsUndefined() const;
    friend bool operator==(const ScalingPoints&, const ScalingPoints&) = default;
};

// What two points give: output = scale * input + offset.
struct LinearScaling {
    enum class Status {
        Defined,       // scale and offset follow from the points
        Undefined,     // all four points are -1.0: no line, nothing computed
        EqualSignals,  // x1 == x2: the points define no line
        OutOfRange,    // scale or offset would not be a finite float
    };
    Status status = Status::Undefined;
    float scale = 1.0F;
    float offset = 0.0F;

    bool IsDefined() const { return status == Status::Defined; }
};

// scale = (y1 - y2) / (x1 - x2), offset = y1 - scale * x1, in float
// arithmetic; never divides by zero.
LinearScaling ComputeLinearScaling(const ScalingPoints& points);

}  // namespace corvane
