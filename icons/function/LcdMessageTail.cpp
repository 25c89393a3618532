#include "icons/function/LcdMessageTail.h"

#include "netmodel/InputFormat.h"
#include "netmodel/RecordTransfer.h"

#include <algorithm>
#include <vector>

namespace corvane {
namespace {

constexpr int kMaxWidth = 11;  // digits a number insert shows, point not counted
constexpr char kMarker = '^';

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsLatchedClearLine(bool latched, int line)
{
    return latched && line == LcdMessageContext::kMaxLines - 1;
}

// Where input n's marker stands in a line, or npos.
std::size_t FindMarker(std::string_view line, int input)
{
    if (input < 0 || input > 9)
        return std::string_view::npos;
    const char digit = static_cast<char>('0' + input);
    for (std::size_t i = 0; i + 1 < line.size(); ++i)
        if (line[i] == kMarker && line[i + 1] == digit)
            return i;
    return std::string_view::npos;
}

// The pieces a text part is written as: each character alone, '%' doubled;
// markers and line-break characters are left out.
void AppendPieces(std::string_view text, std::vector<std::string>& pieces)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == kMarker) {
            if (i + 1 < text.size() && IsDigit(text[i + 1]))
                ++i;
            continue;
        }
        if (c == '\r' || c == '\n')
            continue;
        pieces.emplace_back(c == '%' ? std::string("%%") : std::string(1, c));
    }
}

std::string InsertFormat(int input, bool data, const LcdInsertTexts& texts, std::string_view iconName,
    NoticeSink* notices)
{
    std::string insertFormat;
    if (!data) {
        WriteInputFormat(input, false, 0, 0, insertFormat, iconName, notices);
        return insertFormat;
    }
    int integer = static_cast<int>(std::min<std::size_t>(texts.low.size(), kMaxWidth));
    if (integer == 0) {
        // Told as a blank format; a lone '%' would make the logger read the
        // text after it as a conversion, so one digit is shown instead.
        std::string blank;
        WriteInputFormat(input, true, 0, 0, blank, iconName, notices);
        integer = 1;
    }
    const int decimals = static_cast<int>(std::min(texts.high.size(), static_cast<std::size_t>(kMaxWidth - integer)));
    WriteInputFormat(input, true, integer, decimals, insertFormat, iconName, notices);
    return insertFormat;
}

std::string ExpandLine(std::string_view line, int insert, bool data, const LcdInsertTexts& texts,
    std::string_view iconName, NoticeSink* notices)
{
    const std::size_t marker = FindMarker(line, insert);
    std::vector<std::string> prefix;
    std::vector<std::string> suffix;
    std::string insertFormat;
    if (marker == std::string_view::npos) {
        AppendPieces(line, prefix);
    } else {
        AppendPieces(line.substr(0, marker), prefix);
        insertFormat = InsertFormat(insert, data, texts, iconName, notices);
        AppendPieces(line.substr(marker + 2), suffix);
    }
    std::size_t total = insertFormat.size();
    for (const std::string& piece : prefix)
        total += piece.size();
    for (const std::string& piece : suffix)
        total += piece.size();
    // Cut from the end, the insert kept.
    while (total > LcdMessageTail::kLineLimit) {
        std::vector<std::string>& from = suffix.empty() ? prefix : suffix;
        total -= from.back().size();
        from.pop_back();
    }
    std::string out;
    for (const std::string& piece : prefix)
        out += piece;
    out += insertFormat;
    for (const std::string& piece : suffix)
        out += piece;
    return out;
}

// Reads one stored line into its composed form; sets the line's insert
// and, for a number, its patterns.
void ComposeLine(std::string_view stored, int line, const LcdTailLayout& layout, LcdTailContent& content)
{
    const int insert = layout.lineInserts[static_cast<std::size_t>(line)];
    const bool hasInsert = insert != LcdMessageTail::kNoInsert && LcdMessageTail::IsValueInput(layout.latched, insert);
    const bool data = hasInsert && layout.dataSource[static_cast<std::size_t>(insert)];
    std::string composed;
    std::size_t pos = 0;
    while (pos < stored.size()) {
        const char c = stored[pos];
        if (c == '%') {
            if (pos + 1 < stored.size() && stored[pos + 1] == '%') {
                composed += '%';
                pos += 2;
                continue;
            }
            auto& found = content.lineInserts[static_cast<std::size_t>(line)];
            if (hasInsert && found == -1) {
                std::string marker;
                const ParsedInputFormat insertFormat = ParseFormatSpec(stored.substr(pos), marker, data, insert);
                const bool inRange =
                    !data || (insertFormat.width >= 1 && insertFormat.width <= kMaxWidth && insertFormat.precision < insertFormat.width);
                if (insertFormat.isFormat && inRange) {
                    composed += marker;
                    pos += insertFormat.consumed;
                    found = insert;
                    if (data) {
                        auto& texts = content.lineTexts[static_cast<std::size_t>(line)];
                        texts.low.assign(static_cast<std::size_t>(insertFormat.width - insertFormat.precision), '#');
                        texts.high.assign(static_cast<std::size_t>(insertFormat.precision), '#');
                    }
                    continue;
                }
            }
            ++pos;  // a '%' that starts no insert is dropped; what follows is text
            continue;
        }
        if (c != kMarker && c != '\r' && c != '\n')
            composed += c;
        ++pos;
    }
    const std::size_t room = LcdMessageContext::kTextLimit - content.message.size();
    content.message += composed.substr(0, room > 2 ? room - 2 : 0);
    if (room >= 2)
        content.message += "\r\n";
}

}  // namespace

