#include "res/AddressBookDialogs.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

constexpr std::array kBookControls = {
    ControlTemplate{K::Static, kIdStatic, "Email Addresses:", {12, 10, 300, 20}},
    ControlTemplate{K::ListBox, kIdcAddressBookList, "", {12, 32, 320, 250}, s::kExtendedSelection},
    ControlTemplate{K::PushButton, kIdcAddressBookAdd, "Add", {344, 32, 80, 28}},
    ControlTemplate{K::PushButton, kIdcAddressBookDelete, "Delete", {344, 68, 80, 28}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {254, 294, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {344, 294, 80, 28}},
};

constexpr std::array kEntryControls = {
    ControlTemplate{K::Static, kIdStatic, "New Address:", {12, 14, 100, 20}},
    ControlTemplate{K::Edit, kIdcNewAddress, "", {116, 10, 300, 24}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {246, 48, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {336, 48, 80, 28}},
};

constexpr std::array kSelectionControls = {
    ControlTemplate{K::Static, kIdStatic, "Address Book", {12, 10, 260, 20}},
    ControlTemplate{K::ListBox, kIdcSelectionBookList, "", {12, 32, 260, 250}, s::kExtendedSelection},
    ControlTemplate{K::PushButton, kIdcSelectionAdd, "Add To Email", {284, 100, 150, 28}},
    ControlTemplate{K::PushButton, kIdcSelectionRemove, "Remove From Email", {284, 140, 150, 28}},
    ControlTemplate{K::Static, kIdStatic, "Email Message Address List", {446, 10, 260, 20}},
    ControlTemplate{K::ListBox, kIdcSelectionMessageList, "", {446, 32, 260, 250}, s::kExtendedSelection},
    ControlTemplate{K::PushButton, kIdOk, "OK", {536, 294, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {626, 294, 80, 28}},
};

}  // namespace

const DialogTemplate kAddressBookDialog{kDialogAddressBook, "Address Book", 436, 334, kBookControls};
const DialogTemplate kAddAddressToBookDialog{
    kDialogAddAddressToBook, "Add Address To Address Book", 428, 88, kEntryControls};
const DialogTemplate kAddressSelectionDialog{
    kDialogAddressSelection, "Email Address Selection", 718, 334, kSelectionControls};

}  // namespace corvane::res
