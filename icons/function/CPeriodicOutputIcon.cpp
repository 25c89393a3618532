#include "icons/function/CPeriodicOutputIcon.h"

#include "icons/function/CPeriodicOutputDialog.h"
#include "netdoc/CNetDoc.h"
#include "netmodel/RecordTransfer.h"
#include "res/ResourceIds.h"

namespace corvane {

CPeriodicOutputIcon::CPeriodicOutputIcon() { Init(); }

CPeriodicOutputIcon::CPeriodicOutputIcon(const Rect& position) : CFunctionIcon(position) { Init(); }

void CPeriodicOutputIcon::Init()
{
    SetName("POI");
    SetBitmapId(res::kBitmapPeriodicOutput);
    SetMinimumInputs(0);
    InitIcon(Position().left, Position().top, 0, 1, kTypeCode, false, true, false);
}

void CPeriodicOutputIcon::BuildConnectors() { CreateConnectors(false, data_type::kLogic, false, false); }

std::unique_ptr<IconDialog> CPeriodicOutputIcon::CreateIconDialog()
{
    // The dialog's range and rounding notices reach the user through the net's program.
    CNetDoc* net = NetDocument();
    return std::make_unique<CPeriodicOutputDialog>(*this, net != nullptr ? &net->Services().Notices() : nullptr);
}

void CPeriodicOutputIcon::Layout()
{
    Header().length = kRecordLength;
    BuildConnectors();
    CFunctionIcon::Layout();
}

int CPeriodicOutputIcon::CheckIconConnections(bool& isolated) const
{
    return CheckConnections(isolated, false, false, false, 0, true, false);
}

void CPeriodicOutputIcon::CopyFixedPart(RecordTransfer& t)
{
    t.U16(options_, "option word");
    t.U32(delay_, "initial delay");
    t.U32(on_, "ON duration");
    t.U32(off_, "OFF duration");
    t.U16(cycles_, "cycles");
}

}  // namespace corvane
