#pragma once

#include <cstddef>
#include <cstdint>
#include <locale.h>
#include <optional>
#include <string_view>

namespace corvane {

// A number read from the front of a text, and how many characters it took.
template <class T> struct MathLiteral {
    T value{};
    std::size_t length = 0;
};

// Reads the numbers of equation texts the same way whatever the user's
// locale: doubles exactly as strtod does in the "C" locale (decimal and
// hexadecimal forms, '.' as the decimal point), integers as strtol does with
// base detection. Owns the "C" locale object it reads with.
class MathLiteralReader {
public:
    MathLiteralReader();
    ~MathLiteralReader();
    MathLiteralReader(const MathLiteralReader&) = delete;
    MathLiteralReader& operator=(const MathLiteralReader&) = delete;

    // The longest double at the front of text, of any length. Nothing when
    // no number stands there. An overflowing number reads as an infinity,
    // as with strtod.
    std::optional<MathLiteral<double>> ReadDouble(std::string_view text) const;

    // An optional '-' and a decimal, "0x" hexadecimal or leading-"0" octal
    // integer at the front of text. Nothing when no digit stands there or
    // the value does not fit 32 bits.
    static std::optional<MathLiteral<std::int32_t>> ReadInteger(std::string_view text);

private:
    locale_t locale_ = {};
};

}  // namespace corvane
