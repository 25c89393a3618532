#include "res/VexaFreqOutDialog.h"

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
    ControlTemplate{K::GroupBox, kIdStatic, "Mode", {12, 44, 300, 194}},
    ControlTemplate{K::RadioButton, kIdcVexaOpenCollector, "Open Collector Discrete Output", {24, 84, 200, 36},
        s::kGroup | s::kMultiLine},
    ControlTemplate{K::RadioButton, kIdcVexaFrequencyOutput, "Frequency Output", {24, 177, 200, 22}},
    ControlTemplate{K::PushButton, kIdcVexaEventPicture, "Output", {232, 62, 70, 80}},
    ControlTemplate{K::PushButton, kIdcVexaCounterPicture, "Frequency", {232, 148, 70, 80}},
    ControlTemplate{K::CheckBox, kIdcVexaPullUp, "Use Pullup", {24, 250, 200, 22}},
    ControlTemplate{K::Edit, kIdcUnits, "", {230, 250, 80, 24}},
    ControlTemplate{K::Static, kIdcVexaCyclesNote,
        "NOTE:  Do NOT assume Hz (cycles per second) when programming output frequencies!  The values for frequency "
        "output are defined as 'Cycles per Minute' (not cycles per second).",
        {12, 284, 300, 80}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {52, 376, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {142, 376, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {232, 376, 80, 28}},
};

}  // namespace

const DialogTemplate kVexaFreqOutDialog{kDialogVexaFreqOut, "VEXA-2!!!!!!", 326, 416, kControls};

}  // namespace corvane::res
