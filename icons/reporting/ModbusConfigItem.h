#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace corvane {

// The logger's Modbus configuration item (key 42): 102 bytes, little-endian.
// Client addresses are kept as the item holds them, in network byte order
// (the first octet in the lowest byte of the value).
struct ModbusConfigItem {
    static constexpr std::uint8_t kKey = 42;
    static constexpr std::size_t kSize = 102;
    static constexpr std::size_t kAllowedCount = 16;
    static constexpr std::size_t kPairCount = 8;
    static constexpr std::size_t kPriorityCount = 8;
    static constexpr std::uint16_t kDefaultPort = 502;

    // Serial word bits.
    static constexpr std::uint16_t kNodeAddressMask = 0x00FF;
    static constexpr int kBitRateShift = 8;
    static constexpr int kParityShift = 10;
    static constexpr std::uint16_t kHighWordFirst = 0x1000;  // more-significant register at the lower address
    static constexpr std::uint16_t kFilterClients = 0x4000;
    static constexpr std::uint16_t kSingleAddresses = 0x8000;  // clear: address and mask pairs

    // Mode word bits.
    static constexpr std::uint16_t kTimeoutMask = 0x00FF;
    static constexpr int kDelayShift = 8;
    static constexpr std::uint16_t kDelayMask = 0x0700;
    static constexpr std::uint16_t kRetry = 0x0800;
    static constexpr std::uint16_t kTcpServer = 0x1000;
    static constexpr std::uint16_t kTcpClient = 0x2000;
    static constexpr std::uint16_t kRtuSlave = 0x4000;
    static constexpr std::uint16_t kRtuMaster = 0x8000;

    std::uint16_t serialWord = 0;
    std::uint16_t tcpPort = 0;
    std::array<std::uint32_t, kAllowedCount> allowed{};  // 16 addresses, or 8 (address, mask) pairs
    std::array<std::uint32_t, kPriorityCount> priority{};
    std::uint16_t modeWord = 0;

    // Reads the item from the first kSize bytes of bytes; a shorter span
    // reads as zeros beyond its end.
    static ModbusConfigItem Read(std::span<const std::uint8_t> bytes);
    // Writes the item into the first kSize bytes of bytes (no more than it holds).
    void Write(std::span<std::uint8_t> bytes) const;

    bool SingleAddresses() const { return (serialWord & kSingleAddresses) != 0; }
};

}  // namespace corvane
