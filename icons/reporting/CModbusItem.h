#pragma once

#include "platform/TreeViewControl.h"

#include <cstdint>
#include <string>

namespace corvane {

// One row of the Modbus register list dialog: an icon of the net whose
// value remote Modbus masters and clients may reach, and the holding
// register the user gives it (as typed; "0" for none).
struct CModbusItem {
    // What kind of icon the row stands for; the register list keeps its
    // pairs grouped by it.
    enum Kind : int { kDataTag = 0, kRemoteVariable = 1, kRemoteSwitch = 2 };

    std::uint16_t sourceId = 0;
    std::string name;          // the icon's name (UTF-8)
    std::string registerText;  // decimal register number as typed
    TreeItem item = 0;         // the row's tree item while the dialog shows it
    int kind = kDataTag;
};

}  // namespace corvane
