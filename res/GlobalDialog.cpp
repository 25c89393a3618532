#include "res/GlobalDialog.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

constexpr std::array kDialogControls = {
    ControlTemplate{K::Static, kIdStatic, "Icon Name:", {12, 14, 80, 20}},
    ControlTemplate{K::Edit, kIdcIconName, "", {96, 10, 200, 24}},
    ControlTemplate{K::Static, kIdcGlobalSheetFrame, "", {8, 44, 480, 440}, s::kHidden},
    ControlTemplate{K::PushButton, kIdOk, "OK", {228, 494, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {318, 494, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {408, 494, 80, 28}},
};

constexpr std::array kSystemControls = {
    ControlTemplate{K::GroupBox, kIdStatic, "Program Net Identification", {8, 8, 456, 110}},
    ControlTemplate{K::Static, kIdStatic, "Program Net Name:", {20, 34, 170, 20}},
    ControlTemplate{K::Edit, kIdcGlobalNetName, "", {196, 30, 250, 24}, s::kReadOnly},
    ControlTemplate{K::Static, kIdStatic, "Program Net Description:", {20, 74, 170, 20}},
    ControlTemplate{K::Edit, kIdcGlobalDescription, "", {196, 70, 250, 24}},
    ControlTemplate{K::GroupBox, kIdStatic, "Data Logging Memory use Mode", {8, 126, 456, 100}},
    ControlTemplate{K::RadioButton, kIdcGlobalMemoryFifo, "FIFO / Rotary logging (Internal memory only)",
        {20, 148, 430, 20}, s::kGroup},
    ControlTemplate{
        K::RadioButton, kIdcGlobalMemoryStop, "Log to Full and Stop (SD Card and Internal memory)", {20, 172, 430, 20}},
    ControlTemplate{K::RadioButton, kIdcGlobalMemoryContinue, "Log to Full and Continue (SD Card and Internal memory)",
        {20, 196, 430, 20}},
    ControlTemplate{K::GroupBox, kIdStatic, "Application versions", {8, 234, 456, 130}},
    ControlTemplate{K::GroupBox, kIdStatic, "Version saved in Net", {16, 254, 200, 100}},
    ControlTemplate{K::Static, kIdStatic, "Corvane:", {26, 280, 80, 20}},
    ControlTemplate{K::Edit, kIdcGlobalSavedProgram, "", {110, 276, 96, 24}, s::kReadOnly},
    ControlTemplate{K::Static, kIdStatic, "Quv Logger:", {26, 314, 80, 20}},
    ControlTemplate{K::Edit, kIdcGlobalSavedLogger, "", {110, 310, 96, 24}, s::kReadOnly},
    ControlTemplate{K::GroupBox, kIdcGlobalCurrentGroup, "Current Version", {224, 254, 232, 100}, s::kHidden},
    ControlTemplate{K::Static, kIdcGlobalCurrentProgramLabel, "Corvane:", {234, 280, 80, 20}, s::kHidden},
    ControlTemplate{K::Edit, kIdcGlobalCurrentProgram, "", {318, 276, 96, 24}, s::kReadOnly | s::kHidden},
    ControlTemplate{K::Static, kIdcGlobalCurrentLoggerLabel, "Quv Logger:", {234, 314, 80, 20}, s::kHidden},
    ControlTemplate{K::Edit, kIdcGlobalCurrentLogger, "", {318, 310, 96, 24}, s::kReadOnly | s::kHidden},
    ControlTemplate{
        K::Static, kIdcGlobalUpdateNote, "Update when proper\noperation is verified.", {234, 366, 150, 40}, s::kHidden},
    ControlTemplate{K::PushButton, kIdcGlobalUpdateVersions, "Update", {388, 370, 68, 28}, s::kHidden},
};

constexpr std::array kLcdControls = {
    ControlTemplate{K::Static, kIdStatic, "Front Panel / Liquid Crystal Display (LCD) Settings", {8, 8, 456, 20}},
    ControlTemplate{K::GroupBox, kIdStatic, "Front Panel / LCD Interface Functions", {8, 34, 456, 126}},
    ControlTemplate{K::CheckBox, kIdcGlobalAllowOverride, "Allow override of output states via LCD \"Control\" menu",
        {20, 56, 430, 20}},
    ControlTemplate{K::CheckBox, kIdcGlobalAllowErasure, "Allow Logged Data Erasure", {20, 80, 430, 20}},
    ControlTemplate{K::CheckBox, kIdcGlobalSdFormatting, "Enable SD Card Formatting", {20, 104, 430, 20}},
    ControlTemplate{K::CheckBox, kIdcGlobalLockout, "Enable Front Panel Lockout", {20, 128, 430, 20}},
    ControlTemplate{K::GroupBox, kIdStatic, "Auto-Sequencing", {8, 168, 456, 150}},
    ControlTemplate{K::Static, kIdStatic, "When Logger is Enabled, Begin Auto-Sequencing:", {20, 190, 430, 20}},
    ControlTemplate{K::CheckBox, kIdcGlobalProbePoints, "Probe Points", {36, 214, 300, 20}},
    ControlTemplate{K::CheckBox, kIdcGlobalActiveMessages, "Active Messages", {36, 238, 300, 20}},
    ControlTemplate{K::CheckBox, kIdcGlobalSystemMessages, "Include System Messages", {56, 262, 300, 20}},
    ControlTemplate{K::Edit, kIdcGlobalUpdateRate, "", {36, 286, 50, 24}, s::kNumber},
    ControlTemplate{K::Static, kIdStatic, "Update rate (secs)", {94, 290, 200, 20}},
    ControlTemplate{K::GroupBox, kIdStatic, "Add/Delete/Edit Data Markers", {8, 326, 456, 50}, s::kHidden},
    ControlTemplate{
        K::ComboBox, kIdcGlobalMarkerList, "", {20, 344, 250, 24}, s::kSorted | s::kDropDownList | s::kHidden},
};

}  // namespace

const DialogTemplate kGlobalDialog{kDialogGlobal, "Global System Settings", 496, 532, kDialogControls};
const DialogTemplate kGlobalSystemPage{kDialogGlobalSystemPage, "System", 472, 410, kSystemControls};
const DialogTemplate kGlobalLcdPage{kDialogGlobalLcdPage, "Front Panel / LCD", 472, 410, kLcdControls};

}  // namespace corvane::res
