#include "loggersim/LoggerStateText.h"

#include "base/Cp1252.h"
#include "base/TextNumbers.h"
#include "loggersim/ConfigItemTable.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <functional>
#include <map>
#include <set>
#include <type_traits>
#include <vector>

namespace corvane {

namespace {

std::string Hex(std::span<const std::uint8_t> bytes)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    for (const std::uint8_t byte : bytes) {
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0x0F];
    }
    return text;
}

std::optional<std::vector<std::uint8_t>> FromHex(std::string_view text)
{
    if (text.size() % 2 != 0)
        return std::nullopt;
    std::vector<std::uint8_t> bytes(text.size() / 2);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto [end, error] = std::from_chars(text.data() + 2 * i, text.data() + 2 * i + 2, bytes[i], 16);
        if (error != std::errc() || end != text.data() + 2 * i + 2)
            return std::nullopt;
    }
    return bytes;
}

std::string Number(std::int64_t value) { return std::to_string(value); }

std::string HexNumber(std::uint32_t value, int digits)
{
    char text[16] = {};
    std::snprintf(text, sizeof text, "0x%0*X", digits, value);
    return text;
}

std::string Float(float value)
{
    char text[32] = {};
    const auto result = std::to_chars(text, text + sizeof text - 1, value);
    return std::string(text, result.ptr);
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

std::optional<float> ParseFloat(std::string_view text)
{
    float value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string Version(std::uint32_t value)
{
    return std::to_string(value >> 24) + "." + std::to_string((value >> 16) & 0xFF) + "."
        + std::to_string((value >> 8) & 0xFF) + "." + std::to_string(value & 0xFF);
}

std::optional<std::uint32_t> ParseVersion(std::string_view text)
{
    std::uint32_t value = 0;
    for (int part = 0; part < 4; ++part) {
        const std::size_t dot = part < 3 ? text.find('.') : text.size();
        if (dot == std::string_view::npos)
            return std::nullopt;
        const auto number = ParseWholeInteger<std::uint8_t>(text.substr(0, dot));
        if (!number)
            return std::nullopt;
        value = (value << 8) | *number;
        text = part < 3 ? text.substr(dot + 1) : std::string_view();
    }
    return value;
}

// A field: how to write it and how to read it back (false: bad value).
struct Field {
    const char* name;
    std::function<std::string(const LoggerState&)> format;
    std::function<bool(LoggerState&, std::string_view)> parse;
};

template <class T> Field IntegerField(const char* name, T LoggerState::*member)
{
    return {name, [member](const LoggerState& s) { return Number(static_cast<std::int64_t>(s.*member)); },
        [member](LoggerState& s, std::string_view v) {
            const auto value = ParseWholeInteger<T>(v);
            if (value)
                s.*member = *value;
            return value.has_value();
        }};
}

template <class T> Field HexField(const char* name, T LoggerState::*member, int digits)
{
    return {name, [member, digits](const LoggerState& s) { return HexNumber(s.*member, digits); },
        [member](LoggerState& s, std::string_view v) {
            const auto value = ParseWholeInteger<T>(v);
            if (value)
                s.*member = *value;
            return value.has_value();
        }};
}

Field FloatField(const char* name, float LoggerState::*member)
{
    return {name, [member](const LoggerState& s) { return Float(s.*member); },
        [member](LoggerState& s, std::string_view v) {
            const auto value = ParseFloat(v);
            if (value)
                s.*member = *value;
            return value.has_value();
        }};
}

// A text kept as Windows-1252 bytes and written as UTF-8, of at most limit bytes.
Field TextField(const char* name, std::string LoggerState::*member, std::size_t limit)
{
    return {name, [member](const LoggerState& s) { return Cp1252ToUtf8(s.*member); },
        [member, limit](LoggerState& s, std::string_view v) {
            if (Cp1252Length(v) > limit)
                return false;
            s.*member = Utf8ToCp1252(v);
            return true;
        }};
}

const std::vector<Field>& Fields()
{
    static const std::vector<Field> fields = {
        TextField("unit-name", &LoggerState::unitName, 21),
        TextField("unit-id", &LoggerState::unitId, 21),
        IntegerField("serial-number", &LoggerState::serialNumber),
        TextField("revision", &LoggerState::revision, 6),
        IntegerField("hardware-type", &LoggerState::hardwareType),
        {"firmware-version", [](const LoggerState& s) { return Version(s.firmwareVersion); },
            [](LoggerState& s, std::string_view v) {
                const auto value = ParseVersion(v);
                if (value)
                    s.firmwareVersion = *value;
                return value.has_value();
            }},
        HexField("status-word", &LoggerState::statusWord, 8),
        {"run-state", [](const LoggerState& s) { return std::string(s.running ? "enabled" : "stopped"); },
            [](LoggerState& s, std::string_view v) {
                if (v != "enabled" && v != "stopped")
                    return false;
                s.running = v == "enabled";
                return true;
            }},
        IntegerField("clock-offset-seconds", &LoggerState::clockOffsetSeconds),
        IntegerField("time-zone-minutes", &LoggerState::timeZoneMinutes),
        HexField("daylight-rule", &LoggerState::daylightRule, 4),
        TextField("net-name", &LoggerState::netName, 21),
        TextField("net-description", &LoggerState::netDescription, 21),
        IntegerField("log-memory-kb", &LoggerState::logMemoryKb),
        IntegerField("log-used-kb", &LoggerState::logUsedKb),
        IntegerField("net-memory-bytes", &LoggerState::netMemoryBytes),
        FloatField("supply-volts", &LoggerState::supplyVolts),
        FloatField("battery-volts", &LoggerState::batteryVolts),
        FloatField("temperature-c", &LoggerState::temperatureC),
        IntegerField("clock-battery", &LoggerState::clockBattery),
        IntegerField("signal-bars", &LoggerState::signalBars),
        IntegerField("cell-quality-bars", &LoggerState::cellQualityBars),
        IntegerField("passwords-on", &LoggerState::passwordsOn),
        IntegerField("full-access", &LoggerState::fullAccess),
        IntegerField("message-timeout-ms", &LoggerState::messageTimeoutMs),
        HexField("base-config", &LoggerState::baseConfigWord, 4),
        {"diagnostic-levels",
            [](const LoggerState& s) {
                std::string text;
                for (const std::uint8_t level : s.diagnosticLevels)
                    text += static_cast<char>('0' + level);
                return text;
            },
            [](LoggerState& s, std::string_view v) {
                if (v.size() != s.diagnosticLevels.size()
                    || !std::all_of(v.begin(), v.end(), [](char c) { return c >= '0' && c <= '3'; }))
                    return false;
                for (std::size_t i = 0; i < v.size(); ++i)
                    s.diagnosticLevels[i] = static_cast<std::uint8_t>(v[i] - '0');
                return true;
            }},
        IntegerField("diagnostic-trace", &LoggerState::diagnosticTrace),
        IntegerField("run-busy-answers", &LoggerState::runBusyAnswers),
    };
    return fields;
}

constexpr std::string_view kItemPrefix = "item.";
constexpr std::string_view kModulePrefix = "module.";

std::string FirmwareText(const std::array<std::uint8_t, 3>& firmware)
{
    return std::to_string(firmware[0]) + "." + std::to_string(firmware[1]) + "." + std::to_string(firmware[2]);
}

std::optional<std::array<std::uint8_t, 3>> ParseFirmware(std::string_view text)
{
    std::array<std::uint8_t, 3> firmware{};
    for (std::size_t part = 0; part < firmware.size(); ++part) {
        const std::size_t dot = part + 1 < firmware.size() ? text.find('.') : text.size();
        if (dot == std::string_view::npos)
            return std::nullopt;
        const auto number = ParseWholeInteger<std::uint8_t>(text.substr(0, dot));
        if (!number)
            return std::nullopt;
        firmware[part] = *number;
        text = part + 1 < firmware.size() ? text.substr(dot + 1) : std::string_view();
    }
    return firmware;
}

// One "module.<address>.<field> = <value>" line, name without the prefix;
// false for an address off the bus, an unknown field or a bad value.
bool ParseModuleLine(LoggerState& state, std::string_view name, std::string_view value)
{
    const std::size_t dot = name.find('.');
    if (dot == std::string_view::npos)
        return false;
    const auto address = ParseWholeInteger<std::uint8_t>(name.substr(0, dot));
    if (!address || *address >= kBusSlotCount)
        return false;
    const std::string_view field = name.substr(dot + 1);
    BusModule& module = state.modules[*address];
    if (field == "type") {
        const auto type = ParseWholeInteger<std::uint8_t>(value);
        if (type)
            module.type = *type;
        return type.has_value();
    }
    if (field == "firmware") {
        const auto firmware = ParseFirmware(value);
        if (firmware)
            module.firmware = *firmware;
        return firmware.has_value();
    }
    if (field == "serial") {
        const auto serial = ParseWholeInteger<std::uint32_t>(value);
        if (serial)
            module.serialNumber = *serial;
        return serial.has_value();
    }
    if (field == "name") {
        if (Cp1252Length(value) > kModuleNameBytes)
            return false;
        module.name = Utf8ToCp1252(value);
        return true;
    }
    if (field == "switches") {
        const auto word = ParseWholeInteger<std::uint16_t>(value);
        if (word)
            module.switchWord = *word;
        return word.has_value();
    }
    const auto number = [&value](auto& target) {
        const auto parsed = ParseWholeInteger<std::remove_reference_t<decltype(target)>>(value);
        if (parsed)
            target = *parsed;
        return parsed.has_value();
    };
    if (field == "calibration-last")
        return number(module.calibrationLast);
    if (field == "calibration-due")
        return number(module.calibrationDue);
    if (field == "calibration-comment") {
        if (Cp1252Length(value) > kModuleCommentBytes)
            return false;
        module.calibrationComment = Utf8ToCp1252(value);
        return true;
    }
    if (field == "flash-busy")
        return number(module.flashBusy);
    if (field == "flash-status")
        return number(module.flashStatus);
    if (field == "reflash-stage") {
        const auto stage = ParseWholeInteger<std::uint8_t>(value);
        if (!stage || *stage > static_cast<std::uint8_t>(BusModule::ReflashStage::Ended))
            return false;
        module.reflashStage = static_cast<BusModule::ReflashStage>(*stage);
        return true;
    }
    if (field == "reflash-bytes")
        return number(module.reflashBytes);
    if (field == "reflash-version") {
        const auto version = ParseFirmware(value);
        if (version)
            module.reflashVersion = *version;
        return version.has_value();
    }
    if (field == "reflash-busy-left")
        return number(module.reflashBusyLeft);
    return false;
}

constexpr std::string_view kModbusPrefix = "modbus.";

std::string BitsText(const std::vector<bool>& bits)
{
    std::string text;
    for (const bool bit : bits)
        text += bit ? '1' : '0';
    return text;
}

std::optional<std::vector<bool>> ParseBits(std::string_view text)
{
    std::vector<bool> bits;
    for (const char c : text) {
        if (c != '0' && c != '1')
            return std::nullopt;
        bits.push_back(c == '1');
    }
    return bits;
}

// Registers as hex, two bytes each, big-endian.
std::string RegistersText(const std::vector<std::uint16_t>& registers)
{
    std::vector<std::uint8_t> bytes;
    for (const std::uint16_t value : registers) {
        bytes.push_back(static_cast<std::uint8_t>(value >> 8));
        bytes.push_back(static_cast<std::uint8_t>(value));
    }
    return Hex(bytes);
}

std::optional<std::vector<std::uint16_t>> ParseRegisters(std::string_view text)
{
    const auto bytes = FromHex(text);
    if (!bytes || bytes->size() % 2 != 0)
        return std::nullopt;
    std::vector<std::uint16_t> registers;
    for (std::size_t i = 0; i < bytes->size(); i += 2)
        registers.push_back(static_cast<std::uint16_t>((*bytes)[i] << 8 | (*bytes)[i + 1]));
    return registers;
}

// One "modbus.<unit>.<field> = <value>" line, name without the prefix;
// false for a unit number above 65535, an unknown field or a bad value.
bool ParseModbusLine(LoggerState& state, std::string_view name, std::string_view value)
{
    const std::size_t dot = name.find('.');
    if (dot == std::string_view::npos)
        return false;
    const auto unitNumber = ParseWholeInteger<std::uint16_t>(name.substr(0, dot));
    if (!unitNumber)
        return false;
    const std::string_view field = name.substr(dot + 1);
    ModbusUnit& unit = state.modbusUnits[*unitNumber];
    if (field == "coils" || field == "contacts") {
        auto bits = ParseBits(value);
        if (bits)
            (field == "coils" ? unit.coils : unit.contacts) = std::move(*bits);
        return bits.has_value();
    }
    if (field == "inputs" || field == "holding") {
        auto registers = ParseRegisters(value);
        if (registers)
            (field == "inputs" ? unit.inputRegisters : unit.holdingRegisters) = std::move(*registers);
        return registers.has_value();
    }
    return false;
}

constexpr std::string_view kRuntimeMessagePrefix = "runtime-message.";

// One "runtime-message.<n> = <time> <text>" line, name without the prefix:
// the messages are numbered from 0 in order, each number once.
bool ParseRuntimeMessageLine(LoggerState& state, std::string_view name, std::string_view value)
{
    const auto number = ParseWholeInteger<std::size_t>(name);
    if (!number || *number != state.runtimeMessages.size() || *number >= LoggerState::kMaxRuntimeMessages)
        return false;
    const std::size_t blank = value.find(' ');
    const auto time = ParseWholeInteger<std::int64_t>(value.substr(0, blank));
    const std::string_view text = blank == std::string_view::npos ? std::string_view() : value.substr(blank + 1);
    if (!time || Cp1252Length(text) > LoggerState::kMaxRuntimeMessageBytes || text.find('\0') != std::string_view::npos)
        return false;
    state.runtimeMessages.push_back({*time, Utf8ToCp1252(text)});
    return true;
}

constexpr std::string_view kUserPrefix = "user.";
constexpr std::string_view kNoUsersLine = "users = none";

// One "user.<name>.<field> = <value>" line, name without the prefix; false
// for a name that does not fit the login buffers, an unknown field or a bad
// value. The user's name may itself hold dots: the field follows the last.
bool ParseUserLine(LoggerState& state, std::string_view name, std::string_view value)
{
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0)
        return false;
    const std::string_view userName = name.substr(0, dot);
    if (Cp1252Length(userName) > kMaxLoggerUserName || userName.find('\0') != std::string_view::npos)
        return false;
    const std::string_view field = name.substr(dot + 1);
    LoggerUser& user = state.users[Utf8ToCp1252(userName)];
    if (field == "password") {
        if (Cp1252Length(value) > kMaxLoggerPassword || value.find('\0') != std::string_view::npos)
            return false;
        user.password = Utf8ToCp1252(value);
        return true;
    }
    if (field == "rights") {
        const auto rights = ParseWholeInteger<std::uint64_t>(value);
        if (rights)
            user.rights = *rights;
        return rights.has_value();
    }
    if (field == "challenge") {
        if (value != "yes" && value != "no")
            return false;
        user.challenge = value == "yes";
        return true;
    }
    return false;
}

}  // namespace

