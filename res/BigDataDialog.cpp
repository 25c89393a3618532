#include "res/BigDataDialog.h"

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
    ControlTemplate{K::Static, kIdStatic, "Available", {12, 48, 180, 20}},
    ControlTemplate{K::ListBox, kIdcBigDataAvailable, "", {12, 70, 180, 260}, s::kExtendedSelection},
    ControlTemplate{K::PushButton, kIdcBigDataAdd, ">", {204, 110, 48, 28}},
    ControlTemplate{K::PushButton, kIdcBigDataAddAll, ">>", {204, 146, 48, 28}},
    ControlTemplate{K::PushButton, kIdcBigDataRemove, "<", {204, 200, 48, 28}},
    ControlTemplate{K::PushButton, kIdcBigDataRemoveAll, "<<", {204, 236, 48, 28}},
    ControlTemplate{K::Static, kIdStatic, "Selected", {264, 48, 180, 20}},
    ControlTemplate{K::ListBox, kIdcBigDataSelected, "", {264, 70, 180, 260}, s::kExtendedSelection},
    ControlTemplate{K::Static, kIdcBigDataSeriesLabel, "Series Name:", {12, 346, 100, 20}, s::kHidden},
    ControlTemplate{K::Edit, kIdcBigDataSeries, "", {116, 342, 200, 24}, s::kHidden},
    ControlTemplate{K::CheckBox, kIdcBigDataRemainConnected,
        "Remain connected to AWS during logging session. Note: Logger Configuration setting can override - See Help.",
        {12, 374, 432, 40}, s::kHidden | s::kMultiLine},
    ControlTemplate{K::PushButton, kIdOk, "OK", {184, 426, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {274, 426, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {364, 426, 80, 28}},
};

}  // namespace

const DialogTemplate kBigDataDialog{kDialogBigData, "Log Data Memory", 456, 464, kControls};

}  // namespace corvane::res
