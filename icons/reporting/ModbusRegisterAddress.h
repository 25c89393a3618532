#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corvane {

// The kinds of remote Modbus register, as the icon word's bits 4-5 keep them.
enum class ModbusRegisterKind : std::uint8_t { Coil = 0, Contact = 1, InputRegister = 2, HoldingRegister = 3 };

// Coils and contacts carry on/off states; the registers carry numbers.
bool IsBitKind(ModbusRegisterKind kind);
// "Coil", "Contact", "Input Reg" or "Holding Reg".
std::string_view ModbusKindName(ModbusRegisterKind kind);

inline constexpr std::uint32_t kMaxModbusRegisterNumber = 65536;

// The messages of the register address text.
inline constexpr std::string_view kAddressNegativeText = "The register address must be > 0";
inline constexpr std::string_view kAddressFormatText
    = "A register address must contain 5 or 6 digits\nand the most significant digit must be:\n\n   0: Coil\n"
      "   1: Contact\n   3: Input register\n   4: Holding register";
inline constexpr std::string_view kAddressNumberText = "The register number (digits 2..6) must\nbe between 1 and 65536";

// The register as the user types it: the kind digit (0 coil, 1 contact,
// 3 input register, 4 holding register) followed by the register number
// (the stored offset + 1) in 4 digits up to 9999, else in 5 digits.
std::string FormatModbusAddress(ModbusRegisterKind kind, std::uint32_t offset);

// What the address text says while it is typed: nothing yet (shorter than
// five characters), a register, or a refusal with its message.
struct ModbusAddressVerdict {
    enum class State { Incomplete, Valid, Refused };
    State state = State::Incomplete;
    ModbusRegisterKind kind = ModbusRegisterKind::HoldingRegister;
    std::uint32_t offset = 0;  // register number - 1
    std::string_view message;
};
ModbusAddressVerdict CheckModbusAddress(std::string_view text);

// A TCP server text as the record keeps it: four decimal numbers 0..255
// separated by dots, a.b.c.d as a*2^24 + b*2^16 + c*2^8 + d; 0 for any
// other text.
std::uint32_t ServerTextToAddress(std::string_view text);

}  // namespace corvane
