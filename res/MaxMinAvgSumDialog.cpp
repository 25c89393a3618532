#include "res/MaxMinAvgSumDialog.h"

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
    ControlTemplate{K::RadioButton, kIdcStatsCountRadio, "Output Min and Max after:", {12, 82, 260, 20}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcStatsTriggerRadio, "Output accumulated Min and Max upon:", {12, 114, 300, 20}},
    ControlTemplate{K::Edit, kIdcStatsCount, "", {280, 78, 80, 24}, s::kNumber},
    ControlTemplate{K::Static, kIdStatic, "Samples", {368, 82, 90, 20}},
    ControlTemplate{K::Edit, kIdcStatsTriggerSource, "", {30, 140, 200, 24}, s::kReadOnly},
    ControlTemplate{K::Static, kIdStatic, "going HIGH", {240, 144, 120, 20}},
    ControlTemplate{
        K::CheckBox, kIdcStatsOutputOnDisable, "Output Current Min and Max upon DISABLE", {12, 178, 440, 20}},
    ControlTemplate{
        K::CheckBox, kIdcStatsClearOnEnable, "Clear Sample Count and  Min and Max upon ENABLE", {12, 202, 440, 20}},
    ControlTemplate{K::CheckBox, kIdcStatsClearAfterOutput, "Clear Min and Max after Output", {12, 226, 440, 20}},
    ControlTemplate{K::CheckBox, kIdcStatsClearAfterReset, "Clear Min and Max after Logger Reset", {12, 250, 440, 20}},
    ControlTemplate{K::CheckBox, kIdcStatsIncludeDate, "Include Date and Time that Min and Max occurred",
        {12, 274, 440, 20}, s::kHidden},
    ControlTemplate{K::PushButton, kIdOk, "OK", {198, 304, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {288, 304, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {378, 304, 80, 28}},
};

}  // namespace

const DialogTemplate kMaxMinAvgSumDialog{kDialogMaxMinAvgSum, "Minimum and Maximum", 470, 342, kControls};

}  // namespace corvane::res
