#include "icons/function/CFilterIcon.h"

#include "icons/function/CFilterDialog.h"
#include "netmodel/RecordTransfer.h"
#include "res/ResourceIds.h"

namespace corvane {

CFilterIcon::CFilterIcon() { Init(); }

CFilterIcon::CFilterIcon(const Rect& position) : CFunctionIcon(position) { Init(); }

void CFilterIcon::Init()
{
    SetName("Filter");
    SetBitmapId(res::kBitmapFilter);
    InitIcon(Position().left, Position().top, 1, 1, kTypeCode, false, true, false);
}

void CFilterIcon::SetFilter(bool lowPass, std::uint8_t value)
{
    mode_ = lowPass ? kLowPass : 0;
    value_ = value;
}

void CFilterIcon::BuildConnectors()
{
    CreateConnectors(true, data_type::kData, false, false);
    Output(0) = COutput(
        connector_kind::kOutput, true, false, GetConnectorPoint(1, 1, connector_kind::kOutput), data_type::kData, this);
}

std::unique_ptr<IconDialog> CFilterIcon::CreateIconDialog() { return std::make_unique<CFilterDialog>(*this); }

void CFilterIcon::Layout()
{
    Header().length = kRecordLength;
    BuildConnectors();
    CFunctionIcon::Layout();
}

int CFilterIcon::CheckIconConnections(bool& isolated) const
{
    return CheckConnections(isolated, false, false, false, 1, true, false);
}

void CFilterIcon::CopyFixedPart(RecordTransfer& t)
{
    t.U16(mode_, "mode word");
    t.U8(value_, "value");
    t.U8(reserved_, "reserved");
}

}  // namespace corvane
