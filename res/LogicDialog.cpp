#include "res/LogicDialog.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

// The list of inputs shows for AND, OR and NOT; the exclusive OR shows its
// two input names (1060, 1061) on either side of its condition instead.
constexpr std::array kControls = {
    ControlTemplate{K::Static, kIdStatic, "Name:", {14, 16, 60, 20}},
    ControlTemplate{K::Edit, kIdcIconName, "", {80, 12, 220, 24}},
    ControlTemplate{K::Static, kIdcLogicConditionLabel, "Output HIGH when:", {14, 50, 286, 20}},
    ControlTemplate{K::Static, kIdStatic, "List of Inputs:", {14, 78, 120, 20}},
    ControlTemplate{K::ComboBox, kIdcLogicInputList, "", {140, 74, 180, 24}, s::kDropDownList},
    ControlTemplate{K::Edit, kIdcIconInput1, "", {14, 74, 150, 24}, s::kReadOnly | s::kHidden},
    ControlTemplate{K::Static, kIdcLogicCondition, "", {14, 106, 306, 20}},
    ControlTemplate{K::Edit, kIdcIconInput2, "", {14, 130, 150, 24}, s::kReadOnly | s::kHidden},
    ControlTemplate{
        K::CheckBox, kIdcLogicInvertedOutput, "Show additional Inverted Output Terminal", {14, 166, 400, 20}},
    ControlTemplate{
        K::CheckBox, kIdcLogicLatch, "Latch Output state upon meeting Logical condition", {14, 192, 400, 20}},
    ControlTemplate{K::CheckBox, kIdcLogicDeMorgan, "Display De Morgan icon graphic.", {14, 218, 400, 20}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {154, 254, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {244, 254, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {334, 254, 80, 28}},
};

}  // namespace

const DialogTemplate kLogicDialog{kDialogLogic, "Logic: AND, OR,  Exclusive OR,  NOT", 430, 294, kControls};

}  // namespace corvane::res
