#include "res/LoggerUserDialogs.h"

#include "res/LoggerUserIds.h"
#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

constexpr std::array kSelectionControls = {
    ControlTemplate{K::ListView, kIdcUserList, "", {12, 12, 344, 260}},
    ControlTemplate{K::PushButton, kIdcAddUser, "&Add User", {368, 12, 130, 28}},
    ControlTemplate{K::PushButton, kIdcEditUser, "&Edit User", {368, 48, 130, 28}},
    ControlTemplate{K::PushButton, kIdcCopyUser, "&Copy User", {368, 84, 130, 28}},
    ControlTemplate{K::PushButton, kIdcDeleteUser, "&Delete User", {368, 120, 130, 28}},
    ControlTemplate{K::PushButton, kIdcDisablePasswords, "Disable Passwords...", {368, 196, 130, 28}, s::kDisabled},
    ControlTemplate{K::PushButton, kIdOk, "Close", {368, 244, 130, 28}, s::kDefault},
};

constexpr std::array kPropertiesControls = {
    ControlTemplate{K::Static, kIdStatic, "User Name:", {12, 16, 90, 20}},
    ControlTemplate{K::Edit, kIdcUserName, "", {106, 12, 150, 24}},
    ControlTemplate{K::Static, kIdStatic, "Password:", {12, 50, 90, 20}},
    ControlTemplate{K::Edit, kIdcUserPassword, "", {106, 46, 150, 24}, s::kPassword},
    ControlTemplate{K::ListView, kIdcPermissionList, "", {12, 82, 260, 330}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {284, 12, 90, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {284, 48, 90, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {284, 84, 90, 28}},
};

constexpr std::array kChangePasswordControls = {
    ControlTemplate{K::Static, kIdStatic, "Current Password:", {12, 16, 150, 20}},
    ControlTemplate{K::Edit, kIdcCurrentPassword, "", {166, 12, 180, 24}, s::kPassword},
    ControlTemplate{K::Static, kIdStatic, "New Password:", {12, 50, 150, 20}},
    ControlTemplate{K::Edit, kIdcNewPassword, "", {166, 46, 180, 24}, s::kPassword},
    ControlTemplate{K::Static, kIdStatic, "Confirm New Password:", {12, 84, 150, 20}},
    ControlTemplate{K::Edit, kIdcConfirmPassword, "", {166, 80, 180, 24}, s::kPassword},
    ControlTemplate{K::PushButton, kIdOk, "OK", {176, 122, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {266, 122, 80, 28}},
};

}  // namespace

const DialogTemplate kUserSelectionDialog{kDialogUserSelection, "Password Management", 510, 284, kSelectionControls};
const DialogTemplate kUserPropertiesDialog{kDialogUserProperties, "User Properties", 386, 424, kPropertiesControls};
const DialogTemplate kChangePasswordDialog{kDialogChangePassword, "Change Password", 358, 162, kChangePasswordControls};

}  // namespace corvane::res
