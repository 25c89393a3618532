#pragma once

#include <cstdint>
#include <string>

namespace corvane {

// What a register test needs of a remote-register icon: its icon word, the
// low 16 bits of its register offset (the Modbus starting address), its
// device address (RTU) or unit id (TCP), TCP port, server IPv4 number and
// server text, and whether it reads or writes.
struct ModbusTestSettings {
    // Icon word bits.
    static constexpr std::uint16_t kFormatMask = 0x0007;  // 0 16-bit, 1 bit field, 4/5 32-bit, 6/7 decimal
    static constexpr std::uint16_t kHighWordFirst = 0x0001;
    static constexpr std::uint16_t kSigned = 0x0008;
    static constexpr int kKindShift = 4;  // 0 coil, 1 contact, 2 input register, 3 holding register
    static constexpr std::uint16_t kTcp = 0x0040;
    static constexpr int kFieldStartShift = 8;
    static constexpr int kFieldWidthShift = 12;

    enum class Kind { Coil = 0, Contact = 1, InputRegister = 2, HoldingRegister = 3 };

    std::uint16_t iconWord = 0x1030;
    std::uint16_t startAddress = 0;
    std::uint16_t unit = 1;
    std::uint16_t tcpPort = 502;
    std::uint32_t server = 0;  // a.b.c.d as a*2^24 + b*2^16 + c*2^8 + d
    std::string serverText;
    bool read = true;

    Kind RegisterKind() const { return static_cast<Kind>((iconWord >> kKindShift) & 3); }
    bool IsRegisterKind() const { return (iconWord & 0x20) != 0; }
    int Format() const { return iconWord & kFormatMask; }
    bool IsSigned() const { return (iconWord & kSigned) != 0; }
    bool IsTcp() const { return (iconWord & kTcp) != 0; }
    int FieldStart() const { return (iconWord >> kFieldStartShift) & 15; }
    int FieldWidth() const { return (iconWord >> kFieldWidthShift) & 15; }
};

}  // namespace corvane
