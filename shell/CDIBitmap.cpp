#include "shell/CDIBitmap.h"

#include "base/ByteWriter.h"
#include "platform/DeviceContext.h"
#include "platform/PicturePrinting.h"

#include <cstddef>
#include <limits>
#include <utility>

namespace corvane {

namespace {

// The device-independent header, little-endian:
//   0 u32 header size (40)   4 i32 width      8 i32 height (rows bottom-up)
//  12 u16 planes (1)        14 u16 bit count (24)
//  16 u32 compression (0)   20 u32 image size, then 16 bytes of zeros
constexpr std::uint16_t kPlanes = 1;
constexpr std::uint16_t kBitCount = 24;
constexpr std::uint32_t kUncompressed = 0;
constexpr std::size_t kHeaderTailZeros = 16;
constexpr std::size_t kBytesPerPixel = 3;
constexpr std::size_t kRowAlignment = 4;

}  // namespace

void CDIBitmap::Capture(Bitmap picture) { picture_ = std::move(picture); }

std::vector<std::uint8_t> CDIBitmap::GetDIB(std::size_t* bitsOffset) const
{
    if (IsEmpty())
        return {};
    const auto width = static_cast<std::size_t>(Width());
    const auto height = static_cast<std::size_t>(Height());
    const std::size_t rowBytes = (width * kBytesPerPixel + kRowAlignment - 1) / kRowAlignment * kRowAlignment;
    if (rowBytes > (std::numeric_limits<std::uint32_t>::max() - kHeaderSize) / height)
        return {};
    const std::size_t imageSize = rowBytes * height;

    std::vector<std::uint8_t> dib(kHeaderSize + imageSize, 0);
    ByteWriter writer(dib);
    writer.U32LE(static_cast<std::uint32_t>(kHeaderSize), "header size");
    writer.I32LE(Width(), "width");
    writer.I32LE(Height(), "height");
    writer.U16LE(kPlanes, "planes");
    writer.U16LE(kBitCount, "bit count");
    writer.U32LE(kUncompressed, "compression");
    writer.U32LE(static_cast<std::uint32_t>(imageSize), "image size");
    writer.Zeros(kHeaderTailZeros, "resolution and colours");
    for (std::size_t row = 0; row < height; ++row) {
        const int y = Height() - 1 - static_cast<int>(row);
        for (int x = 0; x < Width(); ++x) {
            const RgbColour colour = picture_.PixelAt(x, y);
            writer.U8(colour.blue, "blue");
            writer.U8(colour.green, "green");
            writer.U8(colour.red, "red");
        }
        writer.Zeros(rowBytes - width * kBytesPerPixel, "row padding");
    }
    if (writer.Failed())
        return {};
    if (bitsOffset != nullptr)
        *bitsOffset = kHeaderSize;
    return dib;
}

bool CDIBitmap::PrintToDC(DeviceContext& page) const
{
    if (IsEmpty())
        return false;
    PrintBitmapPage(page, picture_);
    return true;
}

}  // namespace corvane
