#pragma once

#include "icons/reporting/ModbusConfigItem.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace corvane {

// The four Modbus roles as the page's check boxes show them.
struct ModbusRoles {
    bool rtuMaster = false;
    bool rtuSlave = false;
    bool tcpClient = false;
    bool tcpServer = false;

    enum class Box { RtuMaster, RtuSlave, TcpClient, TcpServer };

    static ModbusRoles FromModeWord(std::uint16_t modeWord);
    // The boxes after the user clicked box (whose new state roles already
    // holds): the logger's serial port cannot be master and slave at once,
    // and it cannot serve RTU while it serves TCP, so the box clicked wins.
    static ModbusRoles AfterClick(ModbusRoles roles, Box box);
    friend bool operator==(const ModbusRoles&, const ModbusRoles&) = default;
};

// What the Modbus page's settings controls hold, as the user left them.
struct ModbusSettingsEntries {
    ModbusRoles roles;
    bool highWordFirst = false;  // "More-significant 16-bit register at lower Modbus address"
    bool retry = false;
    bool filterClients = false;
    bool useSubnetMasks = false;
    std::string timeoutText;  // tenths of a second
    std::string delayText;    // inter-message delay multiplier
    std::string portText;
    std::string nodeAddressText;
    int bitRate = 0;  // position in the bit rate list, 0..3
    int parity = 0;   // position of the parity radio, 0..3

    // The entries that show item.
    static ModbusSettingsEntries FromItem(const ModbusConfigItem& item);
};

// Why entries cannot be stored: the box's text and caption (exclamation icon).
struct ModbusSettingsRefusal {
    std::string_view text;
    std::string_view caption;
};

// The first entry that cannot be stored, in the order time-out, delay, port,
// node address; nothing when all can. portItem is the configuration's port
// item (u16 HTTP port, u16 the logger's TCP port; empty when absent): the
// Modbus port may match neither.
std::optional<ModbusSettingsRefusal> CheckModbusSettings(
    const ModbusSettingsEntries& entries, std::span<const std::uint8_t> portItem);

// Writes checked entries into item: serial word, port and mode word. With
// both RTU Slave and TCP Server on, TCP Server wins.
void StoreModbusSettings(const ModbusSettingsEntries& entries, ModbusConfigItem& item);

// A number box's text as a decimal number (blanks around it allowed);
// nothing for an empty text, other characters or a value above 65535.
std::optional<std::uint32_t> ParseModbusNumberBox(std::string_view text);

}  // namespace corvane
