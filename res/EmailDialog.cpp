#include "res/EmailDialog.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

constexpr std::array kDialogControls = {
    ControlTemplate{K::Static, kIdStatic, "Icon Name:", {12, 14, 80, 20}},
    ControlTemplate{K::Edit, kIdcIconName, "", {96, 10, 200, 24}},
    ControlTemplate{K::Static, kIdcEmailSheetFrame, "", {8, 44, 480, 440}, s::kHidden},
    ControlTemplate{K::PushButton, kIdOk, "OK", {228, 494, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {318, 494, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {408, 494, 80, 28}},
};

constexpr std::array kMsgControls = {
    ControlTemplate{K::Static, kIdStatic, "To:", {8, 10, 60, 20}},
    ControlTemplate{K::Edit, kIdcEmailTo, "", {70, 6, 250, 24}},
    ControlTemplate{K::PushButton, kIdcEmailSelectTo, "+", {324, 6, 24, 24}},
    ControlTemplate{K::PushButton, kIdcEmailAddressBook, "Address Book", {354, 6, 114, 24}},
    ControlTemplate{K::Static, kIdStatic, "From:", {8, 38, 60, 20}},
    ControlTemplate{K::Edit, kIdcEmailFrom, "", {70, 34, 250, 24}},
    ControlTemplate{K::PushButton, kIdcEmailSelectFrom, "+", {324, 34, 24, 24}},
    ControlTemplate{K::Static, kIdStatic, "Subject:", {8, 66, 60, 20}},
    ControlTemplate{K::Edit, kIdcEmailSubject, "", {70, 62, 398, 24}},
    ControlTemplate{K::RadioButton, kIdcEmailModeEdit, "Add/Edit Text Message mode", {8, 94, 460, 18}, s::kGroup},
    ControlTemplate{
        K::RadioButton, kIdcEmailModeNumbers, "Show Inserted Value(s) in Numerical format", {8, 114, 460, 18}},
    ControlTemplate{K::RadioButton, kIdcEmailModeNames, "Show Inserted Value(s) in Name format", {8, 134, 460, 18}},
    ControlTemplate{K::Static, kIdStatic, "Select Input:", {8, 158, 200, 18}},
    ControlTemplate{K::ListBox, kIdcEmailInputList, "", {8, 178, 220, 70}},
    ControlTemplate{K::Static, kIdcEmailInputLabel, "Input the number of integer and fraction digits",
        {236, 158, 232, 36}, s::kMultiLine},
    ControlTemplate{K::Edit, kIdcEmailLowText, "", {236, 196, 110, 24}},
    ControlTemplate{K::Edit, kIdcEmailHighText, "", {354, 196, 110, 24}},
    ControlTemplate{K::PushButton, kIdcEmailInsert, "Insert Input into message at cursor location",
        {8, 254, 460, 24}},
    ControlTemplate{K::Edit, kIdcEmailMessage, "", {8, 284, 460, 96}, s::kMultiLine | s::kWantReturn},
    ControlTemplate{K::Edit, kIdcEmailPreview, "", {8, 284, 460, 96}, s::kMultiLine | s::kReadOnly | s::kHidden},
    ControlTemplate{K::CheckBox, kIdcEmailLoggerId, "Include logger ID", {8, 386, 300, 20}},
};

}  // namespace

const DialogTemplate kEmailDialog{kDialogEmail, "Email", 496, 532, kDialogControls};
const DialogTemplate kEmailMsgPage{kDialogEmailMsgPage, "Message", 472, 410, kMsgControls};

}  // namespace corvane::res
