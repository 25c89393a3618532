#include "netmodel/InputFormat.h"

#include "base/NoticeSink.h"

#include <cctype>
#include <cstdio>

namespace corvane {
namespace {

constexpr std::size_t kNoticeLimit = 79;  // the notice text is at most 80 bytes with its terminator

bool IsDigit(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// One or two digits at pos; their value, or nothing.
std::optional<int> ReadSmallNumber(std::string_view text, std::size_t& pos)
{
    const std::size_t start = pos;
    while (pos < text.size() && pos - start < 3 && IsDigit(text[pos]))
        ++pos;
    const std::size_t digits = pos - start;
    if (digits == 0 || digits > 2)
        return std::nullopt;
    int value = 0;
    for (std::size_t i = start; i < pos; ++i)
        value = value * 10 + (text[i] - '0');
    return value;
}

}  // namespace

ParsedInputFormat ParseFormatSpec(std::string_view text, std::string& out, bool numeric, int valueIndex)
{
    ParsedInputFormat result;
    if (text.empty() || text[0] != '%')
        return result;
    if (text.size() > 1 && text[1] == '%') {
        out += '%';
        result.consumed = 2;
        return result;
    }
    if (valueIndex == -1)
        return result;
    std::size_t pos = 1;
    if (!numeric) {
        if (pos >= text.size() || text[pos] != 's')
            return result;
        ++pos;
    } else {
        const std::optional<int> width = ReadSmallNumber(text, pos);
        if (!width || *width == 0 || pos >= text.size())
            return result;
        result.width = *width;
        if (text[pos] == 'l') {
            if (pos + 1 >= text.size())
                return result;
            pos += 2;
        } else if (text[pos] == '.') {
            ++pos;
            const std::optional<int> precision = ReadSmallNumber(text, pos);
            if (!precision || pos >= text.size() || (text[pos] != 'f' && text[pos] != 'g'))
                return result;
            result.precision = *precision;
            ++pos;
        } else {
            return result;
        }
    }
    out += '^';
    out += std::to_string(valueIndex);
    result.isFormat = true;
    result.consumed = pos;
    return result;
}

void WriteInputFormat(int inputNumber, bool numeric, int width, int precision, std::string& out,
    std::string_view iconName, NoticeSink* notices)
{
    out += '%';
    if (!numeric) {
        out += 's';
        return;
    }
    if (width == 0) {
        if (notices != nullptr) {
            std::string text = "The format for " + std::string(iconName) + " input #" + std::to_string(inputNumber)
                + " was left blank";
            if (text.size() > kNoticeLimit)
                text.resize(kNoticeLimit);
            notices->ShowNotice(text, {}, NoticeStyle::Warning);
        }
        return;
    }
    if (precision == 0)
        out += std::to_string(width) + ".0f";
    else
        out += std::to_string(width + precision) + "." + std::to_string(precision) + "f";
}

void ExpandTextTemplate(std::string_view text, std::optional<std::size_t> end, std::string& out, int inputNumber,
    int width, int precision, bool numeric, std::string_view iconName, NoticeSink* notices)
{
    const auto copy = [&](char c) {
        out += c;
        if (c == '%')
            out += '%';
    };
    if (end) {
        for (std::size_t i = 0; i < *end && i < text.size(); ++i)
            copy(text[i]);
        if (inputNumber != -1)
            WriteInputFormat(inputNumber, numeric, width, precision, out, iconName, notices);
        return;
    }
    for (std::size_t i = 0; i < text.size() && text[i] != '\r' && text[i] != '\0'; ++i) {
        if (text[i] == '^' && inputNumber != -1 && i + 1 < text.size()) {
            WriteInputFormat(inputNumber, numeric, width, precision, out, iconName, notices);
            ++i;
            continue;
        }
        copy(text[i]);
    }
}

}  // namespace corvane
