#include "res/AdvisoryDialog.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

constexpr std::array kControls = {
    ControlTemplate{K::Static, kIdcAdvisoryMessage, "", {16, 16, 368, 96}},
    ControlTemplate{K::CheckBox, kIdcAdvisoryDontShow, "Do not show this advisory again", {16, 122, 368, 20}},
    ControlTemplate{K::PushButton, kIdcAdvisoryFirst, "OK", {204, 152, 86, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdcAdvisorySecond, "Cancel", {298, 152, 86, 28}},
};

}  // namespace

const DialogTemplate kAdvisoryDialog{kDialogAdvisory, "Advisory", 400, 192, kControls};

}  // namespace corvane::res
