#include "res/EmailAttachPage.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

constexpr std::array kControls = {
    ControlTemplate{K::GroupBox, kIdcAttachDataGroup, "Data to Attach", {8, 8, 456, 86}},
    ControlTemplate{K::RadioButton, kIdcAttachAllNew, "All new Data Tag values since previous transfer",
        {20, 28, 430, 20}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcAttachLastAcquired, "Only last acquired Data Tag values", {20, 50, 430, 20}},
    ControlTemplate{K::RadioButton, kIdcAttachNone, "None", {20, 72, 430, 20}},
    ControlTemplate{K::GroupBox, kIdStatic, "Data Format", {8, 98, 456, 68}},
    ControlTemplate{K::RadioButton, kIdcAttachCommaSeparated, "Comma-separated", {20, 118, 210, 20}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcAttachTabSeparated, "Tab-separated", {240, 118, 210, 20}},
    ControlTemplate{K::RadioButton, kIdcAttachOmbrelixFormat, "Ombrelix format", {20, 140, 210, 20}},
    ControlTemplate{K::RadioButton, kIdcAttachRawData, "Raw data", {240, 140, 210, 20}},
    ControlTemplate{K::GroupBox, kIdStatic, "Data file content", {8, 170, 456, 108}},
    ControlTemplate{K::RadioButton, kIdcAttachContentEach, "Session Header and Data Names/Units with each transfer",
        {20, 190, 430, 20}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcAttachContentFirst,
        "Session Header and Data Names/Units in first transfer only", {20, 212, 430, 20}},
    ControlTemplate{
        K::RadioButton, kIdcAttachContentNamesFirst, "Data Names/Units in first transfer only", {20, 234, 430, 20}},
    ControlTemplate{K::RadioButton, kIdcAttachContentNone, "No additional information", {20, 256, 430, 20}},
    ControlTemplate{K::GroupBox, kIdcAttachFilenameGroup, "Attachment Base Filename", {8, 282, 456, 122}},
    ControlTemplate{K::Edit, kIdcAttachBaseFilename, "", {20, 302, 300, 24}},
    ControlTemplate{K::CheckBox, kIdcAttachAppendDateTime, "Append unique date/time to Filename", {20, 332, 430, 20}},
    ControlTemplate{K::CheckBox, kIdcAttachAppendSerialNumber, "Append serial number to Filename", {20, 354, 430, 20}},
    ControlTemplate{K::CheckBox, kIdcAttachAppendLoggerName, "Append logger name to Filename", {20, 376, 430, 20}},
};

}  // namespace

const DialogTemplate kEmailAttachPage{kDialogEmailAttachPage, "File Specification", 472, 410, kControls};

}  // namespace corvane::res
