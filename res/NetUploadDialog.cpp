#include "res/NetUploadDialog.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

constexpr std::array kControls = {
    ControlTemplate{K::Static, kIdStatic, "Uploading a new Program Net will:", {12, 12, 400, 20}},
    ControlTemplate{K::Static, kIdStatic, "1. Stop current net execution (If Enabled)", {30, 34, 382, 20}},
    ControlTemplate{K::Static, kIdStatic, "2. Delete all data currently stored in logger memory.", {30, 56, 382, 20}},
    ControlTemplate{K::Static, kIdStatic, "(CANCEL to abort net upload)", {12, 84, 400, 20}},
    ControlTemplate{K::GroupBox, kIdStatic, "Upload errors", {12, 112, 416, 150}},
    ControlTemplate{K::Edit, kIdcNetUploadErrors, "", {22, 134, 396, 118}, s::kMultiLine | s::kReadOnly},
    ControlTemplate{K::GroupBox, kIdStatic, "Upload Progress", {12, 272, 416, 108}},
    ControlTemplate{K::Edit, kIdcNetUploadProgress, "", {22, 294, 396, 52}, s::kMultiLine | s::kReadOnly},
    ControlTemplate{K::ProgressBar, kIdcNetUploadProgressBar, "", {22, 354, 396, 16}},
    ControlTemplate{K::PushButton, kIdcNetUploadButton, "Upload", {12, 394, 130, 28}},
    ControlTemplate{K::PushButton, kIdOk, "Upload and Enable", {155, 394, 130, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {298, 394, 130, 28}},
};

}  // namespace

const DialogTemplate kNetUploadDialog{kDialogNetUpload, "Upload Program Net", 440, 434, kControls};

}  // namespace corvane::res
