#pragma once

#include "icons/function/LcdMessageContext.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace corvane {

// How a composed LCD message fits the display: lines of 20 characters, two
// or three of them, at most one insert per line. An insert ("^" and the
// input number) takes the width of what it shows.
class LcdMessageLayout {
public:
    static constexpr int kNotAnInput = -1;

    // The outcome of a reflow: whether the text fits, the text with the
    // line breaks it needs, where the caret went and each line's insert.
    struct Result {
        bool fits = false;
        std::string text;
        std::size_t caret = 0;
        std::array<int, LcdMessageContext::kMaxLines> lineInserts{-1, -1, -1};
    };

    // insertWidths[d]: the display width of input d's insert, or
    // kNotAnInput when d is not an input the message may show.
    LcdMessageLayout(int lineCount, const std::array<int, 10>& insertWidths);

    // The width of an insert: the longer text of an on/off input; for a
    // number the integer digits, and the point and decimals when there are
    // decimals.
    static int InsertWidth(bool data, const LcdInsertTexts& texts);

    // Walks the text (lines separated by CR LF): a '^' that is not followed
    // by an input's digit is deleted; a character or insert that would pass
    // column 20, or a second insert on a line, breaks the line before it,
    // and the line breaks after that point are removed so that the rest
    // flows on. The text does not fit when it needs more lines than the
    // message has (a break after the last line included).
    Result Reflow(std::string_view text, std::size_t caret) const;

    // The message as the dialogs show it: each marker replaced by its
    // expansion (by input digit), every line cut to 20 characters, at most
    // the message's lines, separated by CR LF.
    std::string Preview(std::string_view text, const std::array<std::string, 10>& expansions) const;

    // The message as it is kept: exactly the message's lines, each ended
    // by CR LF (missing lines empty).
    std::string Finish(std::string_view text) const;

    // The tidying when the editor opens: a message of nothing but line
    // breaks becomes empty; blanks before a line break and blanks and line
    // breaks at the end are removed.
    static std::string Tidy(std::string_view text);

    // The lengths of a number insert's patterns after the one being typed
    // changed: decimals need integer digits, and digits, point and decimals
    // take at most 11 places.
    static std::pair<int, int> FitNumberPattern(int integer, int decimals, bool editingInteger);

private:
    int lineCount_;
    std::array<int, 10> insertWidths_;
};

}  // namespace corvane
