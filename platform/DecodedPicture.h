#pragma once

#include "platform/Bitmap.h"
#include "platform/ColourValue.h"
#include "platform/Geometry.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace corvane {

// A picture as the frames it shows one after another: a still picture (BMP,
// JPEG, PNG, a GIF of one image) has one frame, an animated GIF one frame
// per image, the program's own animations the frames they are drawn as.
// Pixels that are see-through in the picture hold the key colour.
struct DecodedPicture {
    // What becomes of a frame's area before the next frame is drawn.
    static constexpr int kDisposalNone = 0;
    static constexpr int kDisposalKeep = 1;
    static constexpr int kDisposalBackground = 2;  // filled with the background colour
    static constexpr int kDisposalPrevious = 3;    // what was there before the frame
    // Magenta: pixels of this colour leave what is under them unchanged.
    static constexpr RgbColour kKeyColour{255, 0, 255};

    struct Frame {
        Bitmap image;
        Point position;           // of its top-left pixel in the picture
        int delayHundredths = 0;  // how long it shows, in hundredths of a second
        int disposal = kDisposalNone;
    };

    Size size;
    std::vector<Frame> frames;
    // A GIF's background colour from its global colour table, when it has one.
    std::optional<RgbColour> background;

    bool IsEmpty() const { return frames.empty(); }
    bool IsAnimated() const { return frames.size() > 1; }
};

// Decodes BMP, JPEG, PNG or GIF bytes. An animated GIF gives every frame
// whose data is complete, up to the first damage; each is the whole picture
// as it shows then (the decoder applies the frames' own disposal), so each
// frame is disposed to the background before the next is drawn. A still
// picture that is damaged or cut short, bytes that are no picture and
// pictures beyond the size limit give an empty picture.
DecodedPicture DecodePicture(std::span<const std::uint8_t> bytes);

}  // namespace corvane
