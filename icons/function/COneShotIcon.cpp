#include "icons/function/COneShotIcon.h"

#include "icons/function/COneShotDialog.h"
#include "netmodel/RecordTransfer.h"
#include "res/ResourceIds.h"

namespace corvane {

COneShotIcon::COneShotIcon()
{
    Init();
}

COneShotIcon::COneShotIcon(const Rect& position) : CFunctionIcon(position)
{
    Init();
}

void COneShotIcon::Init()
{
    SetName("One Shot");
    SetBitmapId(res::kBitmapOneShot);
    InitIcon(Position().left, Position().top, 1, 1, kTypeCode, false, true, false);
}

void COneShotIcon::BuildConnectors()
{
    CreateConnectors(true, data_type::kLogic, false, false);
    // Two output places, the second unsettled; the record keeps one output.
    CreateConnectors(false, data_type::kLogic, false, true);
}

std::unique_ptr<IconDialog> COneShotIcon::CreateIconDialog()
{
    return std::make_unique<COneShotDialog>(*this);
}

void COneShotIcon::Layout()
{
    Header().length = kRecordLength;
    BuildConnectors();
    CFunctionIcon::Layout();
}

int COneShotIcon::CheckIconConnections(bool& isolated) const
{
    return CheckConnections(isolated, false, false, false, 1, true, false);
}

void COneShotIcon::CopyFixedPart(RecordTransfer& t)
{
    t.U16(options_, "option word");
    t.U16(reserved_, "reserved");
    t.U32(delay_, "trigger delay");
    t.U32(duration_, "output duration");
}

}  // namespace corvane
