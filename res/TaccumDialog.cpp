#include "res/TaccumDialog.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

// 1325 names the input's source when the dialog opens.
constexpr std::array kControls = {
    ControlTemplate{K::Static, kIdStatic, "Icon Name:", {12, 14, 90, 20}},
    ControlTemplate{K::Edit, kIdcIconName, "", {106, 10, 180, 24}},
    ControlTemplate{K::Static, kIdStatic, "Input:", {12, 46, 90, 20}},
    ControlTemplate{K::Edit, kIdcIconInput1, "", {106, 42, 180, 24}, s::kReadOnly},
    ControlTemplate{K::Static, kIdcTaccumExplanation, "Upon trigger, output the accumulated time that the input,",
        {12, 82, 520, 20}},
    ControlTemplate{K::Static, kIdcTaccumInputText, "", {12, 104, 520, 20}},
    ControlTemplate{K::Static, kIdStatic, "Report time in units of:", {12, 140, 200, 20}},
    ControlTemplate{K::ComboBox, kIdcTaccumUnit, "", {216, 136, 140, 24}, s::kDropDownList},
    ControlTemplate{K::CheckBox, kIdcTaccumOnNegation, "OUTPUT upon NEGATION of Input", {12, 174, 400, 20}},
    ControlTemplate{K::CheckBox, kIdcTaccumClearOnOutput, "Clear Time Value upon OUTPUT", {12, 198, 400, 20}},
    ControlTemplate{K::CheckBox, kIdcTaccumClearOnEnable, "Clear Time Value upon ENABLE", {12, 222, 400, 20}},
    ControlTemplate{K::CheckBox, kIdcTaccumOutputOnDisable, "Output Time Value upon DISABLE", {12, 246, 400, 20}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {272, 284, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {362, 284, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {452, 284, 80, 28}},
};

}  // namespace

const DialogTemplate kTaccumDialog{kDialogTaccum, "Stop-Watch", 544, 324, kControls};

}  // namespace corvane::res
