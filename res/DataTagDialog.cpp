#include "res/DataTagDialog.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

constexpr std::array kControls = {
    ControlTemplate{K::Static, kIdStatic, "Icon Name:", {12, 14, 90, 20}},
    ControlTemplate{K::Edit, kIdcIconName, "", {106, 10, 200, 24}},
    ControlTemplate{K::Static, kIdStatic, "Input Name:", {12, 46, 90, 20}},
    ControlTemplate{K::Edit, kIdcIconInput1, "", {106, 42, 200, 24}, s::kReadOnly},
    ControlTemplate{K::GroupBox, kIdcDataTagFormatGroup, "Data Format", {10, 78, 400, 130}},
    ControlTemplate{K::RadioButton, kIdcDataTagDecimal, "Decimal Number Format", {22, 100, 190, 20}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcDataTagWhole, "Whole Number Format", {22, 130, 190, 20}},
    ControlTemplate{K::Static, kIdcDataTagDecimalExample, "[Floating Point,  e.g. 34.567]", {220, 100, 180, 20}},
    ControlTemplate{K::Static, kIdcDataTagWholeExample, "[Rounded Integers, e.g. 35]", {220, 130, 180, 20}},
    ControlTemplate{K::Static, kIdcDataTagDigitsLabel, "Digits past decimal pt", {40, 168, 160, 20}},
    ControlTemplate{K::ComboBox, kIdcDataTagDigits, "", {210, 164, 60, 24}, s::kDropDownList},
    ControlTemplate{K::PushButton, kIdOk, "OK", {150, 222, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {240, 222, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {330, 222, 80, 28}},
};

}  // namespace

const DialogTemplate kDataTagDialog{kDialogDataTag, "Data Tag Icon", 420, 262, kControls};

}  // namespace corvane::res
