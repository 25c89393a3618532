// Feeds arbitrary bytes to the picture decoder that the animated picture
// control loads through. Whatever it gives holds together: every frame has
// pixels, lies inside the picture, and a picture with no frame has no size.
#include "platform/DecodedPicture.h"

#include <cstdint>
#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const corvane::DecodedPicture picture = corvane::DecodePicture(std::span(data, size));
    if (picture.IsEmpty())
        return 0;
    if (picture.size.width <= 0 || picture.size.height <= 0)
        std::abort();
    for (const corvane::DecodedPicture::Frame& frame : picture.frames) {
        if (frame.image.IsNull() || frame.position.x < 0 || frame.position.y < 0
            || frame.position.x + frame.image.Width() > picture.size.width
            || frame.position.y + frame.image.Height() > picture.size.height || frame.delayHundredths < 0)
            std::abort();
    }
    return 0;
}
