#include "icons/function/CSampleRateClockIcon.h"

#include "icons/function/CSampleRateClockDialog.h"
#include "netmodel/RecordTransfer.h"
#include "res/ResourceIds.h"

#include <algorithm>

namespace corvane {

CSampleRateClockIcon::CSampleRateClockIcon()
{
    Init();
}

CSampleRateClockIcon::CSampleRateClockIcon(const Rect& position) : CFunctionIcon(position)
{
    Init();
}

void CSampleRateClockIcon::Init()
{
    SetName("Trigger");
    SetBitmapId(res::kBitmapSampleRateClock);
    // A compiled image drops the selector when nothing feeds it.
    SetCompaction(true);
    SetMinimumInputs(0);
    InitIcon(Position().left, Position().top, 1, 1, kTypeCode, false, true, false);
}

bool CSampleRateClockIcon::IsAlternateLinked() const
{
    const auto links = GetInputLinks();
    return !links.empty() && links[0].IsConnected() && FindIconById(links[0].sourceId) != nullptr;
}

void CSampleRateClockIcon::BuildConnectors()
{
    // A compiled record may have dropped the selector: the icon always has it.
    if (InputCount() < 1)
        SetCounts(1, OutputCount());
    CreateConnectors(true, data_type::kLogic, false, false);
    // On the right, as every output (the kind alone would place it left).
    const Point at = GetConnectorPoint(1, 1, connector_kind::kOutput);
    Output(0) = COutput(connector_kind::kTriggerOutput, true, true, at, data_type::kLogic, this);
}

std::unique_ptr<IconDialog> CSampleRateClockIcon::CreateIconDialog()
{
    return std::make_unique<CSampleRateClockDialog>(*this);
}

void CSampleRateClockIcon::Layout()
{
    Header().length = kRecordLength;
    BuildConnectors();
    CFunctionIcon::Layout();
}

int CSampleRateClockIcon::CheckIconConnections(bool& isolated) const
{
    return CheckConnections(isolated, false, false, false, 0, false, true);
}

void CSampleRateClockIcon::CopyFixedPart(RecordTransfer& t)
{
    t.U32(interval_, "interval");
    t.U32(alternate_, "alternate interval");
}

}  // namespace corvane
