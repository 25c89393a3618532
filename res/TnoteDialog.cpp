#include "res/TnoteDialog.h"

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
    ControlTemplate{K::Static, kIdStatic,
        "Program Net Annotation.  Enter text and place to add notes within the Program Net.", {12, 44, 400, 40}},
    ControlTemplate{K::Edit, kIdcNoteText, "", {12, 88, 400, 140}, s::kMultiLine | s::kWantReturn},
    ControlTemplate{K::PushButton, kIdOk, "OK", {152, 240, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {242, 240, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {332, 240, 80, 28}},
};

}  // namespace

const DialogTemplate kTnoteDialog{kDialogTextNote, "Text Note", 424, 278, kControls};

}  // namespace corvane::res
