#include "icons/function/CRateOfChangeIcon.h"

#include "icons/function/CRateOfChangeDialog.h"
#include "netmodel/RecordTransfer.h"
#include "res/ResourceIds.h"

#include <algorithm>

namespace corvane {

CRateOfChangeIcon::CRateOfChangeIcon()
{
    Init();
}

CRateOfChangeIcon::CRateOfChangeIcon(const Rect& position) : CFunctionIcon(position)
{
    Init();
}

void CRateOfChangeIcon::Init()
{
    SetName("ROC");
    SetBitmapId(res::kBitmapRateOfChange);
    InitIcon(Position().left, Position().top, 1, 1, kTypeCode, false, false, false);
}

void CRateOfChangeIcon::SetUnitIndex(int index)
{
    unitWord_ = static_cast<std::uint16_t>(std::clamp(index, 0, 3) << kUnitShift);
}

void CRateOfChangeIcon::BuildConnectors()
{
    CreateConnectors(true, data_type::kData, false, false);
    CreateConnectors(false, data_type::kData, false, false);
}

std::unique_ptr<IconDialog> CRateOfChangeIcon::CreateIconDialog()
{
    return std::make_unique<CRateOfChangeDialog>(*this);
}

void CRateOfChangeIcon::Layout()
{
    Header().length = kRecordLength;
    unitWord_ = 0;
    samples_ = kDefaultSamples;
    BuildConnectors();
    CFunctionIcon::Layout();
    SetLabelFlags(LabelFlags() | label_flag::kKeepExisting);
}

int CRateOfChangeIcon::CheckIconConnections(bool& isolated) const
{
    return CheckConnections(isolated, false, false, false, 1, true, false);
}

void CRateOfChangeIcon::CopyFixedPart(RecordTransfer& transfer)
{
    transfer.U16(unitWord_, "rate unit");
    transfer.U16(samples_, "sample intervals");
}

}  // namespace corvane
