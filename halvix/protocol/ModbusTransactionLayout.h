#pragma once

#include <cstddef>
#include <cstdint>

namespace corvane {

// CxMbTran (request type kRequestMbTran): one Modbus transaction that the logger
// performs with a remote device on the program's behalf. The request
// payload, little-endian: u32 the server's IPv4 number (a.b.c.d as
// a*2^24 + b*2^16 + c*2^8 + d; 0 over the serial port), u16 TCP port, u16
// unit, u8 word-order flag, u8 Modbus function, then the function's PDU
// (its 16-bit fields big-endian, as on a Modbus link). The reply data is the
// device's answer: u8 unit, u8 function, u8 byte count, then that many
// bytes (the coil or register contents; for function 5 the coil written as
// 0xFF00 or 0x0000). A device error is an error reply whose code is the
// Modbus exception code.
constexpr std::size_t kMbTranServerOffset = 0;
constexpr std::size_t kMbTranPortOffset = 4;
constexpr std::size_t kMbTranUnitOffset = 6;
constexpr std::size_t kMbTranWordOrderOffset = 8;
constexpr std::size_t kMbTranFunctionOffset = 9;
constexpr std::size_t kMbTranPduOffset = 10;
constexpr std::size_t kMbTranMaxPdu = 253;  // a Modbus PDU without its function code

constexpr std::size_t kMbReplyUnitOffset = 0;
constexpr std::size_t kMbReplyFunctionOffset = 1;
constexpr std::size_t kMbReplyCountOffset = 2;
constexpr std::size_t kMbReplyDataOffset = 3;

// Modbus functions the transaction carries.
constexpr std::uint8_t kMbReadCoils = 1;
constexpr std::uint8_t kMbReadContacts = 2;
constexpr std::uint8_t kMbReadHoldingRegisters = 3;
constexpr std::uint8_t kMbReadInputRegisters = 4;
constexpr std::uint8_t kMbWriteCoil = 5;
constexpr std::uint8_t kMbWriteRegisters = 16;

// Modbus exception codes.
constexpr std::uint16_t kMbExceptionIllegalFunction = 1;
constexpr std::uint16_t kMbExceptionIllegalAddress = 2;
constexpr std::uint16_t kMbExceptionIllegalValue = 3;
constexpr std::uint16_t kMbExceptionNoResponse = 11;  // gateway target device failed to respond

}  // namespace corvane
