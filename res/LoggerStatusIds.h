#pragma once

// Dialogs and control ids of the logger status and enable-logging dialogs.

namespace corvane::res {

inline constexpr int kDialogLoggerStatus = 280;
inline constexpr int kDialogEnableIntMem = 158;

// Logger status: the read-only fields.
inline constexpr int kIdcStatusMemorySize = 1008;
inline constexpr int kIdcStatusMemoryUsed = 1009;
inline constexpr int kIdcStatusNetMemory = 1011;
inline constexpr int kIdcStatusNetDescription = 131;
inline constexpr int kIdcStatusNetName = 1005;
inline constexpr int kIdcStatusLoggerTime = 1003;
inline constexpr int kIdcStatusUnitId = 1002;
inline constexpr int kIdcStatusUnitName = 1035;
inline constexpr int kIdcStatusFirmware = 1012;
inline constexpr int kIdcStatusSupplyVolts = 1010;
inline constexpr int kIdcStatusBatteryVolts = 1016;
inline constexpr int kIdcStatusTemperature = 1019;
inline constexpr int kIdcStatusClockBattery = 1013;
inline constexpr int kIdcStatusMode = 1014;
inline constexpr int kIdcStatusTimeRule = 1006;
inline constexpr int kIdcStatusUtcOffset = 1007;
inline constexpr int kIdcStatusSignal1 = 1822;
inline constexpr int kIdcStatusSignal2 = 1823;
inline constexpr int kIdcStatusSignal1Label = 1824;
inline constexpr int kIdcStatusSignal2Label = 1825;
inline constexpr int kIdcStatusMessages = 1631;
inline constexpr int kIdcStatusRefresh = 1730;
// Logger status: one check box per status flag.
inline constexpr int kIdcFlagBatteryOverload = 1867;
inline constexpr int kIdcFlagLowBatteryHalt = 1868;
inline constexpr int kIdcFlagBatteryCritical = 1865;
inline constexpr int kIdcFlagBatteryLow = 1864;
inline constexpr int kIdcFlagFatalReset = 1866;
inline constexpr int kIdcFlagWatchdog = 1042;
inline constexpr int kIdcFlagUserReset = 1038;
inline constexpr int kIdcFlagPowerFailed = 1037;
inline constexpr int kIdcFlagClockCritical = 1863;
inline constexpr int kIdcFlagClockLow = 1862;
inline constexpr int kIdcFlagBusError = 1041;
inline constexpr int kIdcFlagIconError = 1039;
inline constexpr int kIdcFlagBehindSchedule = 1565;
inline constexpr int kIdcFlagMemoryError = 1257;
inline constexpr int kIdcFlagNetInitError = 1256;
inline constexpr int kIdcFlagNoNet = 1861;

// Enable logging with data in the internal memory.
inline constexpr int kIdcEnableMemoryText = 1895;
inline constexpr int kIdcEnableAppend = 1896;
inline constexpr int kIdcEnableErase = 1897;

}  // namespace corvane::res
