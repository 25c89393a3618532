#include "netmodel/CCorvaneCtrl.h"

#include "platform/BitmapCatalog.h"
#include "platform/DeviceContext.h"

#include <algorithm>

namespace corvane {

CCorvaneCtrl::CCorvaneCtrl(
    bool firstFlag, bool fixed, bool movable, bool clickable, int bitmapId, int ctrlId, const Rect& rect)
    : CCorvaneObj(rect), bitmapId_(bitmapId), home_(rect), clickable_(clickable), ctrlId_(ctrlId), fixed_(fixed),
      firstFlag_(firstFlag)
{
    SetType(object_type::kIconOrControl);
    SetDeletable(false);
    SetSecondFlag(false);
    SetDrawHandles(false);
    SetDrawOutline(movable);
}

int CCorvaneCtrl::DrawnBitmapId() const
{
    return useAlternate_ && alternateBitmapId_ != 0 ? alternateBitmapId_ : bitmapId_;
}

int CCorvaneCtrl::GetHandleCursor(int hitCode) const
{
    if (hitCode == 0 || (!DrawsOutline() && clickable_))
        return object_cursor::kArrow;
    return object_cursor::kMove;
}

void CCorvaneCtrl::Draw(DeviceContext& dc, BitmapCatalog& pictures)
{
    const Rect& r = Position();
    if (DrawsOutline())
        dc.Rectangle(r.Inflated(1, 1));
    const Bitmap& picture = pictures.Get(DrawnBitmapId(), r.Extent());
    DrawBitmap(picture, dc, r.left, r.top, r.Width(), r.Height());
}

bool CCorvaneCtrl::Intersects(const Rect& rect) const
{
    if (!CCorvaneObj::Intersects(rect))
        return false;
    if (Type() == object_type::kIconOrControl)
        return IntersectsRect(rect);
    return Type() > object_type::kNotHitTestable && IntersectsRegion(rect);
}

void CCorvaneCtrl::MoveHandleTo(int /*handle*/, Point point, NetObjectView* view)
{
    Rect r = Position().Normalized();
    r.left = point.x - r.Width() / 2;
    r.top = point.y - r.Height() / 2;
    MoveTo(r.Normalized(), view);
}

void CCorvaneCtrl::RestorePosition(NetObjectView* view)
{
    MoveTo(home_, view);
}

void DrawBitmap(const Bitmap& bitmap, DeviceContext& dc, int x, int y, int width, int height)
{
    // Never stretched: a larger area shows the bitmap at its own size.
    const int w = std::min(width, bitmap.Width());
    const int h = std::min(height, bitmap.Height());
    if (w <= 0 || h <= 0)
        return;
    dc.CopyBitmap({x, y}, bitmap, Rect{0, 0, w, h});
}

}  // namespace corvane
