#include "res/CheckNetDialog.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

constexpr std::array kControls = {
    ControlTemplate{K::Edit, kIdcCheckNetReport, "", {12, 12, 596, 300}, s::kMultiLine | s::kReadOnly},
    ControlTemplate{K::PushButton, kIdOk, "OK", {270, 324, 80, 28}, s::kDefault},
};

}  // namespace

const DialogTemplate kCheckNetDialog{kDialogCheckNet, "Check Net", 620, 364, kControls};

}  // namespace corvane::res
