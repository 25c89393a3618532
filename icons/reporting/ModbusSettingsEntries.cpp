#include "icons/reporting/ModbusSettingsEntries.h"

#include <string>

namespace corvane {

namespace {

constexpr std::uint32_t kMaxTimeout = 100;
constexpr std::uint32_t kMaxDelay = 8;
constexpr std::uint32_t kMaxNodeAddress = 247;
constexpr std::uint16_t kWebPort = 80;
constexpr std::uint16_t kLoggerLinkPort = 4660;

// The two ports of the port item, or none when it is shorter.
std::optional<std::pair<std::uint16_t, std::uint16_t>> PortItemPorts(std::span<const std::uint8_t> portItem)
{
    if (portItem.size() < 4)
        return std::nullopt;
    return std::pair{static_cast<std::uint16_t>(portItem[0] | portItem[1] << 8),
        static_cast<std::uint16_t>(portItem[2] | portItem[3] << 8)};
}

}  // namespace

ModbusRoles ModbusRoles::FromModeWord(std::uint16_t modeWord)
{
    ModbusRoles roles;
    roles.rtuMaster = (modeWord & ModbusConfigItem::kRtuMaster) != 0;
    roles.rtuSlave = (modeWord & ModbusConfigItem::kRtuSlave) != 0;
    roles.tcpClient = (modeWord & ModbusConfigItem::kTcpClient) != 0;
    roles.tcpServer = (modeWord & ModbusConfigItem::kTcpServer) != 0;
    return roles;
}

ModbusRoles ModbusRoles::AfterClick(ModbusRoles roles, Box box)
{
    switch (box) {
    case Box::RtuMaster:
        if (roles.rtuMaster && roles.rtuSlave)
            roles.rtuSlave = false;
        break;
    case Box::RtuSlave:
        if (roles.tcpServer)
            roles.tcpServer = false;
        if (roles.rtuMaster && roles.rtuSlave)
            roles.rtuMaster = false;
        break;
    case Box::TcpServer:
        if (roles.rtuSlave)
            roles.rtuSlave = false;
        break;
    case Box::TcpClient: break;
    }
    return roles;
}

ModbusSettingsEntries ModbusSettingsEntries::FromItem(const ModbusConfigItem& item)
{
    ModbusSettingsEntries entries;
    entries.roles = ModbusRoles::FromModeWord(item.modeWord);
    entries.highWordFirst = (item.serialWord & ModbusConfigItem::kHighWordFirst) != 0;
    entries.retry = (item.modeWord & ModbusConfigItem::kRetry) != 0;
    entries.filterClients = (item.serialWord & ModbusConfigItem::kFilterClients) != 0;
    entries.useSubnetMasks = !item.SingleAddresses();
    entries.timeoutText = std::to_string(item.modeWord & ModbusConfigItem::kTimeoutMask);
    entries.delayText
        = std::to_string(((item.modeWord & ModbusConfigItem::kDelayMask) >> ModbusConfigItem::kDelayShift) + 1);
    entries.portText = std::to_string(item.tcpPort == 0 ? ModbusConfigItem::kDefaultPort : item.tcpPort);
    entries.nodeAddressText = std::to_string(item.serialWord & ModbusConfigItem::kNodeAddressMask);
    entries.bitRate = (item.serialWord >> ModbusConfigItem::kBitRateShift) & 3;
    entries.parity = (item.serialWord >> ModbusConfigItem::kParityShift) & 3;
    return entries;
}

std::optional<std::uint32_t> ParseModbusNumberBox(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (text.empty() || text.size() > 5)
        return std::nullopt;
    std::uint32_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + static_cast<std::uint32_t>(c - '0');
    }
    if (value > 0xFFFF)
        return std::nullopt;
    return value;
}

std::optional<ModbusSettingsRefusal> CheckModbusSettings(
    const ModbusSettingsEntries& entries, std::span<const std::uint8_t> portItem)
{
    const auto timeout = ParseModbusNumberBox(entries.timeoutText);
    if (!timeout || *timeout > kMaxTimeout)
        return ModbusSettingsRefusal{"Max response timeout is 100 (10 seconds)", "Invalid Response timeout"};
    const auto delay = ParseModbusNumberBox(entries.delayText);
    if (!delay || *delay == 0 || *delay > kMaxDelay)
        return ModbusSettingsRefusal{"Inter-message delay is between 1 and 8 intervals", "Invalid Inter-message delay"};
    const auto port = ParseModbusNumberBox(entries.portText);
    const auto ports = PortItemPorts(portItem);
    if (!port || *port == 0 || *port == kWebPort || *port == kLoggerLinkPort
        || (ports && (*port == ports->first || *port == ports->second)))
        return ModbusSettingsRefusal{
            "Selected Modbus TCP port conflicts with HTTP or Quv TCP port", "Invalid Modbus port selection"};
    const auto node = ParseModbusNumberBox(entries.nodeAddressText);
    if (!node || *node == 0 || *node > kMaxNodeAddress)
        return ModbusSettingsRefusal{"Modbus unit number is between 1 and 247", "Invalid Modbus unit number"};
    return std::nullopt;
}

void StoreModbusSettings(const ModbusSettingsEntries& entries, ModbusConfigItem& item)
{
    const std::uint32_t timeout = ParseModbusNumberBox(entries.timeoutText).value_or(0);
    const std::uint32_t delay = ParseModbusNumberBox(entries.delayText).value_or(1);
    const std::uint32_t port = ParseModbusNumberBox(entries.portText).value_or(ModbusConfigItem::kDefaultPort);
    const std::uint32_t node = ParseModbusNumberBox(entries.nodeAddressText).value_or(1);

    std::uint32_t serial = (node & ModbusConfigItem::kNodeAddressMask)
        | static_cast<std::uint32_t>(entries.bitRate & 3) << ModbusConfigItem::kBitRateShift
        | static_cast<std::uint32_t>(entries.parity & 3) << ModbusConfigItem::kParityShift;
    if (entries.highWordFirst)
        serial |= ModbusConfigItem::kHighWordFirst;
    if (entries.filterClients)
        serial |= ModbusConfigItem::kFilterClients;
    if (!entries.useSubnetMasks)
        serial |= ModbusConfigItem::kSingleAddresses;

    ModbusRoles roles = entries.roles;
    if (roles.tcpServer && roles.rtuSlave)
        roles.rtuSlave = false;
    std::uint32_t mode = ((delay - 1) << ModbusConfigItem::kDelayShift & ModbusConfigItem::kDelayMask)
        | (timeout & ModbusConfigItem::kTimeoutMask);
    if (entries.retry)
        mode |= ModbusConfigItem::kRetry;
    if (roles.rtuMaster)
        mode |= ModbusConfigItem::kRtuMaster;
    if (roles.rtuSlave)
        mode |= ModbusConfigItem::kRtuSlave;
    if (roles.tcpClient)
        mode |= ModbusConfigItem::kTcpClient;
    if (roles.tcpServer)
        mode |= ModbusConfigItem::kTcpServer;

    item.serialWord = static_cast<std::uint16_t>(serial);
    item.modeWord = static_cast<std::uint16_t>(mode);
    item.tcpPort = static_cast<std::uint16_t>(port);
}

}  // namespace corvane
