#include "netmodel/CConnector.h"

#include "netmodel/ConnectorTypes.h"
#include "netmodel/NetDrawing.h"
#include "platform/DeviceContext.h"

namespace corvane {
namespace {

constexpr Size kHotSize{8, 5};
constexpr Size kTriggerHotSize{5, 8};
constexpr int kHitSlackX = 5;
constexpr int kHitSlackY = 2;
constexpr int kHighlightWidth = 3;

}  // namespace

CConnector::CConnector(int kind, bool active, bool trigger, Point position, int dataType, CCorvaneIcon* owner)
    : position_(position), kind_(kind), owner_(owner), active_(active), trigger_(trigger),
      dataType_(active ? dataType : 0)
{
}

void CConnector::SetHotRect(Point documentPoint)
{
    hot_ = Rect::FromPointAndSize(documentPoint, trigger_ ? kTriggerHotSize : kHotSize);
}

bool CConnector::HitTest(Point point) const
{
    if (!active_)
        return false;
    const Rect r = hot_.Inflated(kHitSlackX, kHitSlackY);
    return point.x >= r.left && point.x <= r.right && point.y >= r.top && point.y <= r.bottom;
}

Point CConnector::GetLinkAnchorPoint() const
{
    Point anchor = hot_.Centre();
    if (position_.y < 0)
        anchor.y -= 5;
    else if (position_.y > 31)
        anchor.y += 4;
    else if (position_.x > 31)
        anchor.x += 3;
    else if (position_.x < 0)
        anchor.x -= 5;
    return anchor;
}

void CConnector::DrawConnector(DeviceContext& dc) const
{
    const RgbColour colour = ConnectorColour(GetDataType(), kind_ == connector_kind::kTriggerInput);
    const Pen oldPen = dc.SelectPen(SolidPen(colour));
    const Brush oldBrush = dc.SelectBrush(SolidBrush(colour));
    dc.Rectangle(hot_);
    if (highlight_) {
        dc.SelectPen(SolidPen(RgbFromStoredColour(kConnectorBlue), kHighlightWidth));
        dc.SelectBrush(NullBrush());
        dc.Rectangle(hot_.Inflated(1, 1));
    }
    dc.SelectBrush(oldBrush);
    dc.SelectPen(oldPen);
}

void CConnector::CopyShape(const CConnector& other)
{
    position_ = other.position_;
    kind_ = other.kind_;
    active_ = other.active_;
    trigger_ = other.trigger_;
    hot_ = other.hot_;
    dataType_ = other.dataType_;
    highlight_ = other.highlight_;
}

}  // namespace corvane
