#pragma once

#include "platform/Bitmap.h"

#include <cstdint>
#include <vector>

namespace corvane {

class DeviceContext;

// A picture of a window kept for printing: the editing views take their
// window's picture when printing starts and print it, scaled to the
// page's width, instead of drawing their objects again. Pictures are
// true colour, so no palette is kept.
class CDIBitmap {
public:
    // The size of the device-independent header.
    static constexpr std::size_t kHeaderSize = 40;

    // Replaces the picture.
    void Capture(Bitmap picture);
    bool IsEmpty() const { return picture_.IsNull() || picture_.Width() <= 0 || picture_.Height() <= 0; }
    int Width() const { return picture_.Width(); }
    int Height() const { return picture_.Height(); }
    const Bitmap& Picture() const { return picture_; }

    // The device-independent form: the 40-byte header (size 40, width,
    // height, 1 plane, 24 bits, no compression) and the rows bottom-up in
    // blue, green, red order, each padded to a multiple of 4 bytes; no
    // colour table. bitsOffset, when given, receives where the rows start.
    // Empty for an empty picture.
    std::vector<std::uint8_t> GetDIB(std::size_t* bitsOffset = nullptr) const;

    // Prints the picture a quarter inch in from the page's left and top,
    // as wide as the page less both margins, keeping its proportions.
    // False, printing nothing, for an empty picture.
    bool PrintToDC(DeviceContext& page) const;

private:
    Bitmap picture_;
};

}  // namespace corvane
