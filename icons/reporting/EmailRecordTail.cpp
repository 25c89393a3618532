#include "icons/reporting/EmailRecordTail.h"

#include "netmodel/InputFormat.h"
#include "netmodel/RecordTransfer.h"

#include <algorithm>
#include <span>

namespace corvane {
namespace {

constexpr char kMarker = '^';
// An encoded segment: the text with every "%" doubled and a format of at
// most "%22.11f".
constexpr std::size_t kSegmentLimit = 2 * EmailRecordTail::kMessageLimit + 8;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

}  // namespace

int EmailRecordTail::MarkerAt(std::string_view text, std::size_t pos, std::size_t& length)
{
    if (pos + 1 >= text.size() || text[pos] != kMarker || !IsDigit(text[pos + 1]))
        return -1;
    if (text[pos + 1] == '0') {
        length = 2;
        return 0;
    }
    int input = text[pos + 1] - '0';
    length = 2;
    if (pos + 2 < text.size() && IsDigit(text[pos + 2])) {
        input = input * 10 + (text[pos + 2] - '0');
        length = 3;
    }
    return input;
}

namespace {

// A text up to its first NUL and at most limit bytes.
std::string_view Bounded(std::string_view text, std::size_t limit)
{
    return text.substr(0, std::min({text.size(), limit, text.find('\0')}));
}

void AppendBytes(std::vector<std::uint8_t>& out, std::string_view text)
{
    out.insert(out.end(), text.begin(), text.end());
}

bool InRange(int input)
{
    return input >= 0 && static_cast<std::size_t>(input) < EmailTailLayout::kInputs;
}

// The names of the inputs shown by name, in reference order.
std::vector<int> NamedReferences(std::span<const int> references, const EmailTailLayout& layout)
{
    std::vector<int> named;
    for (const int input : references)
        if (InRange(input) && !layout.number[static_cast<std::size_t>(input)])
            named.push_back(input);
    return named;
}

}  // namespace

std::size_t EmailRecordTail::FindMarker(std::string_view message, int input, std::size_t from, std::size_t& length)
{
    for (std::size_t pos = message.find(kMarker, from); pos != std::string_view::npos;
         pos = message.find(kMarker, pos + 1)) {
        std::size_t found = 0;
        if (MarkerAt(message, pos, found) == input) {
            length = found;
            return pos;
        }
    }
    return std::string_view::npos;
}

std::vector<EmailRecordTail::PlacedReference> EmailRecordTail::PlaceReferences(
    const EmailTailContent& content, const EmailTailLayout& layout)
{
    const std::string_view message = Bounded(content.message, kMessageLimit);
    std::vector<PlacedReference> placed;
    std::size_t pos = 0;
    for (const int input : content.references) {
        if (!InRange(input) || !layout.linked[static_cast<std::size_t>(input)])
            continue;
        std::size_t length = 0;
        const std::size_t marker = FindMarker(message, input, pos, length);
        if (marker == std::string_view::npos)
            continue;
        placed.push_back({input, marker, length});
        pos = marker + length;
    }
    return placed;
}

std::vector<std::uint8_t> EmailRecordTail::EncodeMessage(
    const EmailTailContent& content, const EmailTailLayout& layout, std::string_view iconName, NoticeSink* notices)
{
    const std::string_view message = Bounded(content.message, kMessageLimit);
    std::vector<std::uint8_t> out;
    std::size_t pos = 0;
    for (const PlacedReference& ref : PlaceReferences(content, layout)) {
        std::string segment;
        for (const char c : message.substr(pos, ref.marker - pos)) {
            segment += c;
            if (c == '%')
                segment += '%';
        }
        const auto index = static_cast<std::size_t>(ref.input);
        const EmailInputTexts& texts = content.inputTexts[index];
        const bool number = layout.number[index];
        const auto integer = static_cast<int>(std::min(texts.low.size(), EmailInputTexts::kLimit));
        const auto fraction = static_cast<int>(std::min(texts.high.size(), EmailInputTexts::kLimit));
        WriteInputFormat(ref.input, number, integer, fraction, segment, iconName, notices);
        AppendBytes(out, segment);
        out.push_back(0);
        pos = ref.marker + ref.markerLength;
    }
    // The text after the last marker goes as it is.
    if (pos < message.size()) {
        AppendBytes(out, message.substr(pos));
        out.push_back(0);
    }
    out.push_back(0);
    return out;
}

std::string EmailRecordTail::DecodeSegment(std::string_view segment, int input, bool number, EmailInputTexts& texts)
{
    std::string text;
    std::size_t pos = 0;
    while (pos < segment.size()) {
        if (segment[pos] != '%') {
            text += segment[pos++];
            continue;
        }
        if (pos + 1 == segment.size()) {
            // A number format left without integer digits.
            text += kMarker + std::to_string(input);
            if (number)
                texts = {};
            ++pos;
            continue;
        }
        const ParsedInputFormat format = ParseFormatSpec(segment.substr(pos), text, number, input);
        if (format.consumed == 0) {
            text += segment[pos++];
            continue;
        }
        if (format.isFormat && number) {
            texts.low.assign(static_cast<std::size_t>(std::max(format.width - format.precision, 0)), '#');
            texts.high.assign(static_cast<std::size_t>(format.precision), '#');
            texts.low.resize(std::min(texts.low.size(), EmailInputTexts::kLimit));
            texts.high.resize(std::min(texts.high.size(), EmailInputTexts::kLimit));
        }
        pos += format.consumed;
    }
    return text;
}

EmailTailContent EmailRecordTail::Read(RecordTransfer& t, const EmailTailLayout& layout)
{
    EmailTailContent content;
    if (layout.tagCount > kMaxTags) {
        t.Fail({RecordErrorKind::BadCount, t.Position(), "tag ids"});
        return content;
    }
    if (layout.referenceCount > EmailTailLayout::kInputs) {
        t.Fail({RecordErrorKind::BadCount, t.Position(), "input references"});
        return content;
    }
    content.tagIds.resize(layout.tagCount);
    for (std::uint32_t& id : content.tagIds)
        t.U32(id, "tag id");

    for (std::size_t i = 0; i < layout.referenceCount && !t.Failed(); ++i) {
        const std::size_t offset = t.Position();
        std::uint8_t input = 0;
        t.U8(input, "input reference");
        if (!t.Failed() && input >= EmailTailLayout::kInputs)
            t.Fail({RecordErrorKind::BadValue, offset, "input reference"});
        if (!t.Failed())
            content.references[i] = input;
    }
    if (t.Failed())
        return content;
    if (layout.referenceCount % 2 != 0)
        t.Zeros(1, "input references");

    t.NetString(content.baseFilename, kBaseFilenameLimit, false, "base filename");
    t.NetString(content.from, kFromLimit, false, "From");
    t.NetString(content.subject, kSubjectLimit, false, "Subject");
    while (!t.Failed()) {
        const std::size_t offset = t.Position();
        std::string address;
        t.NetString(address, kAddressLimit, false, "To");
        if (t.Failed() || address.empty())
            break;
        const std::size_t joined = content.to.size() + (content.to.empty() ? 0 : 1) + address.size();
        if (joined > kToLimit) {
            t.Fail({RecordErrorKind::BadValue, offset, "To"});
            break;
        }
        if (!content.to.empty())
            content.to += ',';
        content.to += address;
    }

    const std::size_t messageStart = t.Position();
    const std::span<const int> references(content.references.data(), layout.referenceCount);
    for (const int input : references) {
        std::string segment;
        t.NetString(segment, kSegmentLimit, false, "message");
        if (t.Failed())
            return content;
        const auto index = static_cast<std::size_t>(input);
        content.message += DecodeSegment(segment, input, layout.number[index], content.inputTexts[index]);
    }
    std::string rest;
    t.NetString(rest, kSegmentLimit, false, "message");
    if (!rest.empty()) {
        content.message += rest;
        std::uint8_t closing = 0;
        const std::size_t offset = t.Position();
        t.U8(closing, "message end");
        if (!t.Failed() && closing != 0)
            t.Fail({RecordErrorKind::BadValue, offset, "message end"});
    }
    if (!t.Failed() && content.message.size() > kMessageLimit)
        t.Fail({RecordErrorKind::BadValue, messageStart, "message"});

    for (const int input : NamedReferences(references, layout)) {
        EmailInputTexts& texts = content.inputTexts[static_cast<std::size_t>(input)];
        t.NetString(texts.low, EmailInputTexts::kLimit, false, "state name");
        t.NetString(texts.high, EmailInputTexts::kLimit, false, "state name");
    }
    const std::size_t namesEnd = t.Position();
    std::uint8_t closing = 0;
    t.U8(closing, "state names end");
    if (!t.Failed() && closing != 0)
        t.Fail({RecordErrorKind::BadValue, namesEnd, "state names end"});
    return content;
}

void EmailRecordTail::Write(RecordTransfer& t, const EmailTailContent& content, const EmailTailLayout& layout,
    std::string_view iconName, NoticeSink* notices)
{
    const std::size_t start = t.Position();
    const std::size_t tags = std::min(content.tagIds.size(), kMaxTags);
    for (std::size_t i = 0; i < tags; ++i) {
        std::uint32_t id = content.tagIds[i];
        t.U32(id, "tag id");
    }
    const std::vector<PlacedReference> placed = PlaceReferences(content, layout);
    std::vector<int> references;
    for (const PlacedReference& ref : placed) {
        auto byte = static_cast<std::uint8_t>(ref.input);
        t.U8(byte, "input reference");
        references.push_back(ref.input);
    }
    if (placed.size() % 2 != 0)
        t.Zeros(1, "input references");

    std::string text(Bounded(content.baseFilename, kBaseFilenameLimit));
    t.NetString(text, kBaseFilenameLimit, false, "base filename");
    text = Bounded(content.from, kFromLimit);
    t.NetString(text, kFromLimit, false, "From");
    text = Bounded(content.subject, kSubjectLimit);
    t.NetString(text, kSubjectLimit, false, "Subject");

    // Empty pieces (a leading, trailing or doubled ",") would end the list
    // early: they are left out.
    const std::string_view to = Bounded(content.to, kToLimit);
    std::size_t from = 0;
    while (from <= to.size()) {
        const std::size_t comma = std::min(to.find(',', from), to.size());
        std::string address(to.substr(from, comma - from));
        if (!address.empty())
            t.NetString(address, kAddressLimit, false, "To");
        from = comma + 1;
    }
    std::uint8_t zero = 0;
    t.U8(zero, "To");

    for (std::uint8_t byte : EncodeMessage(content, layout, iconName, notices))
        t.U8(byte, "message");

    for (const int input : NamedReferences(references, layout)) {
        const EmailInputTexts& texts = content.inputTexts[static_cast<std::size_t>(input)];
        std::string low(Bounded(texts.low, EmailInputTexts::kLimit));
        std::string high(Bounded(texts.high, EmailInputTexts::kLimit));
        t.NetString(low, EmailInputTexts::kLimit, false, "state name");
        t.NetString(high, EmailInputTexts::kLimit, false, "state name");
    }
    t.U8(zero, "state names end");
    if ((t.Position() - start) % 2 != 0)
        t.Zeros(1, "tail");
}

}  // namespace corvane
