#include "platform/Cursor.h"

#include <QCursor>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace corvane {

struct Cursor::Picture {
    Bitmap image;
    std::vector<std::uint8_t> opaque;  // one per pixel, row by row
    Point hotSpot;
};

namespace {

constexpr RgbColour kBlack{0, 0, 0};

// Builds the picture of a cursor, or nothing when the image is empty.
template <class IsOpaque>
std::shared_ptr<const Cursor::Picture> MakePicture(const Bitmap& image, Point hotSpot, IsOpaque isOpaque)
{
    if (image.IsNull() || image.Width() <= 0 || image.Height() <= 0)
        return nullptr;
    auto picture = std::make_shared<Cursor::Picture>();
    picture->image = image;
    const int width = image.Width();
    const int height = image.Height();
    picture->opaque.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    std::size_t index = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture->opaque[index++] = isOpaque(x, y) ? 1 : 0;
    picture->hotSpot = {std::clamp(hotSpot.x, 0, width - 1), std::clamp(hotSpot.y, 0, height - 1)};
    return picture;
}

}  // namespace

Cursor::Cursor() = default;

Cursor::Cursor(CursorShape shape) : shape_(shape == CursorShape::Picture ? CursorShape::Arrow : shape) {}

Cursor::Cursor(std::shared_ptr<const Picture> picture)
{
    if (picture) {
        shape_ = CursorShape::Picture;
        picture_ = std::move(picture);
    }
}

Cursor Cursor::FromMaskedBitmap(const Bitmap& image, const Bitmap& mask, Point hotSpot)
{
    return Cursor(MakePicture(image, hotSpot,
        [&mask](int x, int y) { return x < mask.Width() && y < mask.Height() && mask.PixelAt(x, y) == kBlack; }));
}

Cursor Cursor::FromColourKey(const Bitmap& image, RgbColour key, Point hotSpot)
{
    return Cursor(MakePicture(image, hotSpot, [&image, key](int x, int y) { return image.PixelAt(x, y) != key; }));
}

Point Cursor::HotSpot() const { return picture_ ? picture_->hotSpot : Point{}; }

Bitmap Cursor::Image() const { return picture_ ? picture_->image : Bitmap(); }

bool Cursor::IsOpaqueAt(int x, int y) const
{
    if (!picture_ || x < 0 || y < 0 || x >= picture_->image.Width() || y >= picture_->image.Height())
        return false;
    return picture_->opaque[static_cast<std::size_t>(y) * static_cast<std::size_t>(picture_->image.Width())
               + static_cast<std::size_t>(x)]
        != 0;
}

Point CursorScreenPosition()
{
    const QPoint at = QCursor::pos();
    return {at.x(), at.y()};
}

}  // namespace corvane
