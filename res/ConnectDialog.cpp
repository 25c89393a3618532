#include "res/ConnectDialog.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

// Disconnect starts disabled; the dialog sets both link buttons as it opens.
constexpr std::array kControls = {
    ControlTemplate{K::ListView, kIdcConnectList, "", {10, 10, 580, 220}},
    ControlTemplate{K::CheckBox, kIdcConnectShowAll, "Show all logger connections", {10, 236, 260, 22}},
    ControlTemplate{K::PushButton, kIdcConnectAdd, "Add Connection", {600, 10, 130, 28}},
    ControlTemplate{K::PushButton, kIdcConnectEdit, "Edit Connection", {600, 44, 130, 28}},
    ControlTemplate{K::PushButton, kIdcConnectDelete, "Delete Connection", {600, 78, 130, 28}},
    ControlTemplate{K::PushButton, kIdcConnectNow, "Connect", {600, 128, 130, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdcConnectDisconnect, "Disconnect", {600, 162, 130, 28}, s::kDisabled},
    ControlTemplate{K::PushButton, kIdOk, "Close", {600, 212, 130, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {600, 246, 130, 28}},
};

}  // namespace

const DialogTemplate kConnectDialog{kDialogConnect, "Logger Connection", 740, 284, kControls};

}  // namespace corvane::res
