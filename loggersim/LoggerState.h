#pragma once

#include "loggersim/BusModule.h"
#include "loggersim/LoggerUserList.h"
#include "loggersim/ModbusUnit.h"

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

constexpr std::size_t kStateBlockSize = 136;

// Everything a simulated logger remembers between runs. Texts are
// Windows-1252 bytes, as the logger keeps them.
struct LoggerState {
    // Identity (also configuration items 16, 17, 76 and 91).
    std::string unitName = "Simulated Logger";
    std::string unitId = "SIM-0001";
    std::uint32_t serialNumber = 100001;
    std::string revision = "A";  // at most 6 bytes
    std::uint8_t hardwareType = 1;
    // 3.1.0.0: a logger of type 3 (bits 24..27), the family the program's
    // nets are for, whose minor version matches the program's and does not
    // pass the communications library's.
    std::uint32_t firmwareVersion = 0x03010000;

    // Status and clock.
    std::uint32_t statusWord = 0;  // flag bits; bit 31 follows the run state
    bool running = false;
    std::int64_t clockOffsetSeconds = 0;  // logger clock minus the host's
    std::int16_t timeZoneMinutes = 0;     // positive west of UTC
    std::uint16_t daylightRule = 0;

    // Program net and memory.
    std::string netName;
    std::string netDescription;
    std::uint32_t logMemoryKb = 8192;
    std::uint32_t logUsedKb = 0;
    std::int32_t netMemoryBytes = 0;
    // The logger's program net image (empty: no net), kept in its own file
    // of the state folder (NetImageFile.h), not in the state file.
    std::vector<std::uint8_t> netImage;
    // The image CxNetSet is receiving; ended by the final, empty block and
    // taken by CxNetInit. Not kept between runs.
    struct PendingNet {
        std::vector<std::uint8_t> bytes;
        bool ended = false;
    };
    std::optional<PendingNet> pendingNet;

    // Power and radio.
    float supplyVolts = 12.0f;
    float batteryVolts = 3.6f;
    float temperatureC = 25.0f;
    std::uint8_t clockBattery = 200;  // volts = (value + 100) / 100
    std::uint8_t signalBars = 0;
    std::uint8_t cellQualityBars = 0;

    // Link behaviour.
    std::uint8_t passwordsOn = 0;
    std::uint8_t fullAccess = 1;
    std::uint32_t messageTimeoutMs = 5000;

    // The users of the password system in the order they were added. A
    // fresh logger has "admin" with password "admin" and every right.
    LoggerUserList users;
    // The login under way between CxUserAuth's two stages; not kept in the
    // state file.
    struct PendingLogin {
        std::string userName;
        std::string nonce;
        std::string clientNonce;
    };
    std::optional<PendingLogin> pendingLogin;

    // The other configuration items the logger has, by key.
    std::map<std::uint8_t, std::vector<std::uint8_t>> items;

    // The module bus: the base configuration word (the switch codes of the
    // logger's own analog inputs, 3 bits each, input A lowest: 1 low-level
    // Vdc or thermocouple, 2 high-level Vdc, 5 current) and the modules by
    // bus address 0..15. A fresh logger has an analog module at 1 and a
    // digital module at 4.
    std::uint16_t baseConfigWord = 0x0351;
    std::map<std::uint8_t, BusModule> modules;

    // The Modbus devices the logger reaches for CxMbTran, by unit number. A
    // fresh logger reaches unit 1 (ModbusUnit::Fresh).
    std::map<std::uint16_t, ModbusUnit> modbusUnits;

    // The values the remote constants and switches of the stored net were
    // last given over the link (CxIconMsg), by icon id: a constant's f32
    // bytes, a switch's state in the first byte. An icon without one holds
    // its initial value. Emptied when a new net is taken; not kept in the
    // state file.
    std::map<std::uint16_t, std::array<std::uint8_t, 4>> remoteValues;
    // The level of each of the 32 categories of the diagnostic log (0 none,
    // 1 errors, 2 info, 3 trace; categories 0 and 15 are switches, 0 or 1)
    // and the trace flag the log was last started with.
    std::array<std::uint8_t, 32> diagnosticLevels{0, 1, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 1, 1, 1, 1};
    std::uint8_t diagnosticTrace = 0;
    // The runtime messages CxInfoMsg lists, oldest first: each a time
    // (seconds since 1970) and a Windows-1252 text. Halts, resets and
    // reflashes add one; the oldest goes beyond kMaxRuntimeMessages.
    struct RuntimeMessage {
        std::int64_t time = 0;
        std::string text;
        bool operator==(const RuntimeMessage&) const = default;
    };
    static constexpr std::size_t kMaxRuntimeMessages = 64;
    static constexpr std::size_t kMaxRuntimeMessageBytes = 200;
    std::vector<RuntimeMessage> runtimeMessages;
    void AddRuntimeMessage(std::int64_t time, std::string_view text);
    // How many of the next enable requests are answered "busy" (data 1)
    // before one is carried out.
    std::uint32_t runBusyAnswers = 0;

    // A fresh logger: the identity above and every other item of the table
    // at its default.
    static LoggerState Fresh();

    std::uint32_t StatusWordNow() const { return running ? (statusWord | 0x80000000u) : (statusWord & 0x7FFFFFFFu); }
    // The keys the logger has, ascending.
    std::vector<std::uint8_t> PresentKeys() const;
    // A present item's value, at the item's full length.
    std::optional<std::vector<std::uint8_t>> Item(std::uint8_t key) const;
    // Stores a value of at most the item's length (zero-filled to it);
    // false for a key outside the table or a value that is too long.
    bool SetItem(std::uint8_t key, std::span<const std::uint8_t> value);
    // The state block at logger time loggerTime (seconds since 1970).
    std::vector<std::uint8_t> StateBlock(std::int64_t loggerTime) const;
};

}  // namespace corvane
