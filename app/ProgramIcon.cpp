#include "app/ProgramIcon.h"

#include "platform/DeviceContext.h"

#include <array>

namespace corvane {

Bitmap MakeProgramIcon(int size)
{
    Bitmap icon(size, size);
    MemoryContext dc(icon);
    // The corners outside the badge are see-through.
    dc.FillRect({0, 0, size, size}, SolidBrush({255, 0, 255}));
    dc.SelectPen(SolidPen({12, 52, 74}));
    dc.SelectBrush(SolidBrush({18, 78, 110}));
    const int corner = size / 4;
    dc.RoundRect({0, 0, size, size}, {corner, corner});

    // A grid line and a trace rising across the badge.
    const auto at = [size](int per100) { return size * per100 / 100; };
    dc.SelectPen(SolidPen({70, 130, 160}, 1));
    dc.MoveTo({at(14), at(78)});
    dc.LineTo({at(88), at(78)});
    const std::array trace = {Point{at(14), at(66)}, Point{at(32), at(50)}, Point{at(46), at(60)},
        Point{at(62), at(30)}, Point{at(74), at(40)}, Point{at(88), at(20)}};
    dc.SelectPen(SolidPen({255, 196, 40}, size >= 32 ? 3 : 2));
    dc.Polyline(trace);
    dc.Flush();
    return icon;
}

}  // namespace corvane
