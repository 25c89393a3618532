#pragma once

#include "platform/DialogTemplate.h"

namespace corvane::res {

// "Password Management": the logger's users and the buttons that change them.
extern const DialogTemplate kUserSelectionDialog;
// "User Properties": one user's name, password and permissions.
extern const DialogTemplate kUserPropertiesDialog;
// "Change Password": the logged-in user's current, new and confirmed password.
extern const DialogTemplate kChangePasswordDialog;

}  // namespace corvane::res
