#pragma once

#include "platform/Bitmap.h"
#include "platform/ColourValue.h"
#include "platform/Geometry.h"

#include <memory>

namespace corvane {

// The toolkit's own pointer shapes, and Picture for a cursor drawn by the
// program.
enum class CursorShape {
    Arrow,
    Cross,
    IBeam,
    Wait,
    SizeAll,
    SizeVertical,      // north-south
    SizeHorizontal,    // west-east
    SizeDiagonalDown,  // north-west to south-east
    SizeDiagonalUp,    // north-east to south-west
    Hand,
    No,
    Picture,
};

// A mouse pointer: a standard shape, or a picture with a hot spot. A value
// type; copies share the picture, so they are cheap. A picture cursor keeps
// the colours of its opaque pixels only (cursors that invert the screen are
// not offered).
class Cursor {
public:
    Cursor();                            // the arrow
    explicit Cursor(CursorShape shape);  // Picture gives the arrow

    // A picture whose pixels show where the mask (same size) is black and
    // are transparent where it is white, or outside the mask.
    static Cursor FromMaskedBitmap(const Bitmap& image, const Bitmap& mask, Point hotSpot);
    // A picture whose pixels of the key colour are transparent.
    static Cursor FromColourKey(const Bitmap& image, RgbColour key, Point hotSpot);
    // Both give the arrow for an empty picture; a hot spot outside the
    // picture is moved to its nearest pixel.

    CursorShape Shape() const { return shape_; }
    // The point of the picture that is the pointer's position; (0, 0) for
    // standard shapes.
    Point HotSpot() const;
    // The picture (null for standard shapes) and whether a pixel of it shows.
    Bitmap Image() const;
    bool IsOpaqueAt(int x, int y) const;

    // The same shape, or copies of the same picture.
    friend bool operator==(const Cursor& a, const Cursor& b)
    {
        return a.shape_ == b.shape_ && a.picture_ == b.picture_;
    }

    struct Picture;

private:
    explicit Cursor(std::shared_ptr<const Picture> picture);

    CursorShape shape_ = CursorShape::Arrow;
    std::shared_ptr<const Picture> picture_;
};

// Where the pointer is on the screen now, wherever it is (windows get its
// moves only while it is over them or they hold the mouse).
Point CursorScreenPosition();

}  // namespace corvane
