#pragma once

// The pixels a one-pixel pen and a filled polygon cover, computed here
// rather than by the toolkit so that every pixel of a path is touched
// exactly once (combining mixes such as XOR then restore when drawn twice)
// and only the visible part is ever visited. Included only by platform's
// own .cpp files.

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QRegion>

#include <QtGlobal>

#include <span>
#include <vector>

namespace corvane {

// The pixels of a path as rectangles, split into the pen's dashes (on) and
// the gaps between them (off).
struct PenRuns {
    std::vector<QRect> on;
    std::vector<QRect> off;
};

// Adds the pixels of the line from a to b, b itself left out, that lie in
// bounds. Pixel i of the line is on the major axis at a + i and on the minor
// axis at the nearest pixel of the exact line. pattern holds alternating
// dash and gap lengths (empty: solid); step is the position in the pattern
// where the line starts and is advanced by the line's length.
void AddLinePixels(QPoint a, QPoint b, const QRect& bounds, std::span<const int> pattern, int& step, PenRuns& runs);

// The pixels inside the polygon, as spans of rows within bounds: a pixel is
// inside when its centre is, by the fill rule (winding: Qt::WindingFill).
std::vector<QRect> PolygonSpans(std::span<const QPoint> points, bool winding, const QRect& bounds);

// The pixels whose centres lie inside the rectangle with corners rounded
// by quarter ellipses of the corner's size (an ellipse when the corner is
// the box's size), as spans of rows within bounds.
std::vector<QRect> RoundRectSpans(const QRect& box, QSize corner, const QRect& bounds);

// A region of spans sorted by row and then across (as the functions above
// give them).
QRegion RegionFromSpans(std::span<const QRect> spans);

// The part of the segment from a to b inside the box; false when none is.
bool ClipSegment(QPointF& a, QPointF& b, const QRectF& box);

}  // namespace corvane
