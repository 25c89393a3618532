#pragma once

#include "icons/function/LcdMessageContext.h"
#include "netmodel/IconRecordHeader.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

class NoticeSink;
class RecordTransfer;

// What the LCD message tail is read and written against: the variant, the
// insert map's bytes of the three lines (255: no insert) and, per input
// number, whether a number feeds it (link flags byte not 0) or an on/off
// state.
struct LcdTailLayout {
    bool latched = false;
    std::array<std::uint8_t, LcdMessageContext::kMaxLines> lineInserts{255, 255, 255};
    std::array<bool, kIconMaxInputs> dataSource{};
};

// The message as the icon keeps it: the composed text (lines ended by
// CR LF, an insert written "^" and the input number), and per line its
// insert and that insert's two texts.
struct LcdTailContent {
    std::string message;
    std::array<LcdInsertTexts, LcdMessageContext::kMaxLines> lineTexts{};
    std::array<int, LcdMessageContext::kMaxLines> lineInserts{-1, -1, -1};
};

// The variable tail of the LCD message icon's record, after the input links:
//   three message lines, each a NUL-terminated printf format of at most 47
//     bytes for the logger: the line's text with every '%' doubled and its
//     insert, if any, as "%s" (on/off source) or "%W.Pf" / "%W.0f" (number:
//     W the integer and decimal digits, P the decimals, 1 <= W <= 11,
//     P < W); the latched message's third line is "SELECT = Clear Msg  "
//   per free line (2 latched, 3 conditional) two NUL-terminated texts of at
//     most 11 bytes, the insert's texts A and B; two 0 bytes without insert
//   one 0 byte when needed to make the tail's length even.
class LcdMessageTail {
public:
    static constexpr std::size_t kLineLimit = 47;
    static constexpr std::size_t kComposedLineLimit = 25;  // characters of a composed line that are written
    static constexpr std::uint8_t kNoInsert = 255;
    static constexpr std::string_view kLatchedClearLine = "SELECT = Clear Msg  ";

    static int FreeLines(bool latched) { return latched ? 2 : 3; }
    // The inputs whose values a message shows: 0 and 1 latched, 1 to 3
    // conditional (input 0 is its select input).
    static bool IsValueInput(bool latched, int input);
    // Line n of a composed message (up to its CR), at most 25 characters.
    static std::string_view ComposedLine(std::string_view message, int line);
    // The insert each line really carries: its map byte when that names a
    // value input whose marker is in the line; otherwise 255. The latched
    // message's fixed third line keeps its byte.
    static std::array<std::uint8_t, LcdMessageContext::kMaxLines> EffectiveInserts(
        std::string_view message, const std::array<std::uint8_t, LcdMessageContext::kMaxLines>& map, bool latched);

    // Reads the tail; a refusal stays in the transfer. A printf format that
    // is not the line's one valid insert is read as plain text without its
    // '%'; '^', CR and LF bytes of a stored line are dropped, so that they
    // never become markers or line breaks of the composed message. A
    // number's patterns are '#'s of its format's lengths (the
    // stored texts of a number insert are not read).
    static LcdTailContent Read(RecordTransfer& transfer, const LcdTailLayout& layout);
    // Writes the tail of the content. A marker other than the line's
    // effective insert is left out of the line; a number insert whose integer
    // pattern is blank gets the notice "The format for <icon> input #<n> was
    // left blank" and one integer digit, so that no lone '%' reaches the
    // logger; a line is cut at its end to 47 bytes, keeping its insert.
    static void Write(RecordTransfer& transfer, const LcdTailContent& content, const LcdTailLayout& layout,
        std::string_view iconName, NoticeSink* notices);
};

}  // namespace corvane
