#include "icons/reporting/CDataTagIcon.h"

#include "icons/reporting/CDataTagDialog.h"
#include "netdoc/CNetDoc.h"
#include "netmodel/RecordTransfer.h"
#include "res/ResourceIds.h"

namespace corvane {
namespace {

constexpr std::string_view kDefaultName = "Data Tag";

}  // namespace

CDataTagIcon::CDataTagIcon()
{
    Init();
}

CDataTagIcon::CDataTagIcon(const Rect& position) : CCorvaneIcon(position)
{
    Init();
}

void CDataTagIcon::Init()
{
    SetBitmapId(res::kBitmapDataTag);
    SetName(kDefaultName);
    InitIcon(Position().left, Position().top, 1, 0, kTypeCode, false, false, false);
}

CNetDoc* CDataTagIcon::NetDocument() const
{
    return dynamic_cast<CNetDoc*>(Owner());
}

const OutputEntry* CDataTagIcon::SourceEntry() const
{
    // A stored record may come without its input.
    if (GetInputLinks().empty())
        return nullptr;
    const InputLink& link = GetInputLinks()[0];
    const CCorvaneIcon* source = link.IsConnected() ? FindIconById(link.sourceId) : nullptr;
    if (source == nullptr || link.sourceOutput >= source->OutputCount())
        return nullptr;
    return &source->GetOutputEntries()[link.sourceOutput];
}

std::variant<std::size_t, RecordError> CDataTagIcon::LoadRecord(std::span<const std::uint8_t> record)
{
    auto loaded = CCorvaneIcon::LoadRecord(record);
    if (std::holds_alternative<std::size_t>(loaded))
        SetName(Header().name);
    return loaded;
}

int CDataTagIcon::SettleInputType()
{
    if (GetInputLinks().empty())
        return 0;
    const InputLink& link = GetInputLinks()[0];
    if (!link.IsConnected())
        return 0;
    const CCorvaneIcon* source = FindIconById(link.sourceId);
    if (source == nullptr || link.sourceOutput >= source->OutputCount())
        return link.flags != 0 ? data_type::kData : data_type::kLogic;
    const int type = source->Output(link.sourceOutput).GetDataType() & ~data_type::kUnsettled;
    if (type == data_type::kLogic) {
        format_ = static_cast<std::uint16_t>(format_ & ~kWholeNumberBit);
        return data_type::kLogic;
    }
    if (type == data_type::kData || type == data_type::kAdapts) {
        RenewLinkFormat();
        return data_type::kData;
    }
    return type;
}

void CDataTagIcon::RenewLinkFormat()
{
    if (GetInputLinks().empty() || !GetInputLinks()[0].IsConnected())
        return;
    const CCorvaneIcon* source = FindIconById(GetInputLinks()[0].sourceId);
    const int sourceOutput = GetInputLinks()[0].sourceOutput;
    if (source == nullptr || sourceOutput >= source->OutputCount())
        return;
    const int type = source->Output(sourceOutput).GetDataType() & ~data_type::kUnsettled;
    if (type == data_type::kData || type == data_type::kAdapts)
        GetInputLinks()[0].flags = (format_ & kWholeNumberBit) != 0 ? kLinkWholeNumber : kLinkDecimal;
}

void CDataTagIcon::BuildConnectors()
{
    CreateConnectors(true, SettleInputType() | data_type::kAdapts, false, false);
}

std::unique_ptr<IconDialog> CDataTagIcon::CreateIconDialog()
{
    return std::make_unique<CDataTagDialog>(*this);
}

void CDataTagIcon::Layout()
{
    Header().length = kRecordLength;
    format_ = kDefaultFormat;
    assignment_ = kAllAssigned;
    BuildConnectors();
    CCorvaneIcon::Layout();
}

int CDataTagIcon::CheckIconConnections(bool& isolated) const
{
    return CheckConnections(isolated, false, false, false, 0, false, false);
}

void CDataTagIcon::CopyFixedPart(RecordTransfer& t)
{
    // The link's flags byte tells the logger the number format. Setting up
    // a loaded icon's connectors resets it from the input's type, so it is
    // renewed from the format word before the links are written.
    if (!t.IsLoading())
        RenewLinkFormat();
    t.U16(format_, "format word");
    t.U16(assignment_, "assignment word");
}

}  // namespace corvane
