#include "res/DataBufferDialog.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

constexpr int kIdcName = 824;

constexpr std::array kControls = {
    ControlTemplate{K::Static, kIdStatic, "Icon Name:", {12, 14, 90, 20}},
    ControlTemplate{K::Edit, kIdcName, "", {106, 10, 180, 24}},
    ControlTemplate{K::RadioButton, kIdcDataBufferData, "Data (Red Connections)", {12, 50, 300, 20}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcDataBufferLogic, "Logic (Green Connections)", {12, 76, 300, 20}},
    ControlTemplate{K::Static, kIdStatic,
        "The Data Buffer Icon can be configured to process either Data (Red) or Logic (Green) values.  "
        "Connections can only be made to other icon terminals that are of the same type and color.",
        {12, 108, 416, 90}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {168, 212, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {258, 212, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {348, 212, 80, 28}},
};

}  // namespace

const DialogTemplate kDataBufferDialog{kDialogDataBuffer, "Data Buffer", 440, 250, kControls};

}  // namespace corvane::res