std::string FormatLoggerState(const LoggerState& state)
{
    std::string text = "# Simulated logger state. Texts are UTF-8; configuration items are hex bytes.\n";
    for (const Field& field : Fields())
        text += std::string(field.name) + " = " + field.format(state) + "\n";
    for (const auto& [key, value] : state.items)
        text += std::string(kItemPrefix) + std::to_string(key) + " = " + Hex(value) + "\n";
    for (const auto& [address, module] : state.modules) {
        const std::string prefix = std::string(kModulePrefix) + std::to_string(address) + ".";
        text += prefix + "type = " + Number(module.type) + "\n";
        text += prefix + "firmware = " + FirmwareText(module.firmware) + "\n";
        text += prefix + "serial = " + Number(module.serialNumber) + "\n";
        text += prefix + "name = " + Cp1252ToUtf8(module.name) + "\n";
        text += prefix + "switches = " + HexNumber(module.switchWord, 4) + "\n";
        text += prefix + "calibration-last = " + Number(module.calibrationLast) + "\n";
        text += prefix + "calibration-due = " + HexNumber(module.calibrationDue, 8) + "\n";
        text += prefix + "calibration-comment = " + Cp1252ToUtf8(module.calibrationComment) + "\n";
        text += prefix + "flash-busy = " + Number(module.flashBusy) + "\n";
        text += prefix + "flash-status = " + HexNumber(module.flashStatus, 4) + "\n";
        text += prefix + "reflash-stage = " + Number(static_cast<int>(module.reflashStage)) + "\n";
        text += prefix + "reflash-bytes = " + Number(module.reflashBytes) + "\n";
        text += prefix + "reflash-version = " + FirmwareText(module.reflashVersion) + "\n";
        text += prefix + "reflash-busy-left = " + Number(module.reflashBusyLeft) + "\n";
    }
    for (const auto& [number, unit] : state.modbusUnits) {
        const std::string prefix = std::string(kModbusPrefix) + std::to_string(number) + ".";
        text += prefix + "coils = " + BitsText(unit.coils) + "\n";
        text += prefix + "contacts = " + BitsText(unit.contacts) + "\n";
        text += prefix + "inputs = " + RegistersText(unit.inputRegisters) + "\n";
        text += prefix + "holding = " + RegistersText(unit.holdingRegisters) + "\n";
    }
    // A logger whose users were all deleted says so, so that it does not
    // come back with the fresh logger's "admin".
    if (state.users.empty())
        text += std::string(kNoUsersLine) + "\n";
    for (std::size_t i = 0; i < state.runtimeMessages.size(); ++i) {
        // A line break of the text would end the setting: the file keeps a blank.
        std::string line = Cp1252ToUtf8(state.runtimeMessages[i].text);
        std::replace_if(
            line.begin(), line.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
        text += std::string(kRuntimeMessagePrefix) + std::to_string(i) + " = " + Number(state.runtimeMessages[i].time)
            + " " + line + "\n";
    }
    for (const auto& [name, user] : state.users) {
        const std::string prefix = std::string(kUserPrefix) + Cp1252ToUtf8(name) + ".";
        char rights[24] = {};
        std::snprintf(rights, sizeof rights, "0x%016llX", static_cast<unsigned long long>(user.rights));
        text += prefix + "password = " + Cp1252ToUtf8(user.password) + "\n";
        text += prefix + "rights = " + rights + "\n";
        text += prefix + "challenge = " + (user.challenge ? "yes" : "no") + "\n";
    }
    return text;
}

ParsedLoggerState ParseLoggerState(std::string_view text)
{
    ParsedLoggerState result;
    LoggerState state = LoggerState::Fresh();
    state.items.clear();
    state.modules.clear();
    state.modbusUnits.clear();
    std::set<std::string, std::less<>> seen;
    bool usersListed = false;
    bool noUsers = false;
    int lineNumber = 0;
    auto fail = [&](const std::string& why) {
        result.error = "line " + std::to_string(lineNumber) + ": " + why;
        return result;
    };
    while (!text.empty()) {
        ++lineNumber;
        const std::size_t end = text.find('\n');
        const std::string_view line = Trim(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line.empty() || line.front() == '#')
            continue;
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            return fail("no '=' in \"" + std::string(line) + "\"");
        const std::string_view name = Trim(line.substr(0, equals));
        const std::string_view value = Trim(line.substr(equals + 1));
        if (!seen.insert(std::string(name)).second)
            return fail(std::string(name) + " is given twice");
        if (name.substr(0, kItemPrefix.size()) == kItemPrefix) {
            const auto key = ParseWholeInteger<std::uint8_t>(name.substr(kItemPrefix.size()));
            const auto bytes = FromHex(value);
            if (!key || !ConfigItemLength(*key))
                return fail(std::string(name) + " is not a configuration item");
            if (!bytes || !state.SetItem(*key, *bytes))
                return fail(std::string(name) + " has a bad value");
            continue;
        }
        if (name.substr(0, kUserPrefix.size()) == kUserPrefix) {
            // Users listed in the file replace the fresh logger's.
            if (noUsers)
                return fail(std::string(name) + " follows \"users = none\"");
            if (!usersListed)
                state.users.clear();
            usersListed = true;
            if (!ParseUserLine(state, name.substr(kUserPrefix.size()), value))
                return fail(std::string(name) + " has a bad value \"" + std::string(value) + "\"");
            continue;
        }
        if (name == "users") {
            if (value != "none" || usersListed)
                return fail("users must be \"none\", and without user lines");
            state.users.clear();
            usersListed = true;
            noUsers = true;
            continue;
        }
        if (name.substr(0, kModulePrefix.size()) == kModulePrefix) {
            if (!ParseModuleLine(state, name.substr(kModulePrefix.size()), value))
                return fail(std::string(name) + " has a bad value \"" + std::string(value) + "\"");
            continue;
        }
        if (name.substr(0, kRuntimeMessagePrefix.size()) == kRuntimeMessagePrefix) {
            if (!ParseRuntimeMessageLine(state, name.substr(kRuntimeMessagePrefix.size()), value))
                return fail(std::string(name) + " has a bad value \"" + std::string(value) + "\"");
            continue;
        }
        if (name.substr(0, kModbusPrefix.size()) == kModbusPrefix) {
            if (!ParseModbusLine(state, name.substr(kModbusPrefix.size()), value))
                return fail(std::string(name) + " has a bad value \"" + std::string(value) + "\"");
            continue;
        }
        const Field* field = nullptr;
        for (const Field& candidate : Fields())
            if (name == candidate.name)
                field = &candidate;
        if (field == nullptr)
            return fail("unknown setting " + std::string(name));
        if (!field->parse(state, value))
            return fail(std::string(name) + " has a bad value \"" + std::string(value) + "\"");
    }
    result.state = std::move(state);
    return result;
}

}  // namespace corvane
