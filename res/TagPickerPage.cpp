#include "res/TagPickerPage.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

constexpr std::array kControls = {
    ControlTemplate{K::Static, kIdStatic, "Available", {12, 12, 180, 20}},
    ControlTemplate{K::ListBox, kIdcTagPickerAvailable, "", {12, 34, 180, 300}, s::kExtendedSelection},
    ControlTemplate{K::PushButton, kIdcTagPickerAdd, ">", {204, 100, 48, 28}},
    ControlTemplate{K::PushButton, kIdcTagPickerAddAll, ">>", {204, 136, 48, 28}},
    ControlTemplate{K::PushButton, kIdcTagPickerRemove, "<", {204, 190, 48, 28}},
    ControlTemplate{K::PushButton, kIdcTagPickerRemoveAll, "<<", {204, 226, 48, 28}},
    ControlTemplate{K::Static, kIdStatic, "Selected for Transfer", {264, 12, 180, 20}},
    ControlTemplate{K::ListBox, kIdcTagPickerSelected, "", {264, 34, 180, 300}, s::kExtendedSelection},
};

}  // namespace

const DialogTemplate kTagPickerPage{kDialogTagPicker, "Data Tag Selection", 456, 350, kControls};

}  // namespace corvane::res
