#include "res/LoggerStatusDialogs.h"

#include "res/LoggerStatusIds.h"

#include <array>

namespace corvane::res {

namespace {

using K = ControlKind;
namespace s = control_style;

constexpr int kLabelX = 12;
constexpr int kFieldX = 166;
constexpr int kFieldWidth = 240;
constexpr int kRow = 28;
constexpr int Row(int n) { return 12 + n * kRow; }

constexpr ControlTemplate Label(int id, std::string_view text, int row)
{
    return {K::Static, id, text, {kLabelX, Row(row) + 3, 150, 20}};
}
constexpr ControlTemplate Field(int id, int row, std::uint32_t style = 0)
{
    return {K::Edit, id, "", {kFieldX, Row(row), kFieldWidth, 24}, s::kReadOnly | style};
}

constexpr int kFlagX = 432;
constexpr int kFlagWidth = 316;
constexpr int kSystemTop = 12;
constexpr int kSessionTop = 212;
constexpr ControlTemplate Flag(int id, std::string_view text, int top, int n)
{
    return {K::CheckBox, id, text, {kFlagX, top + 24 + n * 24, kFlagWidth, 22}};
}

constexpr std::array kStatusControls = {
    Label(kIdStatic, "Unit Name", 0),
    Field(kIdcStatusUnitName, 0),
    Label(kIdStatic, "Unit ID", 1),
    Field(kIdcStatusUnitId, 1),
    Label(kIdStatic, "Firmware Version", 2),
    Field(kIdcStatusFirmware, 2),
    Label(kIdStatic, "Logger Time", 3),
    Field(kIdcStatusLoggerTime, 3),
    Label(kIdStatic, "Time Rule", 4),
    Field(kIdcStatusTimeRule, 4),
    Label(kIdStatic, "UTC Offset", 5),
    Field(kIdcStatusUtcOffset, 5),
    Label(kIdStatic, "Logger Mode", 6),
    Field(kIdcStatusMode, 6),
    Label(kIdStatic, "Program Net Name", 7),
    Field(kIdcStatusNetName, 7),
    Label(kIdStatic, "Program Description", 8),
    Field(kIdcStatusNetDescription, 8),
    Label(kIdStatic, "Log Memory Size", 9),
    Field(kIdcStatusMemorySize, 9),
    Label(kIdStatic, "Log Memory Used", 10),
    Field(kIdcStatusMemoryUsed, 10),
    Label(kIdStatic, "Net Memory Used", 11),
    Field(kIdcStatusNetMemory, 11),
    Label(kIdStatic, "Ext. Supply Volts", 12),
    Field(kIdcStatusSupplyVolts, 12),
    Label(kIdStatic, "Int. Battery Volts", 13),
    Field(kIdcStatusBatteryVolts, 13),
    Label(kIdStatic, "Clock Battery Volts", 14),
    Field(kIdcStatusClockBattery, 14),
    Label(kIdStatic, "Logger Temp", 15),
    Field(kIdcStatusTemperature, 15),
    Label(kIdcStatusSignal1Label, "Signal Strength", 16),
    Field(kIdcStatusSignal1, 16),
    Label(kIdcStatusSignal2Label, "Signal Quality", 17),
    Field(kIdcStatusSignal2, 17),
    ControlTemplate{K::GroupBox, kIdStatic, "System errors/warnings (Read only)", {420, kSystemTop, 336, 192}},
    Flag(kIdcFlagBatteryCritical, "Main battery is critically low", kSystemTop, 0),
    Flag(kIdcFlagBatteryLow, "Main battery is low", kSystemTop, 1),
    Flag(kIdcFlagClockCritical, "RTC battery is critically low", kSystemTop, 2),
    Flag(kIdcFlagClockLow, "RTC battery is low", kSystemTop, 3),
    Flag(kIdcFlagMemoryError, "Log memory error", kSystemTop, 4),
    Flag(kIdcFlagNetInitError, "Error when initializing program net", kSystemTop, 5),
    Flag(kIdcFlagNoNet, "No program net is loaded", kSystemTop, 6),
    ControlTemplate{
        K::GroupBox, kIdStatic, "Logging session errors/warnings (Click to clear)", {420, kSessionTop, 336, 240}},
    Flag(kIdcFlagBatteryOverload, "Session halted by battery overload", kSessionTop, 0),
    Flag(kIdcFlagLowBatteryHalt, "Session halted by Low battery", kSessionTop, 1),
    Flag(kIdcFlagFatalReset, "Logger was reset by fatal error", kSessionTop, 2),
    Flag(kIdcFlagWatchdog, "Watchdog was triggered", kSessionTop, 3),
    Flag(kIdcFlagUserReset, "Logger was reset by user", kSessionTop, 4),
    Flag(kIdcFlagPowerFailed, "External power failed", kSessionTop, 5),
    Flag(kIdcFlagBusError, "Tevlink error during net scan", kSessionTop, 6),
    Flag(kIdcFlagIconError, "Icon error during net scan", kSessionTop, 7),
    Flag(kIdcFlagBehindSchedule, "Net scan is behind schedule", kSessionTop, 8),
    ControlTemplate{K::Static, kIdStatic, "Runtime Messages", {12, 524, 200, 20}},
    ControlTemplate{K::ListBox, kIdcStatusMessages, "", {12, 546, 744, 130}},
    ControlTemplate{K::PushButton, kIdcStatusRefresh, "Refresh", {572, 688, 88, 28}},
    ControlTemplate{K::PushButton, kIdOk, "OK", {668, 688, 88, 28}, s::kDefault},
};

constexpr std::array kEnableControls = {
    ControlTemplate{K::Edit, kIdcEnableMemoryText, "", {12, 12, 396, 84}, s::kReadOnly | s::kMultiLine},
    ControlTemplate{K::PushButton, kIdcEnableAppend, "Enable and Append", {12, 110, 140, 28}, s::kDefault},
    ControlTemplate{K::PushButton, kIdcEnableErase, "Erase and Enable", {160, 110, 140, 28}},
    ControlTemplate{K::PushButton, kIdCancel, "Cancel", {308, 110, 100, 28}},
};

}  // namespace

const DialogTemplate kLoggerStatusDialog{kDialogLoggerStatus, "Logger Status", 768, 728, kStatusControls};
const DialogTemplate kEnableIntMemDialog{kDialogEnableIntMem, "Enable Logger", 420, 150, kEnableControls};

}  // namespace corvane::res
