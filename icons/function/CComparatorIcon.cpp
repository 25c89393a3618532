#include "icons/function/CComparatorIcon.h"

#include "icons/function/CComparatorDialog.h"
#include "icons/function/CWinCompareDialog.h"
#include "netmodel/RecordTransfer.h"
#include "res/ResourceIds.h"

#include <utility>

namespace corvane {

CComparatorIcon::CComparatorIcon()
{
    SetBitmapId(res::kBitmapComparator);
}

CComparatorIcon::CComparatorIcon(const Rect& position, int paletteBitmap) : CFunctionIcon(position)
{
    const bool window = paletteBitmap == res::kBitmapWindowComparator;
    SetBitmapId(window ? res::kBitmapWindowComparator : res::kBitmapComparator);
    mode_ = window ? kWindowBit : 0;
    SetName("Compare");
    InitIcon(Position().left, Position().top, window ? 3 : 2, 1, kTypeCode, false, true, false);
}

bool CComparatorIcon::IsWindow() const
{
    return BitmapId() == res::kBitmapWindowComparator;
}

void CComparatorIcon::SetHysteresis(bool on, float amount)
{
    mode_ = static_cast<std::uint16_t>(on ? (mode_ | kHysteresisBit) : (mode_ & ~kHysteresisBit));
    hysteresis_ = amount;
}

void CComparatorIcon::SetLowBetween(bool low)
{
    mode_ = static_cast<std::uint16_t>(low ? (mode_ | kLowBetweenBit) : (mode_ & ~kLowBetweenBit));
}

void CComparatorIcon::SwapInputs()
{
    if (TotalInputs() < 2)
        return;
    InputLink& first = *RecordLink(0);
    InputLink& second = *RecordLink(1);
    std::swap(first.sourceId, second.sourceId);
    std::swap(first.sourceOutput, second.sourceOutput);
    LinkAllConnectors();
}

int CComparatorIcon::HitTestConnect(Point point, const NetObjectView* view, CConnector* peer, CCorvaneIcon* peerIcon)
{
    const int code = CFunctionIcon::HitTestConnect(point, view, peer, peerIcon);
    if (code != connector_hit::kInput)
        return code;
    const CConnector* dragged = DraggedConnector();
    if (IsWindow()) {
        if (dragged == &Input(kHighThreshold))
            return kHitHighThreshold;
        if (dragged == &Input(kLowThreshold))
            return kHitLowThreshold;
        return code;
    }
    if (dragged == &Input(0))
        return kHitPlusInput;
    if (dragged == &Input(1))
        return kHitMinusInput;
    return code;
}

void CComparatorIcon::ApplySubtype(std::uint16_t subtype)
{
    SetBitmapId(subtype != 0 ? res::kBitmapWindowComparator : res::kBitmapComparator);
}

void CComparatorIcon::BuildConnectors()
{
    CreateConnectors(true, data_type::kData, true, false);
    CreateConnectors(false, data_type::kLogic, false, false);
}

std::unique_ptr<IconDialog> CComparatorIcon::CreateIconDialog()
{
    if (IsWindow())
        return std::make_unique<CWinCompareDialog>(*this);
    return std::make_unique<CComparatorDialog>(*this);
}

void CComparatorIcon::Layout()
{
    Header().length = kFixedLength;
    BuildConnectors();
    CFunctionIcon::Layout();
}

int CComparatorIcon::CheckIconConnections(bool& isolated) const
{
    return CheckConnections(isolated, false, false, false, 2, true, false);
}

void CComparatorIcon::CopyFixedPart(RecordTransfer& transfer)
{
    transfer.U16(mode_, "comparator mode");
    transfer.F32(hysteresis_, "hysteresis");
}

}  // namespace corvane
