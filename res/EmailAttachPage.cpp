#include "res/EmailAttachPage.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

constexpr std::array kControls = {
    ControlTemplate{K::GroupBox, kIdcAttachDataGroup, "Data to Attach", {8, 8, 456, 92}},
    ControlTemplate{K::RadioButton, kIdcAttachAllNew, "All new Data Tag values since previous transfer",
        {20, 28, 430, 20}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcAttachLastAcquired, "Only last acquired Data Tag values", {20, 50, 430, 20}},
    ControlTemplate{K::RadioButton, kIdcAttachNone, "None", {20, 72, 430, 20}},
    ControlTemplate{K::GroupBox, kIdStatic, "Data Format", {8, 106, 456, 70}},
    ControlTemplate{K::RadioButton, kIdcAttachCommaSeparated, "Comma-separated", {20, 126, 210, 20}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcAttachTabSeparated, "Tab-separated", {240, 126, 210, 20}},
    ControlTemplate{K::RadioButton, kIdcAttachOmbrelixFormat, "Ombrelix format", {20, 148, 210, 20}},
    ControlTemplate{K::RadioButton, kIdcAttachRawData, "Raw data", {240, 148, 210, 20}},
    ControlTemplate{K::GroupBox, kIdStatic, "Data file content", {8, 182, 456, 114}},
    ControlTemplate{K::RadioButton, kIdcAttachContentEach, "Session Header and Data Names/Units with each transfer",
        {20, 202, 430, 20}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcAttachContentFirst,
        "Session Header and Data Names/Units in first transfer only", {20, 224, 430, 20}},
    ControlTemplate{
        K::RadioButton, kIdcAttachContentNamesFirst, "Data Names/Units in first transfer only", {20, 246, 430, 20}},
    ControlTemplate{K::RadioButton, kIdcAttachContentNone, "No additional information", {20, 268, 430, 20}},
    ControlTemplate{K::GroupBox, kIdcAttachFilenameGroup, "Attachment Base Filename", {8, 302, 456, 100}},
    ControlTemplate{K::Edit, kIdcAttachBaseFilename, "", {20, 322, 300, 24}},
    ControlTemplate{K::CheckBox, kIdcAttachAppendDateTime, "Append unique date/time to Filename", {20, 352, 430, 20}},
    ControlTemplate{K::CheckBox, kIdcAttachAppendSerialNumber, "Append serial number to Filename", {20, 374, 215, 20}},
    ControlTemplate{K::CheckBox, kIdcAttachAppendLoggerName, "Append logger name to Filename", {240, 374, 215, 20}},
};

}  // namespace

const DialogTemplate kEmailAttachPage{kDialogEmailAttachPage, "File Specification", 472, 410, kControls};

}  // namespace corvane::res