bool LcdMessageTail::IsValueInput(bool latched, int input)
{
    return latched ? (input == 0 || input == 1) : (input >= 1 && input <= 3);
}

std::string_view LcdMessageTail::ComposedLine(std::string_view message, int line)
{
    std::size_t start = 0;
    for (int n = 0; n < line; ++n) {
        const std::size_t cr = message.find('\r', start);
        if (cr == std::string_view::npos)
            return {};
        start = cr + 1;
        if (start < message.size() && message[start] == '\n')
            ++start;
    }
    const std::size_t end = std::min(message.find('\r', start), message.size());
    return message.substr(start, std::min(end - start, kComposedLineLimit));
}

std::array<std::uint8_t, LcdMessageContext::kMaxLines> LcdMessageTail::EffectiveInserts(
    std::string_view message, const std::array<std::uint8_t, LcdMessageContext::kMaxLines>& map, bool latched)
{
    std::array<std::uint8_t, LcdMessageContext::kMaxLines> effective = map;
    for (int line = 0; line < LcdMessageContext::kMaxLines; ++line) {
        if (IsLatchedClearLine(latched, line))
            continue;
        std::uint8_t& insert = effective[static_cast<std::size_t>(line)];
        if (!IsValueInput(latched, insert) || FindMarker(ComposedLine(message, line), insert) == std::string_view::npos)
            insert = kNoInsert;
    }
    return effective;
}

LcdTailContent LcdMessageTail::Read(RecordTransfer& t, const LcdTailLayout& layout)
{
    LcdTailContent content;
    const std::size_t start = t.Position();
    for (int line = 0; line < LcdMessageContext::kMaxLines; ++line) {
        std::string stored;
        t.NetString(stored, kLineLimit, false, "message line");
        if (t.Failed())
            return content;
        if (!IsLatchedClearLine(layout.latched, line))
            ComposeLine(stored, line, layout, content);
    }
    for (int line = 0; line < FreeLines(layout.latched); ++line) {
        LcdInsertTexts texts;
        t.NetString(texts.low, LcdInsertTexts::kLimit, false, "insert text");
        t.NetString(texts.high, LcdInsertTexts::kLimit, false, "insert text");
        if (t.Failed())
            return content;
        const int insert = content.lineInserts[static_cast<std::size_t>(line)];
        if (insert != -1 && !layout.dataSource[static_cast<std::size_t>(insert)] && !texts.low.empty())
            content.lineTexts[static_cast<std::size_t>(line)] = texts;
    }
    if ((t.Position() - start) % 2 != 0)
        t.Zeros(1, "tail padding");
    return content;
}

void LcdMessageTail::Write(RecordTransfer& t, const LcdTailContent& content, const LcdTailLayout& layout,
    std::string_view iconName, NoticeSink* notices)
{
    const std::size_t start = t.Position();
    const auto inserts = EffectiveInserts(content.message, layout.lineInserts, layout.latched);
    for (int line = 0; line < LcdMessageContext::kMaxLines; ++line) {
        std::string text;
        if (IsLatchedClearLine(layout.latched, line)) {
            text = kLatchedClearLine;
        } else {
            const int insert = inserts[static_cast<std::size_t>(line)] == kNoInsert
                ? -1
                : inserts[static_cast<std::size_t>(line)];
            const bool data = insert != -1 && layout.dataSource[static_cast<std::size_t>(insert)];
            text = ExpandLine(ComposedLine(content.message, line), insert, data,
                content.lineTexts[static_cast<std::size_t>(line)], iconName, notices);
        }
        t.NetString(text, kLineLimit, false, "message line");
    }
    for (int line = 0; line < FreeLines(layout.latched); ++line) {
        if (inserts[static_cast<std::size_t>(line)] == kNoInsert) {
            t.Zeros(2, "insert text");
            continue;
        }
        LcdInsertTexts texts = content.lineTexts[static_cast<std::size_t>(line)];
        t.NetString(texts.low, LcdInsertTexts::kLimit, false, "insert text");
        t.NetString(texts.high, LcdInsertTexts::kLimit, false, "insert text");
    }
    if ((t.Position() - start) % 2 != 0)
        t.Zeros(1, "tail padding");
}

}  // namespace corvane
