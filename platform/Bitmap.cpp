#include "platform/Bitmap.h"

#include "base/AtomicFile.h"
#include "platform/internal/ControlWidgets.h"
#include "platform/internal/DeviceContextImpl.h"
#include "platform/internal/DrawingData.h"
#include "platform/internal/FrameWidgets.h"

#include <QBuffer>
#include <QPainter>

#include <utility>

namespace corvane {

namespace {

QImage WhiteImage(int width, int height)
{
    if (width <= 0 || height <= 0 || std::int64_t{width} * height > kMaxBitmapPixels)
        return {};
    QImage image(width, height, QImage::Format_RGB32);
    if (!image.isNull())
        image.fill(Qt::white);
    return image;
}

}  // namespace

QImage ToBitmapImage(const QImage& picture)
{
    if (picture.isNull() || std::int64_t{picture.width()} * picture.height() > kMaxBitmapPixels)
        return {};
    if (!picture.hasAlphaChannel())
        return picture.convertToFormat(QImage::Format_RGB32);
    QImage image = WhiteImage(picture.width(), picture.height());
    if (image.isNull())
        return {};
    QPainter painter(&image);
    painter.drawImage(0, 0, picture);
    painter.end();
    return image;
}

Bitmap::Impl::~Impl() { ReleasePainter(); }

void Bitmap::Impl::ReleasePainter()
{
    if (painter != nullptr) {
        DeviceContext::Impl* context = std::exchange(painter, nullptr);
        context->ReleaseTarget();
    }
}

Bitmap::Bitmap() : impl_(std::make_unique<Impl>()) {}
Bitmap::Bitmap(int width, int height) : impl_(std::make_unique<Impl>(WhiteImage(width, height))) {}
Bitmap::~Bitmap() = default;
Bitmap::Bitmap(const Bitmap& other) : impl_(std::make_unique<Impl>(*other.impl_)) {}

Bitmap& Bitmap::operator=(const Bitmap& other)
{
    if (this != &other) {
        // A context drawing into the old pixels stops before they are replaced.
        impl_->ReleasePainter();
        impl_->image = other.impl_->image;
    }
    return *this;
}

// A moved-from bitmap is empty, never without its data. The pixels (and a
// context drawing into them) move along with the data.
Bitmap::Bitmap(Bitmap&& other) noexcept : impl_(std::make_unique<Impl>()) { std::swap(impl_, other.impl_); }

Bitmap& Bitmap::operator=(Bitmap&& other) noexcept
{
    std::swap(impl_, other.impl_);
    return *this;
}

Bitmap::Bitmap(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}

Bitmap Bitmap::FromImageBytes(std::span<const std::uint8_t> bytes)
{
    return Bitmap(std::make_unique<Impl>(ToBitmapImage(DecodeImage(bytes))));
}

bool Bitmap::IsNull() const { return impl_->image.isNull(); }
int Bitmap::Width() const { return impl_->image.width(); }
int Bitmap::Height() const { return impl_->image.height(); }

RgbColour Bitmap::PixelAt(int x, int y) const
{
    const QImage& image = impl_->image;
    if (!image.valid(x, y))
        return {};
    return FromQRgb(image.pixel(x, y));
}

void Bitmap::SetPixel(int x, int y, RgbColour colour)
{
    QImage& image = impl_->image;
    if (image.valid(x, y))
        image.setPixel(x, y, ToQRgb(colour));
}

void Bitmap::Fill(RgbColour colour)
{
    if (!impl_->image.isNull())
        impl_->image.fill(ToQColor(colour));
}

Bitmap Bitmap::Copy(const Rect& part) const
{
    const QRect area = ToQRect(part).intersected(impl_->image.rect());
    if (area.isEmpty())
        return {};
    return Bitmap(std::make_unique<Impl>(impl_->image.copy(area)));
}

namespace {

std::string EncodePng(const QImage& image)
{
    if (image.isNull())
        return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        return {};
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

}  // namespace

std::string Bitmap::PngBytes() const { return EncodePng(impl_->image); }

std::string Bitmap::KeyedPngBytes(RgbColour key) const
{
    if (impl_->image.isNull())
        return {};
    return EncodePng(TransparentImage(impl_->image, key));
}

bool Bitmap::SavePng(const std::filesystem::path& path, std::string* error) const
{
    const std::string bytes = PngBytes();
    if (bytes.empty()) {
        if (error != nullptr)
            *error = "There is no picture to save in " + path.string() + ".";
        return false;
    }
    const FileError failure = WriteFileAtomically(path, bytes);
    if (failure) {
        if (error != nullptr)
            *error = failure.message;
        return false;
    }
    return true;
}

}  // namespace corvane
