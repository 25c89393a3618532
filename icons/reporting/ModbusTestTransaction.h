#pragma once

#include "icons/reporting/ModbusTestSettings.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// One register test transaction as the logger performs it: the Modbus
// function, the word-order flag and the PDU (16-bit fields big-endian).
struct ModbusTestRequest {
    std::uint8_t function = 0;
    std::uint8_t wordOrder = 0;
    std::vector<std::uint8_t> pdu;
};

// Why no request is sent: the box's text, and whether the test dialog
// closes (a refused value leaves it open for another).
struct ModbusTestRefusal {
    std::string text;
    bool closesDialog = true;
};

struct ModbusTestBuild {
    std::optional<ModbusTestRequest> request;
    ModbusTestRefusal refusal;  // when there is no request
};

// Builds the transaction for settings; valueText is what the user typed to
// write (unused for a read). A write value is parsed strictly by the
// register's format and range.
ModbusTestBuild BuildModbusTestRequest(const ModbusTestSettings& settings, std::string_view valueText);

// The value to write to a holding register, as the 16 or 32 bits sent, or
// the refusal text: 16-bit signed or unsigned, 32-bit signed or unsigned
// whole numbers, or a finite decimal number that a 32-bit float holds.
struct ModbusWriteValue {
    std::optional<std::uint32_t> bits;
    std::string refusal;
};
ModbusWriteValue ParseModbusWriteValue(const ModbusTestSettings& settings, std::string_view text);

// The least reply length that carries the value: unit, function and byte
// count, then 1 byte for a coil or contact read, 2 for a coil write, and 2
// or 4 (by format) for a register.
std::size_t ModbusReplyLength(const ModbusTestSettings& settings);

// The value text of a reply's data (unit, function, byte count, then the
// value's bytes), or nothing when the data is shorter than ModbusReplyLength.
std::optional<std::string> DecodeModbusReplyValue(
    const ModbusTestSettings& settings, std::span<const std::uint8_t> data);

}  // namespace corvane
