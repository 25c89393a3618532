#pragma once

#include "icons/reporting/ModbusRegisterAddress.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace corvane {

// The remote register icon's word (record offset 72):
//   bit 0     32-bit formats: the most significant word at the lower
//             register; 16-bit integer: the value is a bit field
//   bits 1-2  format: 0 16-bit integer, 4 32-bit integer, 6 decimal
//             (any value with bit 1 reads as decimal)
//   bit 3     signed integer
//   bits 4-5  register kind (ModbusRegisterKind)
//   bit 6     TCP (else RTU)
//   bit 7     write mode: output when triggered (else when the input changes)
//   bits 8-11 bit field start, bits 12-15 bit field width
namespace modbus_word {
inline constexpr std::uint16_t kMsbFirstOrBitField = 0x0001;
inline constexpr std::uint16_t kDecimalBit = 0x0002;
inline constexpr std::uint16_t kInt32Bit = 0x0004;
inline constexpr std::uint16_t kFormatBits = 0x0006;
inline constexpr std::uint16_t kSigned = 0x0008;
inline constexpr std::uint16_t kKindBits = 0x0030;
inline constexpr int kKindShift = 4;
inline constexpr std::uint16_t kTcp = 0x0040;
inline constexpr std::uint16_t kOutputOnTrigger = 0x0080;
inline constexpr int kBitStartShift = 8;
inline constexpr int kBitWidthShift = 12;
}  // namespace modbus_word

ModbusRegisterKind KindOfModbusWord(std::uint16_t word);

// The number format radios of the dialog, in their order.
enum class ModbusFormat { Int16 = 0, Int32 = 1, Decimal = 2, HighLow = 3 };
// The sign radios of the dialog, in their order.
enum class ModbusSign { Unsigned = 0, Signed = 1, BitField = 2 };

// What the dialog's controls say, for composing the icon word.
struct ModbusWordChoices {
    ModbusFormat format = ModbusFormat::Int16;
    ModbusSign sign = ModbusSign::Unsigned;
    bool msbFirst = false;
    std::optional<ModbusRegisterKind> kind;  // from the last valid address text
    bool tcp = false;
    bool outputOnTrigger = false;
    int bitStart = 0;
    int bitWidth = 1;
};

inline constexpr std::string_view kBitFieldPlacementText = "Invalid integer Bitfield placement.";

// The icon word the choices give, or the message that refuses them (a bit
// field that does not fit in 16 bits, no valid register address).
std::variant<std::uint16_t, std::string_view> ComposeModbusWord(const ModbusWordChoices& choices);

// A bit field of width bits from bit start fits in a 16-bit register.
bool IsValidBitField(int start, int width);
// The bit map of a valid field, bit 15 first: "- " above the field, "+" in
// it, " -" below it; empty for an invalid one.
std::string ModbusBitMapText(int start, int width);
// The note beside the bit map: "Output is an integer\nbetween 0 and 2^width - 1".
std::string ModbusBitFieldNote(int width);

}  // namespace corvane
