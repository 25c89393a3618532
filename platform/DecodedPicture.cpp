#include "platform/DecodedPicture.h"

#include "base/ByteReader.h"
#include "platform/internal/ControlWidgets.h"
#include "platform/internal/DrawingData.h"

#include <QBuffer>
#include <QImageReader>

#include <algorithm>
#include <cstdlib>

namespace corvane {

namespace {

// All frames of one picture together hold at most this many pixels, so a
// small file that declares a large picture of many frames stays small.
constexpr std::int64_t kMaxPicturePixels = std::int64_t{1} << 25;

bool StartsWith(std::span<const std::uint8_t> bytes, std::string_view magic)
{
    return bytes.size() >= magic.size() && std::equal(magic.begin(), magic.end(), bytes.begin(), [](char a, std::uint8_t b) {
        return static_cast<std::uint8_t>(a) == b;
    });
}

bool FitsTheLimits(QSize size)
{
    return size.isValid() && !size.isEmpty() && size.width() <= kMaxImageSide && size.height() <= kMaxImageSide
        && std::int64_t{size.width()} * size.height() <= kMaxPicturePixels;
}

// The decoder of a GIF hands out the frame it was reading when its data
// ends. Over this device the data never ends, so a frame cut short stays
// unfinished and is not handed out; reading past the bytes gives nothing.
class OpenEndedBuffer final : public QBuffer {
public:
    using QBuffer::QBuffer;
    bool atEnd() const override { return false; }
};

// Whether a BMP holds all the pixel rows its headers promise (the decoder
// fills what is missing with whatever the memory held).
bool BmpIsComplete(std::span<const std::uint8_t> bytes)
{
    ByteReader reader(bytes);
    reader.Seek(2, "bfSize");
    const std::uint32_t fileSize = reader.U32LE("bfSize");
    reader.Seek(10, "bfOffBits");
    const std::uint32_t pixelOffset = reader.U32LE("bfOffBits");
    const std::uint32_t headerSize = reader.U32LE("biSize");
    if (reader.Failed())
        return false;
    if (fileSize != 0 && fileSize > bytes.size())
        return false;
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint32_t bitCount = 0;
    std::uint32_t compression = 0;
    if (headerSize == 12) {
        width = reader.U16LE("bcWidth");
        height = reader.U16LE("bcHeight");
        reader.Skip(2, "bcPlanes");
        bitCount = reader.U16LE("bcBitCount");
    } else {
        width = reader.I32LE("biWidth");
        height = reader.I32LE("biHeight");
        reader.Skip(2, "biPlanes");
        bitCount = reader.U16LE("biBitCount");
        compression = reader.U32LE("biCompression");
    }
    if (reader.Failed() || width <= 0 || height == 0 || bitCount == 0 || bitCount > 32)
        return false;
    // Run-length pictures end where their runs say; their size is the file's.
    if (compression != 0 && compression != 3)
        return true;
    const std::int64_t stride = (width * bitCount + 31) / 32 * 4;
    return pixelOffset + stride * std::llabs(height) <= static_cast<std::int64_t>(bytes.size());
}

// Whether a JPEG ends with its end-of-image marker (one cut short has lost it).
bool JpegIsComplete(std::span<const std::uint8_t> bytes)
{
    std::size_t end = bytes.size();
    // Some writers pad the file after the marker.
    while (end > 2 && bytes[end - 1] == 0)
        --end;
    return end >= 4 && bytes[end - 2] == 0xFF && bytes[end - 1] == 0xD9;
}

// The frame's pixels as a bitmap, with see-through pixels in the key colour.
Bitmap ToFrameBitmap(QImage image)
{
    if (image.hasAlphaChannel()) {
        image = image.convertToFormat(QImage::Format_ARGB32);
        const QRgb key = qRgb(DecodedPicture::kKeyColour.red, DecodedPicture::kKeyColour.green,
            DecodedPicture::kKeyColour.blue);
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                if (qAlpha(line[x]) < 128)
                    line[x] = key;
        }
    }
    Bitmap bitmap;
    bitmap.Data().image = ToBitmapImage(image);
    return bitmap;
}

std::optional<RgbColour> GifBackground(std::span<const std::uint8_t> bytes)
{
    ByteReader reader(bytes);
    reader.Seek(10, "flags");
    const std::uint8_t flags = reader.U8("flags");
    const std::uint8_t index = reader.U8("background index");
    if (reader.Failed() || (flags & 0x80) == 0)
        return std::nullopt;
    const std::size_t entries = std::size_t{2} << (flags & 0x07);
    if (index >= entries)
        return std::nullopt;
    reader.Seek(13 + std::size_t{index} * 3, "global colour table");
    const std::uint8_t red = reader.U8("red");
    const std::uint8_t green = reader.U8("green");
    const std::uint8_t blue = reader.U8("blue");
    if (reader.Failed())
        return std::nullopt;
    return RgbColour{red, green, blue};
}

DecodedPicture DecodeGif(std::span<const std::uint8_t> bytes)
{
    DecodedPicture picture;
    const QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()),
        static_cast<qsizetype>(bytes.size()));
    OpenEndedBuffer device;
    device.setData(data);
    if (!device.open(QIODevice::ReadOnly))
        return picture;
    QImageReader reader(&device, "gif");
    reader.setDecideFormatFromContent(false);
    if (!FitsTheLimits(reader.size()))
        return picture;
    std::int64_t pixels = 0;
    for (;;) {
        QImage image;
        if (!reader.read(&image) || image.isNull())
            break;
        pixels += std::int64_t{image.width()} * image.height();
        if (pixels > kMaxPicturePixels)
            break;
        if (picture.frames.empty())
            picture.size = {image.width(), image.height()};
        else if (image.width() != picture.size.width || image.height() != picture.size.height)
            break;
        DecodedPicture::Frame frame;
        frame.image = ToFrameBitmap(std::move(image));
        if (frame.image.IsNull())
            break;
        frame.delayHundredths = std::max(0, reader.nextImageDelay()) / 10;
        frame.disposal = DecodedPicture::kDisposalBackground;
        picture.frames.push_back(std::move(frame));
    }
    if (picture.frames.size() == 1) {
        picture.frames.front().delayHundredths = 0;
        picture.frames.front().disposal = DecodedPicture::kDisposalNone;
    }
    if (!picture.frames.empty())
        picture.background = GifBackground(bytes);
    return picture;
}

