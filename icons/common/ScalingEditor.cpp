#include "icons/common/ScalingEditor.h"

#include "icons/common/CEqnDlg.h"

#include <cstdio>

namespace corvane {

void ScalingEditor::Load(const ScalingPoints& points)
{
    points_ = points;
    ComputeEquation();
}

void ScalingEditor::ComputeEquation()
{
    const LinearScaling line = ComputeLinearScaling(points_);
    scale_ = line.IsDefined() ? line.scale : 1.0F;
    offset_ = line.IsDefined() ? line.offset : 0.0F;
}

void ScalingEditor::ClearEquation()
{
    scale_ = 1.0F;
    offset_ = 0.0F;
}

std::string ScalingEditor::CheckText(bool on) const
{
    if (!on)
        return "Enable scaling:\nOutput = (1.0 * input) + 0.0";
    char equation[96];
    std::snprintf(equation, sizeof equation, "Enable scaling:\nOutput = (%.6g * input) + %.6g",
        static_cast<double>(scale_), static_cast<double>(offset_));
    return equation;
}

void ScalingEditor::Edit(Window& parent)
{
    CEqnDlg generator(CEqnDlg::kChannelMode, points_, &parent);
    child_ = &generator;
    const int end = generator.DoModal();
    child_ = nullptr;
    if (end == kIdOk) {
        points_ = generator.Points();
        scale_ = generator.Scale();
        offset_ = generator.Offset();
    }
}

}  // namespace corvane
