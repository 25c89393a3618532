#pragma once

#include "platform/Bitmap.h"
#include "platform/Geometry.h"

namespace corvane::res {

class PicturePainter;

// One picture of the program: its resource id, its size in pixels and the
// code that draws it on a white bitmap of that size. Keyed pictures
// (toolbar strips, some image lists, cursors) paint their background in
// colour::kMatte, which becomes colour::kKey, their transparent colour;
// every other picture is opaque.
struct PictureEntry {
    int id = 0;
    Size size;
    void (*draw)(PicturePainter&) = nullptr;
    bool keyed = false;
};

// A cursor picture: 32 by 32, keyed, with the pixel that points.
struct CursorEntry {
    int id = 0;
    Point hotSpot;
    void (*draw)(PicturePainter&) = nullptr;
};

inline constexpr Size kCursorSize{32, 32};

// Draws the picture of an entry. When labelOverflowed is given it tells
// whether a label of the picture did not fit its box.
Bitmap MakePicture(const PictureEntry& entry, bool* labelOverflowed = nullptr);

}  // namespace corvane::res
