#include "icons/function/CFlipFlopIcon.h"

#include "icons/function/CFlipFlopDialog.h"
#include "netmodel/RecordTransfer.h"
#include "res/ResourceIds.h"

namespace corvane {

CFlipFlopIcon::CFlipFlopIcon()
{
    SetBitmapId(res::kBitmapFlipFlop);
}

CFlipFlopIcon::CFlipFlopIcon(const Rect& position) : CFunctionIcon(position), mode_(kPlacedMode)
{
    SetBitmapId(res::kBitmapFlipFlop);
    SetName("FlipFlop");
    InitIcon(Position().left, Position().top, 2, 1, kTypeCode, false, false, false);
}

void CFlipFlopIcon::SetChoices(bool setHigh, bool resetHigh, bool bothHigh, bool edgeBased)
{
    constexpr unsigned kChoiceBits = kSetHigh | kResetHigh | kBothHigh | kEdgeBased;
    unsigned mode = mode_ & ~kChoiceBits;
    mode |= setHigh ? kSetHigh : 0u;
    mode |= resetHigh ? kResetHigh : 0u;
    mode |= bothHigh ? kBothHigh : 0u;
    mode |= edgeBased ? kEdgeBased : 0u;
    mode_ = static_cast<std::uint16_t>(mode);
}

int CFlipFlopIcon::HitTestConnect(Point point, const NetObjectView* view, CConnector* peer, CCorvaneIcon* peerIcon)
{
    const int code = CFunctionIcon::HitTestConnect(point, view, peer, peerIcon);
    if (code != connector_hit::kInput)
        return code;
    if (DraggedConnector() == &Input(kSetInput))
        return kHitSetInput;
    if (DraggedConnector() == &Input(kResetInput))
        return kHitResetInput;
    return code;
}

void CFlipFlopIcon::BuildConnectors()
{
    CreateConnectors(true, data_type::kLogic, true, false);
    CreateConnectors(false, data_type::kLogic, false, false);
}

std::unique_ptr<IconDialog> CFlipFlopIcon::CreateIconDialog()
{
    return std::make_unique<CFlipFlopDialog>(*this);
}

void CFlipFlopIcon::Layout()
{
    Header().length = kFixedLength;
    BuildConnectors();
    CFunctionIcon::Layout();
}

int CFlipFlopIcon::CheckIconConnections(bool& isolated) const
{
    const int missing = CheckConnections(isolated, false, false, false, 1, true, false);
    // An icon with no connection at all is reported as such, alone.
    if (missing == missing_connection::kIsolated)
        return missing;
    const std::uint16_t setSource = TotalInputs() > kSetInput ? GetInputLinks()[kSetInput].sourceId : 0;
    const bool setLinked = setSource != 0 && FindIconById(setSource) != nullptr;
    return setLinked ? missing : missing | kMissingSetInput;
}

void CFlipFlopIcon::CopyFixedPart(RecordTransfer& transfer)
{
    transfer.U16(mode_, "flip-flop mode");
}

}  // namespace corvane
