#include "icons/math/MathLiteralReader.h"

#include <charconv>
#include <cstdlib>
#include <limits>
#include <string>

namespace corvane {

namespace {

bool IsHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

}  // namespace

MathLiteralReader::MathLiteralReader() : locale_(newlocale(LC_ALL_MASK, "C", locale_t{})) {}

MathLiteralReader::~MathLiteralReader()
{
    if (locale_ != locale_t{})
        freelocale(locale_);
}

std::optional<MathLiteral<double>> MathLiteralReader::ReadDouble(std::string_view text) const
{
    if (locale_ == locale_t{})
        return std::nullopt;
    // strtod needs a terminated text; the copy also keeps it from reading
    // past the caller's characters.
    const std::string terminated(text.substr(0, text.find('\0')));
    char* end = nullptr;
    const double value = strtod_l(terminated.c_str(), &end, locale_);
    if (end == terminated.c_str())
        return std::nullopt;
    return MathLiteral<double>{value, static_cast<std::size_t>(end - terminated.c_str())};
}

std::optional<MathLiteral<std::int32_t>> MathLiteralReader::ReadInteger(std::string_view text)
{
    std::size_t start = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (negative)
        start = 1;
    // "0x" counts as a prefix only when a hexadecimal digit follows; otherwise
    // the leading "0" is read alone, as an octal number.
    int base = 10;
    if (text.size() > start + 2 && text[start] == '0' && (text[start + 1] == 'x' || text[start + 1] == 'X')
        && IsHexDigit(text[start + 2])) {
        base = 16;
        start += 2;
    } else if (text.size() > start && text[start] == '0') {
        base = 8;
    }
    std::uint64_t magnitude = 0;
    const char* begin = text.data() + start;
    const auto [end, error] = std::from_chars(begin, text.data() + text.size(), magnitude, base);
    if (end == begin || error != std::errc())
        return std::nullopt;
    constexpr std::uint64_t kLargestPositive = std::numeric_limits<std::int32_t>::max();
    if (magnitude > kLargestPositive + (negative ? 1 : 0))
        return std::nullopt;
    const std::int64_t signedValue
        = negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
    return MathLiteral<std::int32_t>{
        static_cast<std::int32_t>(signedValue), static_cast<std::size_t>(end - text.data())};
}

}  // namespace corvane
