#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// One data input of the e-mail icon as the message page shows it.
struct EmailPreviewInput {
    // Linked: its marker becomes a placeholder and a reference.
    bool insertable = false;
    // Shown as a number (digit templates) or by name (state names).
    bool number = true;
    // Digit templates or low and high state names.
    std::string low;
    std::string high;
    // The name of the icon that feeds the input.
    std::string sourceName;
};

// What the message page shows: 0 the message with its markers, 1 the
// values as numbers, 2 the values by their source's name.
enum class EmailDisplayMode { EditText = 0, Numbers = 1, Names = 2 };

// The message composed for the preview.
struct EmailComposition {
    // The message with every marker of an insertable input replaced by its
    // placeholder.
    std::string composed;
    // The inputs of those markers, in message order (not bounded: more
    // than 24 are for the caller to refuse).
    std::vector<int> references;
    // The header lines the logger adds, then the composed message, cut at
    // the size limit.
    std::string preview;
};

// The digit counts of an input shown as a number.
struct DigitCounts {
    int integer = 0;
    int fraction = 0;

    bool operator==(const DigitCounts&) const = default;
};

// The e-mail message's preview and digit rules, apart from the page.
class EmailPreview {
public:
    static constexpr std::size_t kScanLimit = 3227;
    static constexpr std::size_t kSizeLimit = 2880;
    static constexpr int kMaxDigits = 11;
    static constexpr std::string_view kHeader = "Date/Time\r\nUnit Name\r\n";
    static constexpr std::string_view kLoggerIdHeader = "Unit ID\r\nSerial #\r\n";

    // The placeholder of an input: a number's integer "#"s, then "." and
    // its fraction "#"s when it has fraction digits and at most 10 integer
    // digits (nothing without integer digits); a name input's longer name
    // (the low one when both are as long); in Names mode the source's name.
    static std::string Placeholder(const EmailPreviewInput& input, EmailDisplayMode mode);
    // Scans the message (up to 3227 bytes) and composes the preview: the
    // header ("Unit ID" and "Serial #" lines with the logger id), a blank
    // line and the composed message, cut at sizeLimit.
    static EmailComposition Compose(std::string_view message, std::span<const EmailPreviewInput> inputs,
        EmailDisplayMode mode, bool includeLoggerId, std::size_t sizeLimit = kSizeLimit);
    // Holds a number's digit counts to what the logger shows: each at most
    // 11; fraction digits without integer digits get one integer digit;
    // integer + fraction + 1 at most 11, giving way on the side the user
    // did not edit last (see the body for the order).
    static DigitCounts TrimDigitCounts(DigitCounts counts, bool integerEditedLast);
};

}  // namespace corvane
