#include "res/FileOptionsDialog.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

constexpr std::array kControls = {
    ControlTemplate{K::Static, kIdcFileAppendLabel, "Append:", {8, 8, 60, 20}},
    ControlTemplate{K::RadioButton, kIdcFileNameDateTime, "Date && Time:  yyymmdd_HHMMSS", {72, 8, 240, 20}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcFileNameCounter, "Incrementing Number", {320, 8, 180, 20}},
    ControlTemplate{K::CheckBox, kIdcFileEraseAfter, "ERASE ALL data after  successful transfer", {8, 34, 400, 20}},
};

}  // namespace

const DialogTemplate kFileOptionsDialog{kDialogFileOptions, "", 510, 60, kControls};

}  // namespace corvane::res