DecodedPicture DecodeStill(std::span<const std::uint8_t> bytes)
{
    DecodedPicture picture;
    if (StartsWith(bytes, "BM") && !BmpIsComplete(bytes))
        return picture;
    if (StartsWith(bytes, "\xFF\xD8") && !JpegIsComplete(bytes))
        return picture;
    const QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()),
        static_cast<qsizetype>(bytes.size()));
    QBuffer device;
    device.setData(data);
    if (!device.open(QIODevice::ReadOnly))
        return picture;
    QImageReader reader(&device);
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format();
    if (format != "png" && format != "bmp" && format != "jpeg" && format != "gif")
        return picture;
    // The header's size is checked before any pixel is decoded.
    if (!FitsTheLimits(reader.size()))
        return picture;
    const QImage image = reader.read();
    if (image.isNull() || !FitsTheLimits(image.size()))
        return picture;
    DecodedPicture::Frame frame;
    frame.image = ToFrameBitmap(image);
    if (frame.image.IsNull())
        return picture;
    picture.size = {image.width(), image.height()};
    picture.frames.push_back(std::move(frame));
    return picture;
}

}  // namespace

DecodedPicture DecodePicture(std::span<const std::uint8_t> bytes)
{
    if (bytes.empty() || bytes.size() > kMaxImageBytes)
        return {};
    if (StartsWith(bytes, "GIF"))
        return DecodeGif(bytes);
    return DecodeStill(bytes);
}

}  // namespace corvane
