#include "res/FilterDialog.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

constexpr int kIdcName = 824;
constexpr int kIdcInput1 = 1060;

constexpr std::array kControls = {
    ControlTemplate{K::Static, kIdStatic, "Icon Name:", {12, 14, 90, 20}},
    ControlTemplate{K::Edit, kIdcName, "", {106, 10, 180, 24}},
    ControlTemplate{K::Static, kIdStatic, "Input Name:", {12, 46, 90, 20}},
    ControlTemplate{K::Edit, kIdcInput1, "", {106, 42, 180, 24}, s::kReadOnly},
    ControlTemplate{K::RadioButton, kIdcFilterSlidingAverage, "Sliding Avg", {12, 80, 150, 20}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcFilterLowPass, "Low Pass Filter", {170, 80, 150, 20}},
    ControlTemplate{K::Static, kIdcFilterValueLabel, "Number of Samples over which to Average:", {12, 116, 300, 20}},
    ControlTemplate{K::Edit, kIdcFilterValue, "", {320, 112, 60, 24}, s::kNumber},
    ControlTemplate{K::Static, kIdcFilterNote, "(1 to 255 samples)", {12, 146, 456, 40}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {208, 212, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {298, 212, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {388, 212, 80, 28}},
};

}  // namespace

const DialogTemplate kFilterDialog{kDialogFilter, "Smoothing Filter", 480, 250, kControls};

}  // namespace corvane::res
