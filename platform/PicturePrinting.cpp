#include "platform/PicturePrinting.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace corvane {

Rect PlacePictureOnPage(Size picture, int pageWidth, Size pixelsPerInch)
{
    if (picture.width <= 0 || picture.height <= 0)
        return {};
    const int left = std::max(pixelsPerInch.width, 0) / 4;
    const int top = std::max(pixelsPerInch.height, 0) / 4;
    const long long width = static_cast<long long>(pageWidth) - 2LL * left;
    if (width <= 0)
        return {};
    const double height = std::trunc(
        static_cast<double>(width) / static_cast<double>(picture.width) * static_cast<double>(picture.height));
    const double tallest = static_cast<double>(std::numeric_limits<int>::max() - top);
    if (height < 1.0)
        return {};
    return Rect::FromPointAndSize({left, top},
        {static_cast<int>(width), height > tallest ? static_cast<int>(tallest) : static_cast<int>(height)});
}

void PrintBitmapPage(DeviceContext& page, const Bitmap& picture)
{
    const Rect placed = PlacePictureOnPage(picture.Extent(), page.SurfaceSize().width, page.PixelsPerInch());
    if (placed.IsEmpty())
        return;
    // The placement is in device pixels, so draw with one unit per pixel.
    const int saved = page.Save();
    page.SetMapMode(MapMode::Text);
    page.SetWindowOrigin({0, 0});
    page.SetViewportOrigin({0, 0});
    page.StretchBitmap(placed, picture, Rect::FromPointAndSize({0, 0}, picture.Extent()));
    page.Restore(saved);
}

}  // namespace corvane
