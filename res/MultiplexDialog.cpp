#include "res/MultiplexDialog.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

constexpr int kIdcName = 824;

constexpr std::array kControls = {
    ControlTemplate{K::Static, kIdStatic, "Icon Name:", {12, 14, 90, 20}},
    ControlTemplate{K::Edit, kIdcName, "", {126, 10, 180, 24}},
    ControlTemplate{K::Static, kIdStatic, "Pass Input A:", {12, 52, 110, 20}},
    ControlTemplate{K::Edit, kIdcMuxInputA, "Unconnected", {126, 48, 180, 24}, s::kReadOnly},
    ControlTemplate{K::Static, kIdStatic, "to Output when:", {12, 82, 110, 20}},
    ControlTemplate{K::Edit, kIdcMuxSelectLow, "Unconnected", {126, 78, 180, 24}, s::kReadOnly},
    ControlTemplate{K::Static, kIdStatic, "is Low", {314, 82, 80, 20}},
    ControlTemplate{K::Static, kIdStatic, "Pass Input B:", {12, 124, 110, 20}},
    ControlTemplate{K::Edit, kIdcMuxInputB, "Unconnected", {126, 120, 180, 24}, s::kReadOnly},
    ControlTemplate{K::Static, kIdStatic, "to Output when:", {12, 154, 110, 20}},
    ControlTemplate{K::Edit, kIdcMuxSelectHigh, "Unconnected", {126, 150, 180, 24}, s::kReadOnly},
    ControlTemplate{K::Static, kIdStatic, "is High", {314, 154, 80, 20}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {132, 192, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {222, 192, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {312, 192, 80, 28}},
};

}  // namespace

const DialogTemplate kMultiplexDialog{kDialogMultiplexer, "Multiplexer", 404, 230, kControls};

}  // namespace corvane::res
