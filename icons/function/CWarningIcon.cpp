#include "icons/function/CWarningIcon.h"

#include "icons/function/CWarningDialog.h"
#include "netmodel/RecordTransfer.h"
#include "res/ResourceIds.h"

namespace corvane {

CWarningIcon::CWarningIcon()
{
    Init();
}

CWarningIcon::CWarningIcon(const Rect& position) : CFunctionIcon(position)
{
    Init();
}

void CWarningIcon::Init()
{
    SetName("Warning");
    SetBitmapId(res::kBitmapWarning);
    SetMinimumInputs(0);
    InitIcon(Position().left, Position().top, 0, 1, kTypeCode, false, true, false);
}

void CWarningIcon::BuildConnectors()
{
    CreateConnectors(false, data_type::kLogic, false, false);
}

std::unique_ptr<IconDialog> CWarningIcon::CreateIconDialog()
{
    return std::make_unique<CWarningDialog>(*this);
}

void CWarningIcon::Layout()
{
    Header().length = kRecordLength;
    BuildConnectors();
    conditions_ = 0;
    percentage_ = kDefaultPercentage;
    CFunctionIcon::Layout();
}

int CWarningIcon::CheckIconConnections(bool& isolated) const
{
    return CheckConnections(isolated, false, false, false, 0, true, false);
}

void CWarningIcon::CopyFixedPart(RecordTransfer& t)
{
    t.U16(conditions_, "condition word");
    t.U8(percentage_, "memory percentage");
    t.U8(reserved_, "reserved");
}

}  // namespace corvane
