#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace corvane {

class SettingsStore;

// Keys of the program's settings, below the settings store's root.
inline constexpr std::string_view kProductKey = "Software\\Tarnwick\\Corvane";
inline constexpr std::string_view kAdminKey = "Software\\Tarnwick\\Corvane\\Admin";
inline constexpr std::string_view kFoldersKey = "Software\\Tarnwick\\Corvane\\Folders";
inline constexpr std::string_view kSdCardKey = "Software\\Tarnwick\\Corvane\\SDCard";

// A number setting: where it lives, its default and whether a missing one
// is written with the default at start-up.
struct ProgramSettingDefault {
    std::string_view key;
    std::string_view name;
    std::uint32_t defaultValue = 0;
    bool created = false;
};

inline constexpr std::array kProgramSettingDefaults = {
    ProgramSettingDefault{kProductKey, "LoggerRetryTime", 5000, true},
    ProgramSettingDefault{kProductKey, "SocketTimeout", 5000, true},
    ProgramSettingDefault{kProductKey, "SnapToGrid", 0, true},
    ProgramSettingDefault{kProductKey, "CommTrace", 0, false},
    ProgramSettingDefault{kAdminKey, "ShowProduction", 0, false},
    ProgramSettingDefault{kAdminKey, "DontResetLoggerAfterConfigUpdate", 0, true},
    ProgramSettingDefault{kAdminKey, "DontDeleteRawData", 0, true},
    ProgramSettingDefault{kAdminKey, "SendKeepAlivePing", 0, false},
};

// The settings the application object keeps, as read at start-up.
struct ProgramSettings {
    std::uint32_t loggerRetryTime = 5000;  // ms
    std::uint32_t socketTimeout = 5000;    // ms
    int snapToGrid = 0;
    std::uint32_t commTrace = 0;
    int showProduction = 0;
    int dontResetLoggerAfterConfigUpdate = 0;
    int dontDeleteRawData = 0;
    std::uint32_t sendKeepAlivePing = 0;
};

// Reads every setting above; a missing one gives its default, and is
// written with it when the table says so (a first start creates exactly
// those values).
ProgramSettings LoadProgramSettings(SettingsStore& store);

// Single settings read the same way (without creating anything).
bool ReadDontDeleteRawData(SettingsStore& store);

// Rewrites SnapToGrid.
bool SaveSnapToGrid(SettingsStore& store, int snapToGrid);

// The main window's rectangle and state, kept as decimal texts.
struct WindowPosSettings {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool maximized = false;
};
// nullopt unless all four numbers are stored.
std::optional<WindowPosSettings> ReadWindowPos(SettingsStore& store);
bool SaveWindowPos(SettingsStore& store, const WindowPosSettings& position);

}  // namespace corvane
