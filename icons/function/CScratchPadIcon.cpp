#include "icons/function/CScratchPadIcon.h"

#include "icons/function/CScratchPadIconDialog.h"
#include "netmodel/RecordTransfer.h"
#include "res/ResourceIds.h"

#include <cstdlib>

namespace corvane {
namespace {

constexpr int kDataInputs = 3;

}  // namespace

CScratchPadIcon::CScratchPadIcon() { Init(); }

CScratchPadIcon::CScratchPadIcon(const Rect& position) : CFunctionIcon(position) { Init(); }

void CScratchPadIcon::Init()
{
    SetName("Scratchpad");
    SetBitmapId(res::kBitmapScratchpad);
    InitIcon(Position().left, Position().top, kDataInputs, 1, kTypeCode, false, true, false);
}

void CScratchPadIcon::SetFlags(std::uint8_t flags)
{
    const bool wasRead = IsReadMode();
    flags_ = flags;
    if (wasRead == IsReadMode())
        return;
    if (IsReadMode()) {
        for (int i = 0; i < TotalInputs(); ++i)
            DisconnectInput(i);
    } else {
        DisconnectInput(kTriggerSlot);
        for (int i = 0; i < OutputCount(); ++i)
            DisconnectOutput(i);
    }
    BuildConnectors();
    LayoutConnectors();
}

bool CScratchPadIcon::Offers(const CConnector* connector)
{
    if (connector == nullptr)
        return true;
    for (int i = 0; i < TotalInputs(); ++i)
        if (connector == &Input(i))
            return !IsReadMode();
    for (int i = 0; i < OutputCount(); ++i)
        if (connector == &Output(i))
            return IsReadMode();
    return true;
}

int CScratchPadIcon::HitTestConnect(Point point, const NetObjectView* view, CConnector* peer, CCorvaneIcon* peerIcon)
{
    if (peerIcon == this)
        return 0;
    // At or left of the left edge, a link from an output takes the input
    // nearest in height.
    if (!IsReadMode() && (peer == nullptr || !peer->IsInput()) && point.x <= Position().left) {
        int nearest = 0;
        for (int i = 1; i < TotalInputs(); ++i)
            if (std::abs(point.y - Input(i).HotRect().Centre().y)
                < std::abs(point.y - Input(nearest).HotRect().Centre().y))
                nearest = i;
        SetDraggedConnector(&Input(nearest));
        return connector_hit::kInput;
    }
    const int code = CFunctionIcon::HitTestConnect(point, view, peer, peerIcon);
    const bool connector = code == connector_hit::kInput || code == connector_hit::kOutput;
    return connector && !Offers(DraggedConnector()) ? 0 : code;
}

void CScratchPadIcon::BuildConnectors()
{
    const bool read = IsReadMode();
    for (int i = 0; i < kDataInputs; ++i)
        Input(i) = CInput(connector_kind::kDataInput, !read, false,
            GetConnectorPoint(i + 1, kDataInputs, connector_kind::kDataInput), data_type::kData, this);
    Output(0) = COutput(
        connector_kind::kOutput, read, false, GetConnectorPoint(1, 3, connector_kind::kOutput), data_type::kData, this);
    TriggerInput().SetActive(read);
}

std::unique_ptr<IconDialog> CScratchPadIcon::CreateIconDialog()
{
    return std::make_unique<CScratchPadIconDialog>(*this);
}

void CScratchPadIcon::Layout()
{
    Header().length = kRecordLength;
    BuildConnectors();
    CFunctionIcon::Layout();
}

int CScratchPadIcon::CheckIconConnections(bool& isolated) const
{
    return CheckConnections(isolated, false, false, false, 0, false, true);
}

void CScratchPadIcon::CopyFixedPart(RecordTransfer& t)
{
    t.U8(flags_, "flags");
    t.U8(register_, "register");
    t.F32(initial_, "initial value");
}

}  // namespace corvane
