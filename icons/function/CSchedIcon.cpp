#include "icons/function/CSchedIcon.h"

#include "icons/function/CSchedDialog.h"
#include "netmodel/RecordTransfer.h"
#include "res/ResourceIds.h"

namespace corvane {

CSchedIcon::CSchedIcon()
{
    Init();
}

CSchedIcon::CSchedIcon(const Rect& position) : CFunctionIcon(position)
{
    Init();
}

void CSchedIcon::Init()
{
    SetName("Sched");
    SetBitmapId(res::kBitmapScheduler);
    SetMinimumInputs(0);
    InitIcon(Position().left, Position().top, 0, 1, kTypeCode, false, true, false);
}

void CSchedIcon::BuildConnectors()
{
    // The data input is never in use; the output is a trigger output on the right.
    CreateConnectors(true, data_type::kData, false, false);
    const Point at = GetConnectorPoint(1, 1, connector_kind::kOutput);
    Output(0) = COutput(connector_kind::kTriggerOutput, true, false, at, data_type::kLogic, this);
}

std::unique_ptr<IconDialog> CSchedIcon::CreateIconDialog()
{
    return std::make_unique<CSchedDialog>(*this);
}

void CSchedIcon::Layout()
{
    Header().length = kRecordLength;
    BuildConnectors();
    CFunctionIcon::Layout();
}

int CSchedIcon::CheckIconConnections(bool& isolated) const
{
    return CheckConnections(isolated, false, false, false, 0, true, false);
}

void CSchedIcon::CopyFixedPart(RecordTransfer& t)
{
    t.U32(start_, "start");
    t.U32(stop_, "stop");
    t.U32(high_, "HIGH time");
    t.U32(cycle_, "cycle value");
    t.U8(kindByte_, "schedule kind");
    t.U8(weekdays_, "weekdays");
    t.U16(months_, "months");
}

}  // namespace corvane
