#pragma once

#include "platform/Dialog.h"
#include "platform/DialogTemplate.h"
#include "platform/EditControl.h"

#include <array>

namespace corvane::test {

// A dialog with one edit field for the edit-control tests.
inline constexpr int kEditId = 100;
inline constexpr std::array kEditDialogControls = {
    ControlTemplate{ControlKind::Edit, kEditId, "", {10, 10, 160, 24}},
    ControlTemplate{ControlKind::PushButton, kIdOk, "OK", {10, 44, 70, 26}, control_style::kDefault},
};
inline constexpr DialogTemplate kEditDialog{9101, "Edit", 190, 80, kEditDialogControls};

class EditTestDialog : public Dialog {
public:
    EditTestDialog() : Dialog(kEditDialog) {}
    EditControl& Edit() { return *GetControlAs<EditControl>(kEditId); }
};

}  // namespace corvane::test
