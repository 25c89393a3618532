#include "icons/reporting/ModbusRegisterCheck.h"

#include <array>
#include <vector>

namespace corvane {
namespace {

constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kDigits = "0123456789";

constexpr std::array<std::string_view, 3> kKindNames{"Data Tag", "remote variable", "remote switch"};

}  // namespace

std::string_view TrimRegisterText(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

std::uint32_t RegisterNumberOf(std::string_view text)
{
    std::uint32_t value = 0;
    for (const char c : TrimRegisterText(text)) {
        if (c < '0' || c > '9')
            break;
        value = value * 10 + static_cast<std::uint32_t>(c - '0');
        // Any longer run of digits is out of range as well; stop before it overflows.
        if (value > kLastModbusListRegister)
            return kLastModbusListRegister + 1;
    }
    return value;
}

std::optional<std::string> CheckModbusItems(std::span<const CModbusItem> items)
{
    for (const CModbusItem& item : items)
        if (TrimRegisterText(item.registerText).find_first_not_of(kDigits) != std::string_view::npos)
            return std::string("Address can only contain numeric characters");
    std::vector<std::uint32_t> numbers;
    numbers.reserve(items.size());
    for (const CModbusItem& item : items) {
        const std::uint32_t number = RegisterNumberOf(item.registerText);
        if (number != 0 && (number < kFirstModbusListRegister || number > kLastModbusListRegister))
            return "Address must be in the " + std::to_string(kFirstModbusListRegister) + "-"
                + std::to_string(kLastModbusListRegister) + " range";
        numbers.push_back(number);
    }
    for (std::size_t k = 0; k < numbers.size(); ++k)
        for (std::size_t l = 0; l < numbers.size(); ++l) {
            if (k == l || numbers[k] == 0 || numbers[l] == 0)
                continue;
            if (numbers[k] == numbers[l])
                return std::string("Duplicate Addresses not allowed");
            if (numbers[k] + 1 == numbers[l] || numbers[l] + 1 == numbers[k])
                return std::string("Adjacent Addresses not allowed");
        }
    std::array<std::size_t, kKindNames.size()> perKind{};
    for (std::size_t i = 0; i < items.size(); ++i) {
        const auto kind = static_cast<std::size_t>(items[i].kind);
        if (numbers[i] != 0 && kind < perKind.size() && ++perKind[kind] > kMaxModbusPairsPerKind)
            return "At most " + std::to_string(kMaxModbusPairsPerKind) + " " + std::string(kKindNames[kind])
                + " icons can be given Modbus addresses";
    }
    return std::nullopt;
}

}  // namespace corvane
