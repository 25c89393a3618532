#include "base/Cp1252.h"

#include <array>
#include <cstdint>
#include <optional>

namespace corvane {

namespace {

// Code points of bytes 0x80..0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC,
    0x0081,
    0x201A,
    0x0192,
    0x201E,
    0x2026,
    0x2020,
    0x2021,
    0x02C6,
    0x2030,
    0x0160,
    0x2039,
    0x0152,
    0x008D,
    0x017D,
    0x008F,
    0x0090,
    0x2018,
    0x2019,
    0x201C,
    0x201D,
    0x2022,
    0x2013,
    0x2014,
    0x02DC,
    0x2122,
    0x0161,
    0x203A,
    0x0153,
    0x009D,
    0x017E,
    0x0178,
};

constexpr char kReplacement = '?';

char32_t CodePointOfByte(std::uint8_t byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return kHighControls[byte - 0x80u];
    return byte;
}

std::optional<std::uint8_t> ByteOfCodePoint(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<std::uint8_t>(cp);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == cp)
            return static_cast<std::uint8_t>(0x80 + i);
    return std::nullopt;
}

void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        // Every code point of the table lies below 0x10000.
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 character at pos and advances pos past it. A malformed
// sequence (bad lead byte, missing continuation, overlong form, surrogate,
// beyond U+10FFFF) yields nullopt and advances by one byte.
std::optional<char32_t> NextCodePoint(std::string_view text, std::size_t& pos)
{
    const auto lead = static_cast<std::uint8_t>(text[pos]);
    std::size_t count = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        count = 1, cp = lead & 0x1Fu, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        count = 2, cp = lead & 0x0Fu, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        count = 3, cp = lead & 0x07u, minimum = 0x10000;
    } else {
        ++pos;
        return std::nullopt;
    }
    if (count >= text.size() - pos) {
        ++pos;
        return std::nullopt;
    }
    for (std::size_t i = 1; i <= count; ++i) {
        const auto next = static_cast<std::uint8_t>(text[pos + i]);
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return std::nullopt;
        }
        cp = (cp << 6) | (next & 0x3Fu);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++pos;
        return std::nullopt;
    }
    pos += count + 1;
    return cp;
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes)
        AppendUtf8(out, CodePointOfByte(static_cast<std::uint8_t>(c)));
    return out;
}

std::string Utf8ToCp1252(std::string_view utf8, std::size_t maxBytes)
{
    std::string out;
    std::size_t pos = 0;
    while (pos < utf8.size() && out.size() < maxBytes) {
        std::optional<char32_t> cp = NextCodePoint(utf8, pos);
        std::optional<std::uint8_t> byte = cp ? ByteOfCodePoint(*cp) : std::nullopt;
        out += byte ? static_cast<char>(*byte) : kReplacement;
    }
    return out;
}

std::size_t Cp1252Length(std::string_view utf8)
{
    std::size_t length = 0;
    for (std::size_t pos = 0; pos < utf8.size(); ++length)
        NextCodePoint(utf8, pos);
    return length;
}

}  // namespace corvane
