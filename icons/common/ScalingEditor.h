#pragma once

#include "icons/common/TwoPointScaling.h"

#include <string>

namespace corvane {

class Dialog;
class Window;

// The two-point scaling an analog channel dialog holds until its own OK:
// the points, the equation they give, the text of the scaling check box,
// and the CEqnDlg that edits them.
class ScalingEditor {
public:
    // Takes the points; the equation follows from them (1 and 0 when they
    // define no line).
    void Load(const ScalingPoints& points);
    // The equation from the points held, 1 and 0 when they define no line.
    void ComputeEquation();
    // Sets the equation back to 1 and 0, keeping the points.
    void ClearEquation();

    const ScalingPoints& Points() const { return points_; }
    float Scale() const { return scale_; }
    float Offset() const { return offset_; }

    // "Enable scaling:\nOutput = (m * input) + b", with the equation held
    // when scaling is on and 1.0 and 0.0 when it is off.
    std::string CheckText(bool on) const;

    // Runs the scaling dialog over the parent; OK there takes its points,
    // scale and offset, Cancel keeps what was held.
    void Edit(Window& parent);
    // The scaling dialog while it is open, else null.
    Dialog* OpenChild() const { return child_; }

private:
    ScalingPoints points_;
    float scale_ = 1.0F;
    float offset_ = 0.0F;
    Dialog* child_ = nullptr;
};

}  // namespace corvane
