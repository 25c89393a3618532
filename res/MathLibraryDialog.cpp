#include "res/MathLibraryDialog.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

// Select (id 1) ends the dialog like OK; Select, Edit and Delete start disabled.
constexpr std::array kControls = {
    ControlTemplate{K::ListView, kIdcMathLibraryList, "", {10, 10, 470, 240}, s::kExtendedSelection},
    ControlTemplate{K::PushButton, kIdOk, "Select", {10, 262, 80, 28}, s::kDefault | s::kDisabled},
    ControlTemplate{K::PushButton, kIdcMathLibraryEdit, "Edit", {100, 262, 80, 28}, s::kDisabled},
    ControlTemplate{K::PushButton, kIdcMathLibraryDelete, "Delete", {190, 262, 80, 28}, s::kDisabled},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {310, 262, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {400, 262, 80, 28}},
};

}  // namespace

const DialogTemplate kMathLibraryDialog{kDialogMathLibrary, "Math Function Library", 490, 300, kControls};

}  // namespace corvane::res
