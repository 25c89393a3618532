#include "icons/function/CDataBufferIcon.h"

#include "icons/function/CDataBufferDialog.h"
#include "netmodel/RecordTransfer.h"
#include "res/ResourceIds.h"

namespace corvane {

CDataBufferIcon::CDataBufferIcon() { Init(); }

CDataBufferIcon::CDataBufferIcon(const Rect& position) : CFunctionIcon(position) { Init(); }

void CDataBufferIcon::Init()
{
    SetName("Data Buffer");
    SetBitmapId(res::kBitmapDataBuffer);
    SetMinimumInputs(1);
    InitIcon(Position().left, Position().top, 1, kOutputs, kTypeCode, false, true, false);
}

void CDataBufferIcon::SetDataType(std::uint16_t type)
{
    dataType_ = type == kLogic ? kLogic : kData;
    BuildConnectors();
    const std::uint8_t flags = dataType_ == kLogic ? 0 : kInputLinkPlainFlags;
    for (InputLink& link : GetInputLinks())
        link.flags = flags;
    for (OutputEntry& entry : GetOutputEntries())
        entry.flags = flags;
    LayoutConnectors();
}

void CDataBufferIcon::DisconnectAll()
{
    for (int i = 0; i < TotalInputs(); ++i)
        DisconnectInput(i);
    for (int i = 0; i < OutputCount(); ++i)
        DisconnectOutput(i);
}

void CDataBufferIcon::BuildConnectors()
{
    const int type = ConnectorType();
    Input(0) = CInput(
        connector_kind::kDataInput, true, false, GetConnectorPoint(1, 1, connector_kind::kDataInput), type, this);
    for (int i = 0; i < kOutputs; ++i)
        Output(i) = COutput(connector_kind::kOutput, true, false,
            GetConnectorPoint(i + 1, kOutputs, connector_kind::kOutput), type, this);
}

std::unique_ptr<IconDialog> CDataBufferIcon::CreateIconDialog() { return std::make_unique<CDataBufferDialog>(*this); }

void CDataBufferIcon::Layout()
{
    Header().length = kRecordLength;
    BuildConnectors();
    CFunctionIcon::Layout();
}

int CDataBufferIcon::CheckIconConnections(bool& isolated) const
{
    return CheckConnections(isolated, false, false, false, 0, true, true);
}

bool CDataBufferIcon::AdoptSourceLabels(const CCorvaneIcon& /*source*/, int /*outputIndex*/) { return false; }

void CDataBufferIcon::CopyFixedPart(RecordTransfer& t) { t.U16(dataType_, "data type"); }

}  // namespace corvane
