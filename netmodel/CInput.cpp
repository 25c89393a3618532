#include "netmodel/CInput.h"

#include "netmodel/NetDrawing.h"
#include "platform/DeviceContext.h"

#include <array>

namespace corvane {

void CInput::DrawLink(DeviceContext& dc) const
{
    if (!IsActive())
        return;
    if (HasLinkEnd()) {
        // Links leave an output to the right and reach an input from its
        // own side: across, then down or up, then across (or, for the
        // inputs above the body, up to the level of the output first).
        const Point from = LinkEnd();
        const Point to = GetLinkAnchorPoint();
        const RgbColour colour = ConnectorColour(GetDataType(), false);
        const Pen oldPen = dc.SelectPen(SolidPen(colour));
        std::array<Point, 4> path{};
        if (Position().y < 0) {
            path = {from, Point{to.x, from.y}, Point{to.x, from.y}, to};
        } else {
            const int elbowX = from.x + (to.x - from.x) / 2;
            path = {from, Point{elbowX, from.y}, Point{elbowX, to.y}, to};
        }
        dc.Polyline(path);
        dc.SelectPen(oldPen);
    }
    DrawConnector(dc);
}

}  // namespace corvane
