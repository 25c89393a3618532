#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

class NoticeSink;
class RecordTransfer;

// The two texts an e-mail input keeps: for an input shown by name, its
// low-state and high-state names; for an input shown as a number, two
// digit templates whose lengths are its integer and fraction digits.
struct EmailInputTexts {
    static constexpr std::size_t kLimit = 11;
    std::string low;
    std::string high;

    bool operator==(const EmailInputTexts&) const = default;
};

// What the tail is read and written against, taken from the record's
// input links and fixed part: per data input whether its link has a
// source and whether it is shown as a number (link flags byte not 0), and
// the counts r and t of the fixed part (read only).
struct EmailTailLayout {
    static constexpr std::size_t kInputs = 24;
    std::array<bool, kInputs> linked{};
    std::array<bool, kInputs> number{};
    std::size_t referenceCount = 0;
    std::size_t tagCount = 0;
};

// The e-mail icon's variable data as the record carries it; all texts
// are Windows-1252.
struct EmailTailContent {
    std::vector<std::uint32_t> tagIds;
    // Input indexes in the order their markers occur in the message, -1
    // where unused.
    std::array<int, EmailTailLayout::kInputs> references{};
    std::string baseFilename;
    std::string from;
    std::string subject;
    // Addresses separated by ",".
    std::string to;
    // The message, an input's value written "^" and its index.
    std::string message;
    std::array<EmailInputTexts, EmailTailLayout::kInputs> inputTexts{};

    EmailTailContent() { references.fill(-1); }
    bool operator==(const EmailTailContent&) const = default;
};

// The variable tail of the e-mail record, after the output entry:
//   t tag ids, u32 each
//   r input references, one byte each (an input index), and one 0 byte when r is odd
//   base filename, From, Subject: NUL-terminated, at most 45, 256, 256 bytes
//   To: each address NUL-terminated, then one 0 byte (empty To: the 0 byte alone)
//   the message: per reference one segment, its text up to the input's
//     marker with each "%" doubled and the input's printf format ("%s" by
//     name, "%W.Pf" or "%W.0f" as a number) in place of the marker, NUL;
//     then the text after the last marker unchanged and NUL when there is
//     any; then one 0 byte
//   per reference to an input shown by name, its low and high names,
//     NUL-terminated; then one 0 byte
//   one 0 byte when the tail's length is odd.
class EmailRecordTail {
public:
    static constexpr std::size_t kMaxTags = 256;
    static constexpr std::size_t kAddressLimit = 256;
    static constexpr std::size_t kFromLimit = 256;
    static constexpr std::size_t kSubjectLimit = 256;
    static constexpr std::size_t kToLimit = 256;
    static constexpr std::size_t kMessageLimit = 3227;
    static constexpr std::size_t kBaseFilenameLimit = 45;

    // One reference the message is written with: the input and where its
    // marker stands in the message.
    struct PlacedReference {
        int input = -1;
        std::size_t marker = 0;
        std::size_t markerLength = 0;
    };

    // The input a marker at pos names ("^0", or "^" and one or two digits
    // not starting with 0), with the marker's length; -1 without one.
    static int MarkerAt(std::string_view text, std::size_t pos, std::size_t& length);
    // Where input n's marker "^n" stands at or after from, or npos. A "^"
    // followed by "0" is input 0; otherwise the one or two digits after it
    // are the input.
    static std::size_t FindMarker(std::string_view message, int input, std::size_t from, std::size_t& length);
    // The references a write takes, in list order: each one that is not
    // -1, names a linked input and finds its marker after the previous
    // one's. Their number is the record's r.
    static std::vector<PlacedReference> PlaceReferences(const EmailTailContent& content, const EmailTailLayout& layout);

    // The message section: the segments and the closing 0 byte. A number
    // input without integer digits is written as a lone "%" and told to
    // notices as "The format for <icon> input #<n> was left blank".
    static std::vector<std::uint8_t> EncodeMessage(const EmailTailContent& content, const EmailTailLayout& layout,
        std::string_view iconName, NoticeSink* notices);
    // One segment back into message text: "%%" becomes "%", the input's
    // format becomes its marker and, for a number, sets its digit
    // templates ("#" runs); a lone "%" ending the segment is the marker
    // with empty templates.
    static std::string DecodeSegment(std::string_view segment, int input, bool number, EmailInputTexts& texts);

    // Reads the tail; a refusal (a count, text or index past its bound, a
    // missing terminator) stays in the transfer with its offset.
    static EmailTailContent Read(RecordTransfer& transfer, const EmailTailLayout& layout);
    // Writes the tail; texts are cut at their limits and empty pieces of
    // the To text are left out.
    static void Write(RecordTransfer& transfer, const EmailTailContent& content, const EmailTailLayout& layout,
        std::string_view iconName, NoticeSink* notices);
};

}  // namespace corvane
