#include "icons/function/CSSClockIcon.h"

#include "icons/function/CSSClockDialog.h"
#include "netmodel/RecordTransfer.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "res/ResourceIds.h"

namespace corvane {

CSSClockIcon::CSSClockIcon()
{
    Init();
}

CSSClockIcon::CSSClockIcon(const Rect& position) : CFunctionIcon(position)
{
    // The record keeps the low 32 bits of the calendar time.
    const auto now = static_cast<std::uint32_t>(Application::Instance().GetClock().CalendarSeconds());
    first_ = now;
    second_ = now;
    Init();
}

void CSSClockIcon::Init()
{
    SetName("SSClock");
    SetBitmapId(res::kBitmapStartStopClock);
    SetMinimumInputs(0);
    InitIcon(Position().left, Position().top, 0, 1, kTypeCode, false, true, false);
}

void CSSClockIcon::BuildConnectors()
{
    CreateConnectors(true, data_type::kData, false, false);
    const Point at = GetConnectorPoint(1, 1, connector_kind::kOutput);
    Output(0) = COutput(connector_kind::kTriggerOutput, true, false, at, data_type::kLogic, this);
}

std::unique_ptr<IconDialog> CSSClockIcon::CreateIconDialog()
{
    return std::make_unique<CSSClockDialog>(*this);
}

void CSSClockIcon::Layout()
{
    Header().length = kRecordLength;
    BuildConnectors();
    CFunctionIcon::Layout();
}

int CSSClockIcon::CheckIconConnections(bool& isolated) const
{
    return CheckConnections(isolated, false, false, false, 0, true, false);
}

void CSSClockIcon::CopyFixedPart(RecordTransfer& t)
{
    t.U16(mode_, "mode word");
    t.U32(first_, "start or delay");
    t.U32(second_, "stop or HIGH time");
}

}  // namespace corvane
