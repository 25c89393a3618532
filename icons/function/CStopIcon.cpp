#include "icons/function/CStopIcon.h"

#include "icons/function/CStopDialog.h"
#include "res/ResourceIds.h"

namespace corvane {

CStopIcon::CStopIcon()
{
    Init();
}

CStopIcon::CStopIcon(const Rect& position) : CFunctionIcon(position)
{
    Init();
}

void CStopIcon::Init()
{
    SetName("Stop");
    SetBitmapId(res::kBitmapStopExecution);
    InitIcon(Position().left, Position().top, 1, 0, kTypeCode, false, true, false);
}

void CStopIcon::BuildConnectors()
{
    CreateConnectors(true, data_type::kLogic, false, false);
}

std::unique_ptr<IconDialog> CStopIcon::CreateIconDialog()
{
    return std::make_unique<CStopDialog>(*this);
}

void CStopIcon::Layout()
{
    Header().length = kRecordLength;
    BuildConnectors();
    CFunctionIcon::Layout();
}

int CStopIcon::CheckIconConnections(bool& isolated) const
{
    return CheckConnections(isolated, false, false, false, 1, false, false);
}

void CStopIcon::CopyFixedPart(RecordTransfer& /*transfer*/) {}

}  // namespace corvane
