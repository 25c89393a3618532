#include "loggersim/LoggerState.h"

#include "base/ByteReader.h"
#include "base/ByteWriter.h"
#include "loggersim/ConfigItemTable.h"

#include <algorithm>

namespace corvane {

namespace {

bool IsIdentityKey(std::uint8_t key)
{
    return key == kItemUnitId || key == kItemUnitName || key == kItemIdentification || key == kItemHardwareType;
}

// A NUL-terminated text inside a field of size bytes.
std::string FieldText(std::span<const std::uint8_t> value, std::size_t size)
{
    ByteReader reader(value);
    return std::string(reader.FixedText(std::min(size, value.size())));
}

}  // namespace

LoggerState LoggerState::Fresh()
{
    LoggerState state;
    for (const ConfigItem& item : ConfigItemTable())
        if (!IsIdentityKey(item.key))
            state.items[item.key] = ConfigItemDefault(item.key);
    // Channel 0 current, 1 high-level Vdc, 2 and 3 low-level Vdc, 4 current.
    BusModule analog{kModuleTypeAnalog, {2, 1, 0}, 700101, "Analog Inputs", 0xAA48};
    // Calibrated 2026-01-15 00:00 UTC, due a year later.
    analog.calibrationLast = 1768435200;
    analog.calibrationDue = 1799971200;
    analog.calibrationComment = "Factory calibration";
    state.modules[1] = analog;
    BusModule digital{kModuleTypeDigital, {1, 3, 0}, 700402, "Digital I/O", 0};
    state.modules[4] = digital;
    state.modbusUnits[1] = ModbusUnit::Fresh();
    state.users["admin"] = LoggerUser{"admin", ~std::uint64_t{0}, true};
    return state;
}

std::vector<std::uint8_t> LoggerState::PresentKeys() const
{
    std::vector<std::uint8_t> keys;
    for (const ConfigItem& item : ConfigItemTable())
        if (IsIdentityKey(item.key) || items.count(item.key) != 0)
            keys.push_back(item.key);
    return keys;
}

std::optional<std::vector<std::uint8_t>> LoggerState::Item(std::uint8_t key) const
{
    const std::optional<std::uint16_t> length = ConfigItemLength(key);
    if (!length)
        return std::nullopt;
    std::vector<std::uint8_t> value(*length, 0);
    ByteWriter writer(value);
    switch (key) {
    case kItemUnitId: writer.FixedText(unitId.substr(0, *length - 1u), *length); return value;
    case kItemUnitName: writer.FixedText(unitName.substr(0, *length - 1u), *length); return value;
    case kItemHardwareType: writer.U8(hardwareType); return value;
    case kItemIdentification:
        writer.U32LE(serialNumber);
        writer.Seek(6);
        writer.FixedText(revision.substr(0, 6), 7);
        writer.Seek(13);
        writer.U8(hardwareType);
        return value;
    default: break;
    }
    const auto found = items.find(key);
    if (found == items.end())
        return std::nullopt;
    std::copy_n(found->second.begin(), std::min(found->second.size(), value.size()), value.begin());
    return value;
}

bool LoggerState::SetItem(std::uint8_t key, std::span<const std::uint8_t> value)
{
    const std::optional<std::uint16_t> length = ConfigItemLength(key);
    if (!length || value.size() > *length)
        return false;
    std::vector<std::uint8_t> full(*length, 0);
    std::copy(value.begin(), value.end(), full.begin());
    ByteReader reader(full);
    switch (key) {
    case kItemUnitId: unitId = FieldText(full, *length - 1u); return true;
    case kItemUnitName: unitName = FieldText(full, *length - 1u); return true;
    case kItemHardwareType: hardwareType = reader.U8(); return true;
    case kItemIdentification:
        serialNumber = reader.U32LE();
        revision = FieldText(std::span<const std::uint8_t>(full).subspan(6, 7), 6);
        reader.Seek(13);
        hardwareType = reader.U8();
        return true;
    default: break;
    }
    items[key] = std::move(full);
    return true;
}

std::vector<std::uint8_t> LoggerState::StateBlock(std::int64_t loggerTime) const
{
    std::vector<std::uint8_t> block(kStateBlockSize, 0);
    ByteWriter writer(block);
    writer.FixedText(unitName.substr(0, 21), 22, "unit name");
    writer.FixedText(unitId.substr(0, 21), 22, "unit id");
    writer.U32LE(firmwareVersion, "firmware version");
    writer.U32LE(StatusWordNow(), "status word");
    writer.I32LE(static_cast<std::int32_t>(loggerTime), "logger time");
    writer.U16LE(daylightRule, "daylight rule");
    writer.I16LE(timeZoneMinutes, "time zone");
    writer.Zeros(4, "spare");
    writer.FixedText(netName.substr(0, 21), 22, "net name");
    writer.FixedText(netDescription.substr(0, 21), 22, "net description");
    writer.U32LE(logMemoryKb, "log memory size");
    writer.U32LE(logUsedKb, "log memory used");
    writer.I32LE(netMemoryBytes, "net memory used");
    writer.F32LE(supplyVolts, "supply volts");
    writer.F32LE(batteryVolts, "battery volts");
    writer.F32LE(temperatureC, "temperature");
    writer.U8(hardwareType, "interface kind");
    writer.U8(clockBattery, "clock battery");
    writer.U8(signalBars, "signal");
    writer.U8(cellQualityBars, "cell quality");
    return block;
}

void LoggerState::AddRuntimeMessage(std::int64_t time, std::string_view text)
{
    if (runtimeMessages.size() >= kMaxRuntimeMessages)
        runtimeMessages.erase(runtimeMessages.begin());
    runtimeMessages.push_back({time, std::string(text.substr(0, kMaxRuntimeMessageBytes))});
}

}  // namespace corvane
