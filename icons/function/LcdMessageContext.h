#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace corvane {

// The two texts of an insert: for an on/off input the texts shown while it
// is low (low) and high (high); for a number the integer-digits pattern
// (low) and the decimals pattern (high), of which only the lengths count.
struct LcdInsertTexts {
    static constexpr std::size_t kLimit = 11;  // bytes of each text
    std::string low;
    std::string high;
    friend bool operator==(const LcdInsertTexts&, const LcdInsertTexts&) = default;
};

// What the LCD message icon and its two dialogs share while a message is
// composed: the message (Windows-1252, lines separated by CR LF, an insert
// written "^" and the input number), the preview shown in the icon's
// dialog, the insert texts by input number and the insert of each line.
struct LcdMessageContext {
    static constexpr int kColumns = 20;
    static constexpr std::size_t kTextLimit = 3228;  // bytes of the message and of the preview
    static constexpr int kMaxLines = 3;
    static constexpr std::size_t kInputSlots = 24;

    int lineCount = kMaxLines;  // 2 latched, 3 conditional
    std::string message;
    std::string preview;
    std::array<LcdInsertTexts, kInputSlots> inputTexts{};
    std::array<int, kMaxLines> lineInserts{-1, -1, -1};  // input number, -1 none
};

}  // namespace corvane
