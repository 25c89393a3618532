#include "res/UserLoginDialog.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

constexpr std::array kControls = {
    ControlTemplate{K::Static, kIdStatic, "User Name:", {12, 16, 90, 20}},
    ControlTemplate{K::Edit, kIdcLoginUserName, "", {106, 12, 180, 24}},
    ControlTemplate{K::Static, kIdStatic, "Password:", {12, 50, 90, 20}},
    ControlTemplate{K::Edit, kIdcLoginPassword, "", {106, 46, 180, 24}, s::kPassword},
    ControlTemplate{K::PushButton, kIdOk, "OK", {116, 88, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {206, 88, 80, 28}},
};

}  // namespace

const DialogTemplate kUserLoginDialog{kDialogUserLogin, "User Login", 298, 128, kControls};

}  // namespace corvane::res
