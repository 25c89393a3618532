#include "res/LcdMessageEntryDialog.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

constexpr std::array kControls = {
    ControlTemplate{K::RadioButton, kIdcLcdModeEdit, "Edit message", {12, 10, 420, 22}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcLcdModeNumbers, "Test message using specified numerical formatting",
        {12, 34, 420, 22}},
    ControlTemplate{K::RadioButton, kIdcLcdModeNames, "Test message using Input Names", {12, 58, 420, 22}},
    ControlTemplate{K::Edit, kIdcLcdMessage, "", {12, 88, 260, 76}, s::kMultiLine | s::kWantReturn},
    ControlTemplate{K::Edit, kIdcLcdMessagePreview, "", {12, 88, 260, 76}, s::kMultiLine | s::kReadOnly | s::kHidden},
    ControlTemplate{K::Static, kIdStatic, "Select Input:", {290, 88, 150, 20}},
    ControlTemplate{K::ListBox, kIdcLcdInputList, "", {290, 110, 220, 80}},
    ControlTemplate{K::Static, kIdcLcdFormatDescription, "", {12, 176, 500, 20}},
    ControlTemplate{K::Static, kIdcLcdFormatLowLabel, "", {12, 206, 60, 20}},
    ControlTemplate{K::Edit, kIdcLcdFormatLow, "", {76, 202, 130, 24}},
    ControlTemplate{K::Static, kIdcLcdFormatHighLabel, "", {212, 206, 60, 20}},
    ControlTemplate{K::Edit, kIdcLcdFormatHigh, "", {276, 202, 130, 24}},
    ControlTemplate{K::PushButton, kIdcLcdInsert, "Insert", {420, 200, 90, 28}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {340, 244, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {430, 244, 80, 28}},
};

}  // namespace

const DialogTemplate kLcdMessageEntryDialog{kDialogLcdMessageEntry, "LCD Message; Message Entry", 522, 284, kControls};

}  // namespace corvane::res
