#include "icons/function/CMaxMinAvgSumIcon.h"

#include "icons/function/CMaxMinAvgSumDialog.h"
#include "netmodel/RecordTransfer.h"
#include "res/ResourceIds.h"

#include <cstdlib>

namespace corvane {
namespace {

struct KindInfo {
    int bitmapId;
    std::string_view caption;
    std::uint32_t helpContext;
};

KindInfo InfoOf(CMaxMinAvgSumIcon::Kind kind)
{
    switch (kind) {
    case CMaxMinAvgSumIcon::Kind::Sum: return {res::kBitmapSummation, "Sum", 791};
    case CMaxMinAvgSumIcon::Kind::Average: return {res::kBitmapAverage, "Avg", 761};
    case CMaxMinAvgSumIcon::Kind::MinMax: break;
    }
    return {res::kBitmapMinMax, "Min/Max", 661};
}

int RecordOutputs(CMaxMinAvgSumIcon::Kind kind) { return kind == CMaxMinAvgSumIcon::Kind::MinMax ? 4 : 3; }

}  // namespace

CMaxMinAvgSumIcon::CMaxMinAvgSumIcon(Kind kind) : kind_(kind) { Init(); }

CMaxMinAvgSumIcon::CMaxMinAvgSumIcon(const Rect& position, Kind kind) : CFunctionIcon(position), kind_(kind) { Init(); }

void CMaxMinAvgSumIcon::Init()
{
    SetKind(kind_);
    SetName(KindCaption());
    InitIcon(Position().left, Position().top, 1, RecordOutputs(kind_), kTypeCode, false, true, false);
}

std::optional<CMaxMinAvgSumIcon::Kind> CMaxMinAvgSumIcon::KindOfOptions(std::uint16_t options)
{
    if ((options & kMinMaxBits) != 0)
        return Kind::MinMax;
    if ((options & kSumBits) != 0)
        return Kind::Sum;
    if ((options & kAverageBits) != 0)
        return Kind::Average;
    return std::nullopt;
}

std::uint16_t CMaxMinAvgSumIcon::KindBits(Kind kind)
{
    switch (kind) {
    case Kind::Sum: return kSumBits;
    case Kind::Average: return kAverageBits;
    case Kind::MinMax: break;
    }
    return kMinMaxBits;
}

void CMaxMinAvgSumIcon::SetKind(Kind kind)
{
    kind_ = kind;
    SetBitmapId(InfoOf(kind).bitmapId);
}

std::uint32_t CMaxMinAvgSumIcon::HelpContext() const { return InfoOf(kind_).helpContext; }

std::string_view CMaxMinAvgSumIcon::KindCaption() const { return InfoOf(kind_).caption; }

void CMaxMinAvgSumIcon::SetSampleCount(std::uint16_t count)
{
    sampleCount_ = count;
    if (count != 0)
        DisconnectInput(kTriggerSlot);
    TriggerInput().SetActive(count == 0);
}

int CMaxMinAvgSumIcon::HitTestConnect(Point point, const NetObjectView* view, CConnector* peer, CCorvaneIcon* peerIcon)
{
    if (peerIcon == this)
        return 0;
    // At or beyond the right edge, a link from an input takes the offered
    // output nearest in height.
    if ((peer == nullptr || peer->IsInput()) && point.x >= Position().right) {
        int nearest = 0;
        for (int i = 1; i < OfferedOutputs() && i < OutputCount(); ++i)
            if (std::abs(point.y - Output(i).HotRect().Centre().y)
                < std::abs(point.y - Output(nearest).HotRect().Centre().y))
                nearest = i;
        SetDraggedConnector(&Output(nearest));
        return connector_hit::kOutput;
    }
    const int code = CFunctionIcon::HitTestConnect(point, view, peer, peerIcon);
    // The record's further outputs are not offered.
    if (code == connector_hit::kOutput)
        for (int i = OfferedOutputs(); i < OutputCount(); ++i)
            if (DraggedConnector() == &Output(i))
                return 0;
    return code;
}

void CMaxMinAvgSumIcon::ApplySubtype(std::uint16_t subtype)
{
    if (const std::optional<Kind> kind = KindOfOptions(subtype))
        SetKind(*kind);
}

void CMaxMinAvgSumIcon::BuildConnectors()
{
    CreateConnectors(true, data_type::kData, false, false);
    CreateConnectors(false, data_type::kData, kind_ == Kind::MinMax, false);
    TriggerInput().SetActive(sampleCount_ == 0);
}

std::unique_ptr<IconDialog> CMaxMinAvgSumIcon::CreateIconDialog()
{
    return std::make_unique<CMaxMinAvgSumDialog>(*this);
}

void CMaxMinAvgSumIcon::Layout()
{
    Header().length = kRecordLength;
    options_ = static_cast<std::uint16_t>(KindBits(kind_) | kDefaultOptions);
    sampleCount_ = kDefaultSampleCount;
    BuildConnectors();
    CFunctionIcon::Layout();
}

int CMaxMinAvgSumIcon::CheckIconConnections(bool& isolated) const
{
    return CheckConnections(isolated, false, sampleCount_ == 0, false, 1, true, false);
}

void CMaxMinAvgSumIcon::CopyFixedPart(RecordTransfer& t)
{
    t.U16(options_, "option word");
    t.U16(sampleCount_, "sample count");
}

}  // namespace corvane
