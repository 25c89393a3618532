#include "icons/reporting/ModbusRegisterAddress.h"

#include <array>
#include <charconv>

namespace corvane {
namespace {

constexpr std::size_t kShortestChecked = 5;
constexpr std::size_t kLongestAddress = 6;
constexpr std::uint32_t kLongNumberFrom = 10000;

// The digit each kind is typed with, by the kind's value.
constexpr std::array<char, 4> kKindDigits{'0', '1', '3', '4'};

std::optional<ModbusRegisterKind> KindOfDigit(char digit)
{
    for (std::size_t i = 0; i < kKindDigits.size(); ++i)
        if (kKindDigits[i] == digit)
            return static_cast<ModbusRegisterKind>(i);
    return std::nullopt;
}

// The whole text as an unsigned decimal number, or nothing.
std::optional<std::uint32_t> DecimalOf(std::string_view text)
{
    std::uint32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc{} || stop != end)
        return std::nullopt;
    return value;
}

}  // namespace

bool IsBitKind(ModbusRegisterKind kind)
{
    return kind == ModbusRegisterKind::Coil || kind == ModbusRegisterKind::Contact;
}

std::string_view ModbusKindName(ModbusRegisterKind kind)
{
    switch (kind) {
    case ModbusRegisterKind::Coil: return "Coil";
    case ModbusRegisterKind::Contact: return "Contact";
    case ModbusRegisterKind::InputRegister: return "Input Reg";
    case ModbusRegisterKind::HoldingRegister: return "Holding Reg";
    }
    return {};
}

std::string FormatModbusAddress(ModbusRegisterKind kind, std::uint32_t offset)
{
    const std::uint64_t number = std::uint64_t{offset} + 1;
    std::string digits = std::to_string(number);
    const std::size_t width = number < kLongNumberFrom ? 4 : 5;
    if (digits.size() < width)
        digits.insert(0, width - digits.size(), '0');
    return kKindDigits[static_cast<std::size_t>(kind)] + digits;
}

ModbusAddressVerdict CheckModbusAddress(std::string_view text)
{
    ModbusAddressVerdict verdict;
    if (text.size() > 1 && text.front() == '-' && DecimalOf(text.substr(1)).value_or(0) != 0) {
        verdict.state = ModbusAddressVerdict::State::Refused;
        verdict.message = kAddressNegativeText;
        return verdict;
    }
    if (text.size() < kShortestChecked)
        return verdict;
    verdict.state = ModbusAddressVerdict::State::Refused;
    const std::optional<ModbusRegisterKind> kind = KindOfDigit(text.front());
    if (!kind || text.size() > kLongestAddress) {
        verdict.message = kAddressFormatText;
        return verdict;
    }
    const std::optional<std::uint32_t> number = DecimalOf(text.substr(1));
    if (!number || *number < 1 || *number > kMaxModbusRegisterNumber) {
        verdict.message = kAddressNumberText;
        return verdict;
    }
    verdict.state = ModbusAddressVerdict::State::Valid;
    verdict.kind = *kind;
    verdict.offset = *number - 1;
    return verdict;
}

std::uint32_t ServerTextToAddress(std::string_view text)
{
    std::uint32_t address = 0;
    for (int part = 0; part < 4; ++part) {
        const std::size_t dot = part < 3 ? text.find('.') : text.size();
        if (dot == std::string_view::npos)
            return 0;
        const std::optional<std::uint32_t> value = DecimalOf(text.substr(0, dot));
        if (!value || *value > 255)
            return 0;
        address = (address << 8) | *value;
        text.remove_prefix(part < 3 ? dot + 1 : dot);
    }
    return address;
}

}  // namespace corvane
