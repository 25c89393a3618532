// Reads arbitrary bytes as the tail of an LCD message record. The first
// byte picks the variant (bit 0 latched) and which inputs a number feeds
// (bits 1 to 4: inputs 0 to 3); the next three are the lines' insert map
// bytes; the rest is the tail. An accepted tail must keep the message and
// texts in their limits, and what it writes back must read and write again
// to the same bytes.
#include "icons/function/LcdMessageTail.h"
#include "netmodel/RecordTransfer.h"

#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

namespace {

constexpr std::size_t kLayoutBytes = 4;

corvane::LcdTailContent ReadOrStop(std::span<const std::uint8_t> bytes, const corvane::LcdTailLayout& layout, bool& ok)
{
    corvane::RecordTransfer t = corvane::RecordTransfer::ForLoading(bytes);
    corvane::LcdTailContent content = corvane::LcdMessageTail::Read(t, layout);
    ok = !t.Failed();
    if (ok) {
        if (t.Position() > bytes.size() || content.message.size() > corvane::LcdMessageContext::kTextLimit)
            std::abort();
        for (const corvane::LcdInsertTexts& texts : content.lineTexts)
            if (texts.low.size() > corvane::LcdInsertTexts::kLimit
                || texts.high.size() > corvane::LcdInsertTexts::kLimit)
                std::abort();
    }
    return content;
}

std::vector<std::uint8_t> Write(const corvane::LcdTailContent& content, const corvane::LcdTailLayout& layout)
{
    corvane::RecordTransfer t = corvane::RecordTransfer::ForStoring();
    corvane::LcdMessageTail::Write(t, content, layout, "LCD", nullptr);
    if (t.Written().size() % 2 != 0)
        std::abort();
    return t.Written();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < kLayoutBytes)
        return 0;
    const std::span<const std::uint8_t> input(data, size);
    corvane::LcdTailLayout layout;
    layout.latched = (input[0] & 1) != 0;
    for (std::size_t i = 0; i < 4; ++i)
        layout.dataSource[i] = (input[0] & (2u << i)) != 0;
    for (std::size_t line = 0; line < layout.lineInserts.size(); ++line)
        layout.lineInserts[line] = input[1 + line];

    bool ok = false;
    const corvane::LcdTailContent first = ReadOrStop(input.subspan(kLayoutBytes), layout, ok);
    if (!ok)
        return 0;
    const std::vector<std::uint8_t> written = Write(first, layout);
    const corvane::LcdTailContent again = ReadOrStop(written, layout, ok);
    if (!ok || Write(again, layout) != written)
        std::abort();
    return 0;
}
