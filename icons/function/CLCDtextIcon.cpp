#include "icons/function/CLCDtextIcon.h"

#include "base/Cp1252.h"
#include "base/NoticeSink.h"
#include "icons/function/CLCDtextDialog.h"
#include "icons/function/LcdMessageTail.h"
#include "netmodel/RecordTransfer.h"
#include "platform/Application.h"
#include "platform/PromptNoticeSink.h"
#include "res/ResourceIds.h"

#include <algorithm>

namespace corvane {
namespace {

constexpr std::string_view kLatchedName = "LCD Msg-Latched";
constexpr std::string_view kConditionalName = "LCD Msg-Conditional";
constexpr std::uint32_t kLatchedHelp = 131413;
constexpr std::uint32_t kConditionalHelp = 131418;
constexpr int kLatchedInputs = 2;
constexpr int kConditionalInputs = 3;
constexpr std::string_view kNoticeCaption = "Warning";

// Notices of the record writer, shown as message boxes titled "Warning"
// while the program runs.
class WarningNotices final : public NoticeSink {
public:
    void ShowNotice(std::string_view text, std::string_view caption, NoticeStyle style) override
    {
        if (Application::Exists())
            PromptNoticeSink(Application::Instance())
                .ShowNotice(text, caption.empty() ? kNoticeCaption : caption, style);
    }
};

}  // namespace

CLCDtextIcon::CLCDtextIcon()
{
    SetVariant(false);
    SetName(kConditionalName);
    InitIcon(Position().left, Position().top, kConditionalInputs, 0, kTypeCode, false, true, true);
}

CLCDtextIcon::CLCDtextIcon(const Rect& position, int bitmapId) : CFunctionIcon(position)
{
    const bool latched = bitmapId != res::kBitmapLcdConditional;
    SetVariant(latched);
    SetName(latched ? kLatchedName : kConditionalName);
    InitIcon(Position().left, Position().top, latched ? kLatchedInputs : kConditionalInputs, 0, kTypeCode, latched,
        true, !latched);
}

void CLCDtextIcon::SetVariant(bool latched)
{
    mode_ = static_cast<std::uint16_t>(latched ? (mode_ | kLatchedBit) : (mode_ & ~kLatchedBit));
    SetBitmapId(latched ? res::kBitmapLcdLatched : res::kBitmapLcdConditional);
    SetMinimumInputs(latched ? kLatchedInputs : kConditionalInputs);
}

std::uint32_t CLCDtextIcon::HelpContext() const
{
    return IsLatched() ? kLatchedHelp : kConditionalHelp;
}

bool CLCDtextIcon::IsDataInput(int input) const
{
    const auto links = GetInputLinks();
    return input >= 0 && static_cast<std::size_t>(input) < links.size()
        && links[static_cast<std::size_t>(input)].flags != 0;
}

LcdMessageContext CLCDtextIcon::MakeEditContext() const
{
    LcdMessageContext context;
    context.lineCount = LineCount();
    context.message = message_;
    context.preview = preview_;
    for (int line = 0; line < LineCount(); ++line) {
        const int input = insertMap_[static_cast<std::size_t>(line)];
        if (!LcdMessageTail::IsValueInput(IsLatched(), input))
            continue;
        context.lineInserts[static_cast<std::size_t>(line)] = input;
        context.inputTexts[static_cast<std::size_t>(input)] = lineTexts_[static_cast<std::size_t>(line)];
    }
    return context;
}

void CLCDtextIcon::ApplyEditContext(const LcdMessageContext& context)
{
    message_ = context.message.substr(0, LcdMessageContext::kTextLimit);
    preview_ = context.preview.substr(0, LcdMessageContext::kTextLimit);
    for (int line = 0; line < LineCount(); ++line) {
        const auto at = static_cast<std::size_t>(line);
        const int input = context.lineInserts[at];
        if (!LcdMessageTail::IsValueInput(IsLatched(), input)) {
            insertMap_[at] = kNoInsert;
            lineTexts_[at] = {};
            continue;
        }
        insertMap_[at] = static_cast<std::uint8_t>(input);
        const LcdInsertTexts& texts = context.inputTexts[static_cast<std::size_t>(input)];
        lineTexts_[at] = {texts.low.substr(0, LcdInsertTexts::kLimit), texts.high.substr(0, LcdInsertTexts::kLimit)};
    }
}

void CLCDtextIcon::ApplySubtype(std::uint16_t mode)
{
    mode_ = (mode & kLatchedBit) != 0 ? kLatchedBit : 0;
    SetVariant(IsLatched());
}

void CLCDtextIcon::BuildConnectors()
{
    constexpr int kUnlinkedType = data_type::kData | data_type::kAdapts;
    CreateConnectors(true, kUnlinkedType, false, false);
    // A linked input takes its source's kind; while the source is not in
    // the net (a net being read), the link's flags byte tells it.
    const auto links = GetInputLinks();
    for (int slot = ExtraInputCount(); slot < TotalInputs(); ++slot) {
        const InputLink& link = links[static_cast<std::size_t>(slot)];
        int type = kUnlinkedType;
        if (link.IsConnected()) {
            const CCorvaneIcon* source = FindIconById(link.sourceId);
            if (source != nullptr && link.sourceOutput < source->OutputCount())
                type = (source->Output(link.sourceOutput).GetDataType() & ~data_type::kUnsettled) | data_type::kAdapts;
            else if (link.flags == 0)
                type = data_type::kLogic | data_type::kAdapts;
        }
        Input(slot).SetDataType(type);
    }
}

std::unique_ptr<IconDialog> CLCDtextIcon::CreateIconDialog()
{
    return std::make_unique<CLCDtextDialog>(*this);
}

void CLCDtextIcon::Layout()
{
    Header().length = kRecordLength;
    BuildConnectors();
    CFunctionIcon::Layout();
}

int CLCDtextIcon::CheckIconConnections(bool& isolated) const
{
    return CheckConnections(isolated, false, IsLatched(), false, 0, false, false);
}

void CLCDtextIcon::CopyFixedPart(RecordTransfer& t)
{
    t.U16(mode_, "mode word");
    if (t.IsLoading()) {
        if (t.Failed())
            return;
        SetVariant(IsLatched());
        const int expectedInputs = IsLatched() ? kLatchedInputs : kConditionalInputs + 1;
        if (TotalInputs() != expectedInputs) {
            t.Fail({RecordErrorKind::BadCount, kIconInputCountOffset, "input count"});
            return;
        }
        const std::size_t mapOffset = t.Position();
        t.Bytes(insertMap_, "insert map");
        for (std::size_t i = 0; i < insertMap_.size() && !t.Failed(); ++i)
            if (insertMap_[i] != kNoInsert && !LcdMessageTail::IsValueInput(IsLatched(), insertMap_[i]))
                t.Fail({RecordErrorKind::BadValue, mapOffset + i, "insert map"});
        return;
    }
    // An insert whose input lost its link is dropped.
    const auto links = GetInputLinks();
    for (int input = 0; input < TotalInputs(); ++input)
        if (LcdMessageTail::IsValueInput(IsLatched(), input) && !links[static_cast<std::size_t>(input)].IsConnected())
            std::replace(insertMap_.begin(), insertMap_.end(), static_cast<std::uint8_t>(input), kNoInsert);
    std::array<std::uint8_t, 4> written = insertMap_;
    const auto effective = LcdMessageTail::EffectiveInserts(message_, TailLayout().lineInserts, IsLatched());
    std::copy(effective.begin(), effective.end(), written.begin());
    t.Bytes(written, "insert map");
}

LcdTailLayout CLCDtextIcon::TailLayout() const
{
    LcdTailLayout layout;
    layout.latched = IsLatched();
    std::copy_n(insertMap_.begin(), layout.lineInserts.size(), layout.lineInserts.begin());
    for (int input = 0; input < TotalInputs(); ++input)
        layout.dataSource[static_cast<std::size_t>(input)] = IsDataInput(input);
    return layout;
}

std::size_t CLCDtextIcon::TransferTail(RecordTransfer& t)
{
    const std::size_t start = t.Position();
    const LcdTailLayout layout = TailLayout();
    if (t.IsLoading()) {
        const LcdTailContent content = LcdMessageTail::Read(t, layout);
        if (t.Failed())
            return 0;
        message_ = content.message;
        preview_ = message_;
        lineTexts_ = content.lineTexts;
        for (int line = 0; line < LcdMessageTail::FreeLines(IsLatched()); ++line) {
            const int input = content.lineInserts[static_cast<std::size_t>(line)];
            insertMap_[static_cast<std::size_t>(line)] = input < 0 ? kNoInsert : static_cast<std::uint8_t>(input);
        }
        return t.Position() - start;
    }
    const LcdTailContent content{message_, lineTexts_, {}};
    WarningNotices notices;
    LcdMessageTail::Write(t, content, layout, Cp1252ToUtf8(Header().name), &notices);
    return t.Position() - start;
}

}  // namespace corvane
