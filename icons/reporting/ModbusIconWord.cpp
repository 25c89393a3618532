#include "icons/reporting/ModbusIconWord.h"

namespace corvane {
namespace {

constexpr int kRegisterBits = 16;
constexpr int kLargestField = 15;

}  // namespace

ModbusRegisterKind KindOfModbusWord(std::uint16_t word)
{
    return static_cast<ModbusRegisterKind>((word & modbus_word::kKindBits) >> modbus_word::kKindShift);
}

bool IsValidBitField(int start, int width)
{
    return start >= 0 && start <= kLargestField && width >= 1 && width <= kLargestField
        && start + width - 1 <= kLargestField;
}

std::variant<std::uint16_t, std::string_view> ComposeModbusWord(const ModbusWordChoices& choices)
{
    using namespace modbus_word;
    std::uint16_t word = 0;
    if (choices.format == ModbusFormat::Int32)
        word = kInt32Bit;
    else if (choices.format == ModbusFormat::Decimal)
        word = kFormatBits;
    if ((word & kFormatBits) != 0 && choices.msbFirst)
        word |= kMsbFirstOrBitField;
    if (choices.format == ModbusFormat::Int16 && choices.sign == ModbusSign::BitField) {
        if (!IsValidBitField(choices.bitStart, choices.bitWidth))
            return kBitFieldPlacementText;
        word |= kMsbFirstOrBitField;
    }
    if (choices.sign == ModbusSign::Signed)
        word |= kSigned;
    if (!choices.kind)
        return kAddressFormatText;
    word |= static_cast<std::uint16_t>(static_cast<int>(*choices.kind) << kKindShift);
    if (choices.tcp)
        word |= kTcp;
    if (choices.outputOnTrigger)
        word |= kOutputOnTrigger;
    word |= static_cast<std::uint16_t>((choices.bitWidth & 0xF) << kBitWidthShift);
    word |= static_cast<std::uint16_t>((choices.bitStart & 0xF) << kBitStartShift);
    return word;
}

std::string ModbusBitMapText(int start, int width)
{
    if (!IsValidBitField(start, width))
        return {};
    std::string map;
    for (int bit = kRegisterBits - 1; bit >= 0; --bit) {
        if (bit > start + width - 1)
            map += "- ";
        else if (bit >= start)
            map += "+";
        else
            map += " -";
    }
    return map;
}

std::string ModbusBitFieldNote(int width)
{
    return "Output is an integer\nbetween 0 and " + std::to_string((1 << width) - 1);
}

}  // namespace corvane
