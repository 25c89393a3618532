#include "icons/function/LcdMessageLayout.h"

#include <algorithm>
#include <vector>

namespace corvane {
namespace {

constexpr char kMarker = '^';
constexpr int kPatternPlaces = 11;  // integer digits, point and decimals

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The lines of a text separated by CR LF (a lone CR or LF counts too).
std::vector<std::string_view> SplitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    lines.push_back(text.substr(start));
    return lines;
}

}  // namespace

LcdMessageLayout::LcdMessageLayout(int lineCount, const std::array<int, 10>& insertWidths)
    : lineCount_(std::clamp(lineCount, 1, LcdMessageContext::kMaxLines)), insertWidths_(insertWidths)
{
}

int LcdMessageLayout::InsertWidth(bool data, const LcdInsertTexts& texts)
{
    if (!data)
        return static_cast<int>(std::max(texts.low.size(), texts.high.size()));
    const std::size_t decimals = texts.high.empty() ? 0 : texts.high.size() + 1;
    return static_cast<int>(texts.low.size() + decimals);
}

LcdMessageLayout::Result LcdMessageLayout::Reflow(std::string_view text, std::size_t caret) const
{
    constexpr int kColumns = LcdMessageContext::kColumns;
    Result result;
    std::string& out = result.text;
    bool caretPlaced = false;
    int line = 0;
    int column = 0;
    bool lineHasInsert = false;
    bool flowing = false;  // after a forced break the rest's line breaks go
    const auto nextLine = [&] {
        ++line;
        column = 0;
        lineHasInsert = false;
        return line < lineCount_;
    };

    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        std::size_t length = 1;
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            length = 2;
        else if (c == kMarker && i + 1 < text.size() && IsDigit(text[i + 1]))
            length = 2;
        if (!caretPlaced && caret < i + length) {
            result.caret = out.size();
            caretPlaced = true;
        }
        if (c == '\r' || c == '\n') {
            i += length;
            if (flowing)
                continue;
            out += "\r\n";
            if (!nextLine())
                return result;
            continue;
        }
        int width = 1;
        const bool insert
            = c == kMarker && length == 2 && insertWidths_[static_cast<std::size_t>(text[i + 1] - '0')] >= 0;
        if (c == kMarker && !insert) {
            i += 1;  // a '^' that names no input goes; a digit after it stays as text
            continue;
        }
        if (insert)
            width = insertWidths_[static_cast<std::size_t>(text[i + 1] - '0')];
        if (column + width > kColumns || (insert && lineHasInsert)) {
            out += "\r\n";
            flowing = true;
            if (!nextLine() || width > kColumns)
                return result;
        }
        out.append(text.substr(i, length));
        column += width;
        if (insert) {
            lineHasInsert = true;
            result.lineInserts[static_cast<std::size_t>(line)] = text[i + 1] - '0';
        }
        i += length;
    }
    if (!caretPlaced)
        result.caret = out.size();
    result.fits = true;
    return result;
}

std::string LcdMessageLayout::Preview(std::string_view text, const std::array<std::string, 10>& expansions) const
{
    std::string preview;
    const std::vector<std::string_view> lines = SplitLines(text);
    const std::size_t count = std::min(lines.size(), static_cast<std::size_t>(lineCount_));
    for (std::size_t n = 0; n < count; ++n) {
        std::string shown;
        const std::string_view line = lines[n];
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (line[i] == kMarker && i + 1 < line.size() && IsDigit(line[i + 1])) {
                shown += expansions[static_cast<std::size_t>(line[i + 1] - '0')];
                ++i;
            } else {
                shown += line[i];
            }
        }
        if (n > 0)
            preview += "\r\n";
        preview += shown.substr(0, LcdMessageContext::kColumns);
    }
    return preview;
}

std::string LcdMessageLayout::Finish(std::string_view text) const
{
    const std::vector<std::string_view> lines = SplitLines(text);
    std::string kept;
    for (int n = 0; n < lineCount_; ++n) {
        if (static_cast<std::size_t>(n) < lines.size())
            kept += lines[static_cast<std::size_t>(n)];
        kept += "\r\n";
    }
    return kept;
}

std::string LcdMessageLayout::Tidy(std::string_view text)
{
    std::string tidy;
    const std::vector<std::string_view> lines = SplitLines(text);
    for (std::size_t n = 0; n < lines.size(); ++n) {
        std::string_view line = lines[n];
        while (!line.empty() && line.back() == ' ')
            line.remove_suffix(1);
        if (n > 0)
            tidy += "\r\n";
        tidy += line;
    }
    while (!tidy.empty() && (tidy.back() == ' ' || tidy.back() == '\r' || tidy.back() == '\n'))
        tidy.pop_back();
    return tidy;
}

std::pair<int, int> LcdMessageLayout::FitNumberPattern(int integer, int decimals, bool editingInteger)
{
    integer = std::clamp(integer, 0, kPatternPlaces);
    decimals = std::clamp(decimals, 0, kPatternPlaces);
    if (decimals > 0 && integer == 0)
        integer = 1;
    if (integer + decimals + 1 > kPatternPlaces) {
        if (editingInteger && integer >= kPatternPlaces) {
            integer = kPatternPlaces;
            decimals = 0;
        } else if (!editingInteger && integer > 1) {
            integer = std::max(kPatternPlaces - 1 - decimals, 0);
            if (integer > kPatternPlaces - 2) {
                integer = kPatternPlaces - 2;
                decimals = 1;
            }
        } else {
            decimals = std::max(kPatternPlaces - 1 - integer, 0);
        }
    }
    // Decimals always follow at least one integer digit within the places.
    if (decimals > 0) {
        integer = std::max(integer, 1);
        decimals = std::max(std::min(decimals, kPatternPlaces - 1 - integer), 0);
    }
    return {integer, decimals};
}

}  // namespace corvane
