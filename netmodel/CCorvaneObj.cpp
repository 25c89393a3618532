#include "netmodel/CCorvaneObj.h"

#include "netmodel/CCorvaneDoc.h"
#include "netmodel/NetObjectView.h"
#include "platform/DeviceContext.h"
#include "platform/Region.h"

#include <array>
#include <cstdlib>

namespace corvane {
namespace {

constexpr int kHandleZone = 4;        // pixels from an edge that grab a handle
constexpr int kHandleSquare = 8;      // side of a drawn handle square
constexpr int kOutlineMargin = 2;     // the outline starts this far out
constexpr int kOutlineWidth = 34;
constexpr int kOutlineHeight = 34;
constexpr int kTallOutlineHeight = 66;
constexpr Size kOutlineSegment{11, 15};
constexpr std::uint32_t kSelectionColour = 0xFF0000;
constexpr int kSelectionPenWidth = 4;

bool ContainsInclusive(const Rect& r, Point p)
{
    const Rect n = r.Normalized();
    return p.x >= n.left && p.x <= n.right && p.y >= n.top && p.y <= n.bottom;
}

// Handles 3 and up of a line all stand for its end point.
int LineHandle(unsigned type, int handle)
{
    return type == object_type::kLine && handle > 2 ? 6 : handle;
}

}  // namespace

CCorvaneObj::CCorvaneObj(const Rect& position) : position_(position) {}

ObjectRecord CCorvaneObj::ToRecord() const
{
    ObjectRecord record;
    record.left = position_.left;
    record.top = position_.top;
    record.right = position_.right;
    record.bottom = position_.bottom;
    record.type = static_cast<std::uint16_t>(type_);
    record.penOn = penOn_ ? 1 : 0;
    record.penStyle = penStyle_;
    record.penWidthX = penWidthX_;
    record.penWidthY = penWidthY_;
    record.penColour = penColour_;
    record.brushOn = brushOn_ ? 1 : 0;
    record.brushStyle = brushStyle_;
    record.brushColour = brushColour_;
    record.brushHatch = brushHatch_;
    return record;
}

void CCorvaneObj::FromRecord(const ObjectRecord& record)
{
    position_ = {record.left, record.top, record.right, record.bottom};
    type_ = record.type;
    penOn_ = record.penOn != 0;
    penStyle_ = record.penStyle;
    penWidthX_ = record.penWidthX;
    penWidthY_ = record.penWidthY;
    penColour_ = record.penColour;
    brushOn_ = record.brushOn != 0;
    brushStyle_ = record.brushStyle;
    brushColour_ = record.brushColour;
    brushHatch_ = record.brushHatch;
}

Pen CCorvaneObj::DrawingPen() const
{
    if (!penOn_)
        return NullPen();
    // Stored styles: 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot,
    // 5 none, 6 inside the frame (drawn solid).
    static constexpr std::array kStyles{PenStyle::Solid, PenStyle::Dash, PenStyle::Dot, PenStyle::DashDot,
        PenStyle::DashDotDot, PenStyle::None, PenStyle::Solid};
    const PenStyle style = penStyle_ < kStyles.size() ? kStyles[penStyle_] : PenStyle::Solid;
    return {style, penWidthX_ < 0 ? 0 : penWidthX_, RgbFromStoredColour(penColour_)};
}

Brush CCorvaneObj::DrawingBrush() const
{
    // Stored styles: 0 solid, 1 hollow, 2 hatched.
    if (!brushOn_ || brushStyle_ == 1)
        return NullBrush();
    if (brushStyle_ == 2) {
        static constexpr std::array kHatches{HatchStyle::Horizontal, HatchStyle::Vertical,
            HatchStyle::ForwardDiagonal, HatchStyle::BackwardDiagonal, HatchStyle::Cross, HatchStyle::DiagonalCross};
        const HatchStyle hatch = brushHatch_ < kHatches.size() ? kHatches[brushHatch_] : HatchStyle::Horizontal;
        return {BrushStyle::Hatched, RgbFromStoredColour(brushColour_), hatch};
    }
    return SolidBrush(RgbFromStoredColour(brushColour_));
}

int CCorvaneObj::GetHandleCount() const
{
    return type_ == object_type::kLine ? 2 : 8;
}

Point CCorvaneObj::GetHandle(int handle) const
{
    const Rect& r = position_;
    const int centreX = r.left + r.Width() / 2;
    const int centreY = r.top + r.Height() / 2;
    switch (LineHandle(type_, handle)) {
    case 2: return {r.left, r.top};
    case 3: return {centreX, r.top};
    case 4: return {r.right, r.top};
    case 5: return {r.right, centreY};
    case 6: return {r.right, r.bottom};
    case 7: return {centreX, r.bottom};
    case 8: return {r.left, r.bottom};
    case 9: return {r.left, centreY};
    default: return {centreX, centreY};
    }
}

int CCorvaneObj::GetHandleCursor(int hitCode) const
{
    if (hitCode == 0)
        return object_cursor::kArrow;
    if (drawOutline_)
        return object_cursor::kMove;
    if (drawHandles_)
        return object_cursor::kSizeAll;
    return object_cursor::kArrow;
}

void CCorvaneObj::Draw(DeviceContext& /*dc*/, BitmapCatalog& /*pictures*/) {}

void CCorvaneObj::DrawTracker(DeviceContext& dc, TrackerState state) const
{
    if (state != TrackerState::Selected && state != TrackerState::Active)
        return;
    if (drawHandles_) {
        for (int handle = 1; handle <= GetHandleCount(); ++handle) {
            const Point h = GetHandle(handle);
            dc.PatternBlt(Rect::FromPointAndSize({h.x - kHandleSquare / 2, h.y - kHandleSquare / 2},
                              {kHandleSquare, kHandleSquare}),
                RasterOp::DestInvert);
        }
        return;
    }
    if (!drawOutline_)
        return;
    const Pen oldPen = dc.SelectPen(SolidPen(RgbFromStoredColour(kSelectionColour), kSelectionPenWidth));
    const Brush oldBrush = dc.SelectBrush(NullBrush());
    const Point corner = GetHandle(2) - Point{kOutlineMargin, kOutlineMargin};
    if (HasOutlineSegment())
        dc.Rectangle(Rect::FromPointAndSize(corner, kOutlineSegment));
    const int height = DrawsTallOutline() ? kTallOutlineHeight : kOutlineHeight;
    dc.Rectangle(Rect::FromPointAndSize(corner, {kOutlineWidth, height}));
    dc.SelectBrush(oldBrush);
    dc.SelectPen(oldPen);
}

void CCorvaneObj::MoveTo(const Rect& position, NetObjectView* view)
{
    if (position == position_)
        return;
    const auto invalidate = [&] {
        if (view != nullptr)
            view->InvalidateObject(*this);
        else if (owner_ != nullptr)
            owner_->InvalidateInViews(*this);
    };
    invalidate();
    position_ = position;
    invalidate();
    if (owner_ != nullptr)
        owner_->SetModified(true);
}

bool CCorvaneObj::IsOnlySelection(const NetObjectView& view) const
{
    return drawHandles_ && view.SelectionCount() == 1 && view.IsSelected(*this);
}

int CCorvaneObj::HitTestHandles(Point point, const NetObjectView* view) const
{
    if (!ContainsInclusive(position_, point))
        return 0;
    if (view == nullptr || !IsOnlySelection(*view))
        return 1;
    const Rect r = position_.Normalized();
    // 0 left/top, 1 middle, 2 right/bottom.
    const int column = point.x - r.left <= kHandleZone ? 0 : (r.right - point.x <= kHandleZone ? 2 : 1);
    const int row = point.y - r.top <= kHandleZone ? 0 : (r.bottom - point.y <= kHandleZone ? 2 : 1);
    static constexpr int kCodes[3][3] = {{2, 3, 4}, {9, 1, 5}, {8, 7, 6}};
    return kCodes[row][column];
}

bool CCorvaneObj::Intersects(const Rect& rect) const
{
    switch (type_) {
    case object_type::kRectangle:
    case object_type::kNotHitTestable: return false;
    case object_type::kLine: return IntersectsLine(rect);
    case object_type::kIconOrControl: return IntersectsRect(rect);
    default: return IntersectsRegion(rect);
    }
}

bool CCorvaneObj::IntersectsRect(const Rect& rect) const
{
    return position_.Normalized().Intersects(rect.Normalized());
}

bool CCorvaneObj::IntersectsLine(const Rect& rect) const
{
    const Point from = position_.TopLeft();
    const Point to = position_.BottomRight();
    const int widenX = (penWidthX_ + 5) / 2;
    const int widenY = (penWidthY_ + 5) / 2;
    std::array<Point, 4> corners{};
    if (std::abs(to.x - from.x) >= std::abs(to.y - from.y)) {
        // A mostly horizontal line: widen above and below it.
        corners = {Point{from.x, from.y - widenY}, Point{to.x, to.y - widenY}, Point{to.x, to.y + widenY},
            Point{from.x, from.y + widenY}};
    } else {
        corners = {Point{from.x - widenX, from.y}, Point{to.x - widenX, to.y}, Point{to.x + widenX, to.y},
            Point{from.x + widenX, from.y}};
    }
    return Region::FromPolygon(corners).Intersects(rect.Normalized());
}

bool CCorvaneObj::IntersectsRegion(const Rect& rect) const
{
    return Region::FromRect(rect.Normalized()).Intersects(position_.Normalized());
}

void CCorvaneObj::MoveHandleTo(int handle, Point point, NetObjectView* view)
{
    Rect r = position_;
    switch (LineHandle(type_, handle)) {
    case 3: r.top = point.y; break;
    case 4: r.right = point.x; r.top = point.y; break;
    case 5: r.right = point.x; break;
    case 6: r.right = point.x; r.bottom = point.y; break;
    case 7: r.bottom = point.y; break;
    case 8: r.left = point.x; r.bottom = point.y; break;
    case 9: r.left = point.x; break;
    default: r.left = point.x; r.top = point.y; break;
    }
    MoveTo(r, view);
}

}  // namespace corvane
