#include "icons/function/CDelayIcon.h"

#include "icons/function/CDelayDialog.h"
#include "netmodel/RecordTransfer.h"
#include "res/ResourceIds.h"

namespace corvane {

CDelayIcon::CDelayIcon()
{
    Init();
}

CDelayIcon::CDelayIcon(const Rect& position) : CFunctionIcon(position)
{
    Init();
}

void CDelayIcon::Init()
{
    SetName("Delay");
    SetBitmapId(res::kBitmapDelay);
    InitIcon(Position().left, Position().top, 1, 1, kTypeCode, false, true, false);
}

void CDelayIcon::BuildConnectors()
{
    CreateConnectors(true, data_type::kLogic, false, false);
    const Point at = GetConnectorPoint(1, 1, connector_kind::kOutput);
    Output(0) = COutput(connector_kind::kTriggerOutput, true, false, at, data_type::kLogic, this);
}

std::unique_ptr<IconDialog> CDelayIcon::CreateIconDialog()
{
    return std::make_unique<CDelayDialog>(*this);
}

void CDelayIcon::Layout()
{
    Header().length = kRecordLength;
    BuildConnectors();
    CFunctionIcon::Layout();
}

int CDelayIcon::CheckIconConnections(bool& isolated) const
{
    return CheckConnections(isolated, false, false, false, 1, true, false);
}

void CDelayIcon::CopyFixedPart(RecordTransfer& t)
{
    t.U32(on_, "ON delay");
    t.U32(off_, "OFF delay");
}

}  // namespace corvane
