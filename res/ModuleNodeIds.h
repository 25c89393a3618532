#pragma once

namespace corvane::res {

// The bus module node dialogs (the analog module's and the digital I/O
// module's share their control ids) and the module name dialog.
inline constexpr int kDialogVexa7Node = 457;
inline constexpr int kDialogVexa2Node = 553;
inline constexpr int kIdcNodeModuleType = 1004;
inline constexpr int kIdcNodeAddress = 1220;
inline constexpr int kIdcNodeSerial = 1003;
inline constexpr int kIdcNodeFirmware = 1497;
inline constexpr int kIdcNodeName = 1002;
inline constexpr int kIdcNodeChange = 1036;
inline constexpr int kIdcNodeReflash = 1037;
inline constexpr int kIdcNodeProgress = 1496;
inline constexpr int kIdcNodeSetSerial = 1256;
inline constexpr int kIdcNodeNewSerial = 1603;
inline constexpr int kIdcNodeLastCalibration = 11066;
inline constexpr int kIdcNodeCalibrationDue = 11065;
inline constexpr int kIdcNodeComments = 11064;

inline constexpr int kDialogChangeModuleName = 534;
inline constexpr int kIdcNewModuleName = 1495;

}  // namespace corvane::res
