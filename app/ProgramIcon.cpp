#include "app/ProgramIcon.h"

#include "platform/DeviceContext.h"

#include <algorithm>
#include <array>

namespace corvane {

namespace {

// The badge with its grid line and rising trace, filling the square at
// origin with the given side.
void DrawBadge(MemoryContext& dc, Point origin, int side)
{
    dc.SelectPen(SolidPen({12, 52, 74}));
    dc.SelectBrush(SolidBrush({18, 78, 110}));
    const int corner = side / 4;
    dc.RoundRect({origin.x, origin.y, origin.x + side, origin.y + side}, {corner, corner});

    const auto at = [&](int x100, int y100) {
        return Point{origin.x + side * x100 / 100, origin.y + side * y100 / 100};
    };
    // Lines grow with the icon, so that large sizes do not look hairline.
    dc.SelectPen(SolidPen({70, 130, 160}, std::max(1, side / 48)));
    dc.MoveTo(at(14, 78));
    dc.LineTo(at(88, 78));
    const std::array trace = {at(14, 66), at(32, 50), at(46, 60), at(62, 30), at(74, 40), at(88, 20)};
    dc.SelectPen(SolidPen({255, 196, 40}, side >= 32 ? std::max(3, side / 12) : 2));
    dc.Polyline(trace);
}

}  // namespace

Bitmap MakeProgramIcon(int size)
{
    Bitmap icon(size, size);
    MemoryContext dc(icon);
    // The corners outside the badge are see-through.
    dc.FillRect({0, 0, size, size}, SolidBrush(kIconKeyColour));
    DrawBadge(dc, {0, 0}, size);
    dc.Flush();
    return icon;
}

Bitmap MakeNetFileIcon(int size)
{
    Bitmap icon(size, size);
    MemoryContext dc(icon);
    dc.FillRect({0, 0, size, size}, SolidBrush(kIconKeyColour));
    const auto at = [size](int per100) { return size * per100 / 100; };
    // The page, its top right corner folded down.
    const int left = at(12);
    const int right = std::max(at(88), left + 3);
    const int top = 0;
    const int bottom = size - 1;
    const int fold = std::max(at(24), 2);
    const std::array page = {Point{left, top}, Point{right - fold, top}, Point{right, top + fold}, Point{right, bottom},
        Point{left, bottom}};
    dc.SelectPen(SolidPen({96, 104, 112}));
    dc.SelectBrush(SolidBrush({250, 250, 250}));
    dc.Polygon(page);
    const std::array flap = {Point{right - fold, top}, Point{right - fold, top + fold}, Point{right, top + fold}};
    dc.SelectBrush(SolidBrush({210, 214, 220}));
    dc.Polygon(flap);
    // The program's badge in the lower part of the page.
    const int side = std::max(at(56), 4);
    DrawBadge(dc, {(size - side) / 2, bottom - at(6) - side}, side);
    dc.Flush();
    return icon;
}

}  // namespace corvane
