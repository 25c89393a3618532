#include "res/ConnectionSettingsDialog.h"

#include "res/ResourceIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

// The radio buttons follow one another in kind order (Ethernet 0 ...
// RS-232 4). The address, port, COM port and USB list share the area
// below the group; the dialog shows those of the chosen kind.
constexpr std::array kControls = {
    ControlTemplate{K::Static, kIdStatic, "Connection Name:", {12, 16, 130, 20}},
    ControlTemplate{K::Edit, kIdcSettingsName, "", {146, 12, 300, 24}},
    ControlTemplate{K::GroupBox, kIdStatic, "Connection Type", {12, 48, 434, 56}},
    ControlTemplate{K::RadioButton, kIdcSettingsEthernet, "Ethernet", {24, 70, 80, 22}, s::kGroup},
    ControlTemplate{K::RadioButton, kIdcSettingsWiFi, "WiFi", {108, 70, 70, 22}},
    ControlTemplate{K::RadioButton, kIdcSettingsCellular, "Cellular", {182, 70, 80, 22}},
    ControlTemplate{K::RadioButton, kIdcSettingsUsb, "USB", {266, 70, 70, 22}},
    ControlTemplate{K::RadioButton, kIdcSettingsRs232, "RS-232", {340, 70, 90, 22}},
    ControlTemplate{K::Static, kIdcSettingsAddressLabel, "IP Address", {12, 122, 130, 20}},
    ControlTemplate{K::Edit, kIdcSettingsAddress, "", {146, 118, 300, 24}},
    ControlTemplate{K::Static, kIdcSettingsIpPortLabel, "IP Port", {12, 156, 130, 20}},
    ControlTemplate{K::Edit, kIdcSettingsIpPort, "", {146, 152, 100, 24}},
    ControlTemplate{K::Static, kIdcSettingsComPortLabel, "Com Port", {12, 122, 130, 20}},
    ControlTemplate{K::ComboBox, kIdcSettingsComPort, "", {146, 118, 160, 24}, s::kDropDownList},
    ControlTemplate{K::ListView, kIdcSettingsUsbList, "", {12, 116, 434, 150}},
    ControlTemplate{K::PushButton, kIdcSettingsOk, "OK", {186, 280, 80, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {276, 280, 80, 28}},
    ControlTemplate{K::PushButton, kIdHelp, "Help", {366, 280, 80, 28}},
};

}  // namespace

const DialogTemplate kConnectionSettingsDialog{kDialogConnectionSettings, "Connection Settings", 458, 320, kControls};

}  // namespace corvane::res
