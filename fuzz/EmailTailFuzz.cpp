// Reads arbitrary bytes as the tail of an e-mail record. The first eight
// bytes are the layout: r, t, then three bytes of linked inputs and three
// of inputs shown as numbers (bit n of the little-endian 24 bits: input
// n); the rest is the tail. An accepted tail must keep its texts within
// their limits, and what it writes back must read and write again to the
// same bytes.
#include "icons/reporting/EmailRecordTail.h"
#include "netmodel/RecordTransfer.h"

#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

namespace {

constexpr std::size_t kLayoutBytes = 8;

corvane::EmailTailContent ReadOrStop(
    std::span<const std::uint8_t> bytes, const corvane::EmailTailLayout& layout, bool& ok)
{
    corvane::RecordTransfer t = corvane::RecordTransfer::ForLoading(bytes);
    corvane::EmailTailContent content = corvane::EmailRecordTail::Read(t, layout);
    ok = !t.Failed();
    if (ok) {
        using Tail = corvane::EmailRecordTail;
        if (t.Position() > bytes.size() || content.message.size() > Tail::kMessageLimit
            || content.to.size() > Tail::kToLimit || content.from.size() > Tail::kFromLimit
            || content.subject.size() > Tail::kSubjectLimit || content.baseFilename.size() > Tail::kBaseFilenameLimit
            || content.tagIds.size() > Tail::kMaxTags)
            std::abort();
        for (const corvane::EmailInputTexts& texts : content.inputTexts)
            if (texts.low.size() > corvane::EmailInputTexts::kLimit
                || texts.high.size() > corvane::EmailInputTexts::kLimit)
                std::abort();
    }
    return content;
}

std::vector<std::uint8_t> Write(const corvane::EmailTailContent& content, const corvane::EmailTailLayout& layout)
{
    corvane::RecordTransfer t = corvane::RecordTransfer::ForStoring();
    corvane::EmailRecordTail::Write(t, content, layout, "Email", nullptr);
    if (t.Written().size() % 2 != 0)
        std::abort();
    return t.Written();
}

// The layout a written tail is read back with: the counts its write took.
corvane::EmailTailLayout Rewritten(corvane::EmailTailLayout layout, const corvane::EmailTailContent& content)
{
    layout.referenceCount = corvane::EmailRecordTail::PlaceReferences(content, layout).size();
    layout.tagCount = content.tagIds.size();
    return layout;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < kLayoutBytes)
        return 0;
    const std::span<const std::uint8_t> input(data, size);
    corvane::EmailTailLayout layout;
    layout.referenceCount = input[0];
    layout.tagCount = input[1];
    const auto bits = [&](std::size_t at) {
        return static_cast<std::uint32_t>(input[at] | input[at + 1] << 8 | input[at + 2] << 16);
    };
    for (std::size_t i = 0; i < corvane::EmailTailLayout::kInputs; ++i) {
        layout.linked[i] = ((bits(2) >> i) & 1U) != 0;
        layout.number[i] = ((bits(5) >> i) & 1U) != 0;
    }

    bool ok = false;
    const corvane::EmailTailContent first = ReadOrStop(input.subspan(kLayoutBytes), layout, ok);
    if (!ok)
        return 0;
    const std::vector<std::uint8_t> written = Write(first, layout);
    const corvane::EmailTailLayout again = Rewritten(layout, first);
    const corvane::EmailTailContent second = ReadOrStop(written, again, ok);
    if (!ok || Write(second, again) != written)
        std::abort();
    return 0;
}
