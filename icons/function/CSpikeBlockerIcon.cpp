#include "icons/function/CSpikeBlockerIcon.h"

#include "icons/function/CSpikeDialog.h"
#include "netmodel/RecordTransfer.h"
#include "res/ResourceIds.h"

namespace corvane {

CSpikeBlockerIcon::CSpikeBlockerIcon() { Init(); }

CSpikeBlockerIcon::CSpikeBlockerIcon(const Rect& position) : CFunctionIcon(position) { Init(); }

void CSpikeBlockerIcon::Init()
{
    SetName("Transient Filter");
    SetBitmapId(res::kBitmapTransientFilter);
    InitIcon(Position().left, Position().top, 1, 1, kTypeCode, false, true, false);
}

void CSpikeBlockerIcon::BuildConnectors()
{
    CreateConnectors(true, data_type::kData, false, false);
    Output(0) = COutput(
        connector_kind::kOutput, true, false, GetConnectorPoint(1, 1, connector_kind::kOutput), data_type::kData, this);
}

std::unique_ptr<IconDialog> CSpikeBlockerIcon::CreateIconDialog() { return std::make_unique<CSpikeDialog>(*this); }

void CSpikeBlockerIcon::Layout()
{
    Header().length = kRecordLength;
    stepCount_ = kDefaultStepCount;
    magnitude_ = kDefaultMagnitude;
    BuildConnectors();
    CFunctionIcon::Layout();
}

int CSpikeBlockerIcon::CheckIconConnections(bool& isolated) const
{
    return CheckConnections(isolated, false, false, false, 1, true, false);
}

void CSpikeBlockerIcon::CopyFixedPart(RecordTransfer& t)
{
    t.U16(stepCount_, "step-change count");
    t.F32(magnitude_, "transient magnitude");
}

}  // namespace corvane
