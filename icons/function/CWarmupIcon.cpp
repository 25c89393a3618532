#include "icons/function/CWarmupIcon.h"

#include "icons/function/CWarmupDialog.h"
#include "netmodel/RecordTransfer.h"
#include "res/ResourceIds.h"

namespace corvane {

CWarmupIcon::CWarmupIcon() { Init(); }

CWarmupIcon::CWarmupIcon(const Rect& position) : CFunctionIcon(position) { Init(); }

void CWarmupIcon::Init()
{
    SetName("Warmup");
    SetBitmapId(res::kBitmapWarmup);
    SetMinimumInputs(0);
    InitIcon(Position().left, Position().top, 0, 2, kTypeCode, true, true, false);
}

void CWarmupIcon::SetUnitsText(std::string_view text)
{
    if (OutputCount() > kLogicOutput)
        SetOutputData(GetOutputEntries()[kLogicOutput], text);
}

void CWarmupIcon::BuildConnectors()
{
    const Point at = GetConnectorPoint(1, 1, connector_kind::kOutput);
    Output(kTriggerOutput) = COutput(connector_kind::kTriggerOutput, true, true, at, data_type::kLogic, this);
    Output(kLogicOutput) = COutput(connector_kind::kOutput, true, false, at, data_type::kLogic, this);
}

std::unique_ptr<IconDialog> CWarmupIcon::CreateIconDialog() { return std::make_unique<CWarmupDialog>(*this); }

void CWarmupIcon::Layout()
{
    Header().length = kRecordLength;
    delay_ = kDefaultDelay;
    BuildConnectors();
    CFunctionIcon::Layout();
}

int CWarmupIcon::CheckIconConnections(bool& isolated) const
{
    return CheckConnections(isolated, false, true, false, 0, true, false);
}

void CWarmupIcon::CopyFixedPart(RecordTransfer& t) { t.U32(delay_, "delay"); }

}  // namespace corvane
