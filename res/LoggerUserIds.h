#pragma once

// Ids of the logger user dialogs ("Password Management", "User
// Properties", "Change Password") and their pictures.
namespace corvane::res {

inline constexpr int kDialogUserSelection = 477;
inline constexpr int kDialogUserProperties = 479;
inline constexpr int kDialogChangePassword = 482;

// The user list's icon (16 x 16).
inline constexpr int kBitmapLoggerUser = 478;

// "Password Management".
inline constexpr int kIdcAddUser = 10;
inline constexpr int kIdcEditUser = 11;
inline constexpr int kIdcCopyUser = 12;
inline constexpr int kIdcDeleteUser = 13;
inline constexpr int kIdcUserList = 1016;
inline constexpr int kIdcDisablePasswords = 1036;

// "User Properties": the name, the password and the permission list (1016).
inline constexpr int kIdcUserName = 1179;
inline constexpr int kIdcUserPassword = 1002;
inline constexpr int kIdcPermissionList = 1016;

// "Change Password".
inline constexpr int kIdcCurrentPassword = 1001;
inline constexpr int kIdcNewPassword = 1002;
inline constexpr int kIdcConfirmPassword = 1003;

// The help topic of "User Properties".
inline constexpr unsigned kHelpUserProperties = 131549;

}  // namespace corvane::res
