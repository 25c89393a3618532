#pragma once

#include "netmodel/CaptionLayout.h"
#include "platform/DrawingTypes.h"
#include "platform/Geometry.h"

#include <vector>

namespace corvane {

class CCorvaneDoc;
class CCorvaneIcon;
class DeviceContext;

// The captions of a document's icons: their face, the area each icon keeps
// clear, where a caption stands when nothing is in the way, the layout of
// them all (CaptionLayout) and their drawing.

// Arial, a little smaller for long captions.
FontSpec IconCaptionFont(const CCorvaneIcon& icon);
// The area the icon draws: its body and its active connectors.
Rect IconDrawnArea(CCorvaneIcon& icon);
// Centred under the body, just below the lowest thing the icon draws.
Point IconCaptionAnchor(CCorvaneIcon& icon);
// Where the captions go, measured in the context's units: one entry per
// object of the document in list order, empty for objects without one.
std::vector<PlacedCaption> PlaceIconCaptions(const CCorvaneDoc& document, DeviceContext& dc);
// Draws the caption's lines where the layout put them.
void DrawIconCaption(const CCorvaneIcon& icon, DeviceContext& dc, const PlacedCaption& placed);

}  // namespace corvane
