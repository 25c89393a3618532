#include "app/ProgramSettings.h"

#include "shell/CRegistry.h"
#include "platform/SettingsStore.h"

#include <string>

namespace corvane {

namespace {

const ProgramSettingDefault& FindDefault(std::string_view name)
{
    for (const ProgramSettingDefault& setting : kProgramSettingDefaults) {
        if (setting.name == name)
            return setting;
    }
    return kProgramSettingDefaults.front();
}

// Read-with-default: the stored value when it exists, otherwise the
// default, written first when the table says the setting is created.
// asInt reads through ToInt, otherwise through GetDword.
std::uint32_t ReadSetting(CRegistry& key, std::string_view name, bool asInt)
{
    const ProgramSettingDefault& setting = FindDefault(name);
    CRegEntry& entry = key[name];
    if (entry.Exists())
        return asInt ? static_cast<std::uint32_t>(entry.ToInt()) : entry.GetDword();
    if (setting.created)
        (void)entry.SetDword(setting.defaultValue);
    return setting.defaultValue;
}

int AsInt(std::uint32_t value) { return static_cast<int>(value); }

}  // namespace

ProgramSettings LoadProgramSettings(SettingsStore& store)
{
    ProgramSettings settings;
    SettingsStore::Batch batch(store);
    {
        CRegistry product(store, CRegistry::kCreate);
        (void)product.Open(kProductKey);
        settings.loggerRetryTime = ReadSetting(product, "LoggerRetryTime", false);
        settings.socketTimeout = ReadSetting(product, "SocketTimeout", false);
        settings.snapToGrid = AsInt(ReadSetting(product, "SnapToGrid", true));
        settings.commTrace = ReadSetting(product, "CommTrace", false);
    }
    {
        CRegistry admin(store, CRegistry::kCreate);
        (void)admin.Open(kAdminKey);
        settings.showProduction = AsInt(ReadSetting(admin, "ShowProduction", true));
        settings.dontResetLoggerAfterConfigUpdate = AsInt(ReadSetting(admin, "DontResetLoggerAfterConfigUpdate", true));
        settings.dontDeleteRawData = AsInt(ReadSetting(admin, "DontDeleteRawData", true));
        settings.sendKeepAlivePing = ReadSetting(admin, "SendKeepAlivePing", false);
    }
    return settings;
}

bool ReadDontDeleteRawData(SettingsStore& store)
{
    CRegistry admin(store);
    if (!admin.Open(kAdminKey, CRegistry::kQueryValue))
        return false;
    CRegEntry& entry = admin["DontDeleteRawData"];
    return entry.Exists() && entry.ToInt() != 0;
}

bool SaveSnapToGrid(SettingsStore& store, int snapToGrid)
{
    CRegistry product(store, CRegistry::kCreate);
    if (!product.Open(kProductKey))
        return false;
    return product["SnapToGrid"].SetDword(static_cast<std::uint32_t>(snapToGrid));
}

std::optional<WindowPosSettings> ReadWindowPos(SettingsStore& store)
{
    CRegistry product(store);
    if (!product.Open(kProductKey, CRegistry::kQueryValue))
        return std::nullopt;
    const char* const names[] = {"WindowPosX", "WindowPosY", "WindowPosWidth", "WindowPosHeight"};
    int numbers[4] = {};
    for (int i = 0; i < 4; ++i) {
        CRegEntry& entry = product[names[i]];
        if (!entry.Exists())
            return std::nullopt;
        numbers[i] = entry.ToInt();
    }
    WindowPosSettings position{numbers[0], numbers[1], numbers[2], numbers[3], false};
    CRegEntry& maximized = product["WindowPosMaximized"];
    position.maximized = maximized.Exists() && maximized.ToInt() != 0;
    return position;
}

bool SaveWindowPos(SettingsStore& store, const WindowPosSettings& position)
{
    CRegistry product(store, CRegistry::kCreate);
    if (!product.Open(kProductKey))
        return false;
    SettingsStore::Batch batch(store);
    bool written = product["WindowPosX"].SetString(std::to_string(position.x));
    written = product["WindowPosY"].SetString(std::to_string(position.y)) && written;
    written = product["WindowPosWidth"].SetString(std::to_string(position.width)) && written;
    written = product["WindowPosHeight"].SetString(std::to_string(position.height)) && written;
    written = product["WindowPosMaximized"].SetString(position.maximized ? "1" : "0") && written;
    return !batch.End() && written;
}

}  // namespace corvane
