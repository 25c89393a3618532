#include "platform/ImageList.h"

#include "base/AtomicFile.h"
#include "platform/internal/ControlWidgets.h"
#include "platform/internal/DrawingData.h"

#include <QPainter>
#include <QPixmap>

#include <algorithm>

namespace corvane {

struct ImageList::Impl {
    int width = 16;
    int height = 16;
    std::vector<QImage> images;
};

namespace {

constexpr int kMaxSide = 256;

// Adds the images of a picture: a strip of whole images, or one image
// scaled to fit. Returns the index of the first one, or -1 for no picture.
int AddPicture(ImageList::Impl& list, QImage picture, const RgbColour* transparent);

}  // namespace

ImageList::ImageList(int width, int height) : impl_(std::make_unique<Impl>())
{
    impl_->width = std::clamp(width, 1, kMaxSide);
    impl_->height = std::clamp(height, 1, kMaxSide);
}

ImageList::~ImageList() = default;

ImageList::ImageList(const ImageList& other) : impl_(std::make_unique<Impl>(*other.impl_)) {}

ImageList& ImageList::operator=(const ImageList& other)
{
    if (this != &other)
        *impl_ = *other.impl_;
    return *this;
}

int ImageList::Width() const { return impl_->width; }
int ImageList::Height() const { return impl_->height; }
int ImageList::Count() const { return static_cast<int>(impl_->images.size()); }
void ImageList::Clear() { impl_->images.clear(); }

int ImageList::Add(std::span<const std::uint8_t> bytes) { return AddDecoded(bytes, nullptr); }

int ImageList::Add(std::span<const std::uint8_t> bytes, RgbColour transparent)
{
    return AddDecoded(bytes, &transparent);
}

int ImageList::AddFile(const std::filesystem::path& path)
{
    const FileContents contents = ReadWholeFile(path, kMaxImageBytes);
    if (contents.error)
        return -1;
    return Add(contents.bytes);
}

int ImageList::Add(const Bitmap& strip, std::optional<RgbColour> transparent)
{
    return AddPicture(*impl_, strip.Data().image, transparent ? &*transparent : nullptr);
}

int ImageList::AddDecoded(std::span<const std::uint8_t> bytes, const RgbColour* transparent)
{
    return AddPicture(*impl_, DecodeImage(bytes), transparent);
}

namespace {

int AddPicture(ImageList::Impl& list, QImage picture, const RgbColour* transparent)
{
    if (picture.isNull())
        return -1;
    picture = picture.convertToFormat(QImage::Format_ARGB32);
    if (transparent != nullptr) {
        const QRgb key = qRgb(transparent->red, transparent->green, transparent->blue);
        for (int y = 0; y < picture.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
            for (int x = 0; x < picture.width(); ++x)
                if ((line[x] & 0x00FFFFFFu) == (key & 0x00FFFFFFu))
                    line[x] = qRgba(0, 0, 0, 0);
        }
    }
    const int first = static_cast<int>(list.images.size());
    const int w = list.width;
    const int h = list.height;
    if (picture.height() == h && picture.width() % w == 0) {
        for (int x = 0; x < picture.width(); x += w)
            list.images.push_back(picture.copy(x, 0, w, h));
        return first;
    }
    // One picture of another size: scaled to fit, centred on a clear image.
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const QImage scaled = picture.scaled(w, h, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPainter painter(&image);
    painter.drawImage((w - scaled.width()) / 2, (h - scaled.height()) / 2, scaled);
    painter.end();
    list.images.push_back(image);
    return first;
}

}  // namespace

QIcon IconFromList(const ImageList* images, int image, int selectedImage)
{
    if (images == nullptr || image < 0 || image >= images->Count())
        return {};
    const auto& all = images->Data().images;
    QIcon icon(QPixmap::fromImage(all[static_cast<std::size_t>(image)]));
    if (selectedImage >= 0 && selectedImage < images->Count() && selectedImage != image)
        icon.addPixmap(QPixmap::fromImage(all[static_cast<std::size_t>(selectedImage)]), QIcon::Selected);
    return icon;
}

QSize IconSizeOf(const ImageList& images) { return {images.Width(), images.Height()}; }

}  // namespace corvane
