#include "res/AboutDialog.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

constexpr std::array kControls = {
    ControlTemplate{K::Static, kIdStatic, "Corvane", {20, 16, 340, 28}},
    ControlTemplate{K::Static, kIdcAboutVersion, "", {20, 52, 340, 20}},
    ControlTemplate{K::Static, kIdcAboutLegal, "", {20, 80, 340, 40}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {190, 132, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {280, 132, 80, 28}},
};

}  // namespace

const DialogTemplate kAboutDialog{kDialogAbout, "About Corvane", 380, 172, kControls};

}  // namespace corvane::res
