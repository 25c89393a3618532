#pragma once

#include "platform/Bitmap.h"
#include "platform/DeviceContext.h"
#include "platform/Geometry.h"

namespace corvane {

// Where a picture of a window goes on a printed page, in the page's device
// pixels: a quarter of an inch in from the left and top edges, as wide as
// the page less a quarter inch on each side, and as high as that width
// keeps the picture's proportions (truncated toward zero; a tall picture
// may run past the bottom of the page). Empty for an empty picture or a
// page narrower than its margins.
Rect PlacePictureOnPage(Size picture, int pageWidth, Size pixelsPerInch);

// Prints a picture on a page where PlacePictureOnPage puts it, whatever the
// page's mapping; the page's drawing state is left as it was.
void PrintBitmapPage(DeviceContext& page, const Bitmap& picture);

}  // namespace corvane
