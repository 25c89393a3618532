#include "res/OdioDialog.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

constexpr int kIdcName = 824;
constexpr int kIdcUnits = 1059;

constexpr std::array kControls = {
    ControlTemplate{K::Static, kIdStatic, "Icon Name:", {12, 14, 90, 20}},
    ControlTemplate{K::Edit, kIdcName, "", {106, 10, 180, 24}},
    ControlTemplate{K::GroupBox, kIdcOdioModeGroup, "Mode", {12, 44, 250, 280}},
    ControlTemplate{K::RadioButton, kIdcOdioEvent, "Event", {24, 91, 152, 22}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcOdioCounter, "Counter", {24, 177, 152, 22}},
    ControlTemplate{K::RadioButton, kIdcOdioOutput, "Open Drain Discrete Output", {24, 256, 152, 36}, s::kMultiLine},
    ControlTemplate{K::PushButton, kIdcOdioEventPicture, "Event", {184, 62, 70, 80}},
    ControlTemplate{K::PushButton, kIdcOdioCounterPicture, "Counter", {184, 148, 70, 80}},
    ControlTemplate{K::PushButton, kIdcOdioOutputPicture, "Output", {184, 234, 70, 80}},
    ControlTemplate{K::GroupBox, kIdcOdioLogicGroup, "Output Logic", {274, 44, 300, 80}},
    ControlTemplate{
        K::RadioButton, kIdcOdioHighWhenHigh, "Output is HIGH when Input is HIGH", {286, 66, 280, 22}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcOdioLowWhenHigh, "Output is LOW when Input is HIGH", {286, 92, 280, 22}},
    ControlTemplate{K::GroupBox, kIdcOdioOptionsGroup, "Options", {274, 130, 300, 110}},
    ControlTemplate{K::RadioButton, kIdcOdioRetain, "Retain relay state", {286, 152, 280, 22}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcOdioClose, "CLOSE relay", {286, 178, 280, 22}},
    ControlTemplate{K::RadioButton, kIdcOdioOpen, "OPEN relay", {286, 204, 280, 22}},
    ControlTemplate{K::GroupBox, kIdcOdioCountGroup, "Counter Operation", {12, 330, 250, 110}},
    ControlTemplate{K::CheckBox, kIdcOdioOutputOnDisable, "Output Count upon DISABLE", {24, 352, 230, 22}},
    ControlTemplate{K::CheckBox, kIdcOdioClearOnEnable, "Clear  Count upon ENABLE", {24, 378, 230, 22}},
    ControlTemplate{K::CheckBox, kIdcOdioClearAfterOutput, "Clear Count after OUTPUT", {24, 404, 230, 22}},
    ControlTemplate{K::CheckBox, kIdcOdioPullUp, "Enable Pullup", {24, 450, 200, 22}},
    ControlTemplate{K::Static, kIdcOdioUnitsLabel, "Output Units Label:", {24, 484, 150, 20}},
    ControlTemplate{K::Edit, kIdcUnits, "", {180, 480, 100, 24}},
    ControlTemplate{K::Static, kIdcOdioCounterNote,
        "Input Signal Requirements:\n   Minimum input pulse period: 10mS  (1/100th second)\n   Minimum High and Low "
        "pulse widths: 2mS (1/500th\n      of a second)\n\nNOTE: For higher speed applications use the GPDI input.",
        {274, 250, 300, 130}},
    ControlTemplate{K::Static, kIdcOdioRetainNote,
        "Note:\n\nWhen the logger is powered down, reset or reflashed, the non-latching relay will be deactivated. "
        "Its state is restored at power-on or the end of the reset/reflash action.",
        {274, 250, 300, 130}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {314, 526, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {404, 526, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {494, 526, 80, 28}},
};

}  // namespace

const DialogTemplate kOdioDialog{kDialogOdio, "VEXA-2!!!!!!", 588, 566, kControls};

}  // namespace corvane::res
