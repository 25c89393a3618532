#include "res/ConvertNetDialog.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

// "Accept Warnings" is shown only when there are findings to accept.
constexpr std::array kControls = {
    ControlTemplate{K::Edit, kIdcConvertNetReport, "", {12, 12, 596, 300}, s::kMultiLine | s::kReadOnly},
    ControlTemplate{K::PushButton, kIdOk, "Accept Warnings", {194, 324, 130, 28}, s::kHidden},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {336, 324, 90, 28}, s::kDefault},
};

}  // namespace

const DialogTemplate kConvertNetDialog{kDialogConvertNet, "Convert Logger Net", 620, 364, kControls};

}  // namespace corvane::res
