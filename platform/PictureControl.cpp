#include "platform/PictureControl.h"

#include "base/AtomicFile.h"
#include "platform/internal/ControlWidgets.h"
#include "platform/internal/DrawingData.h"

#include <QMouseEvent>
#include <QPainter>

namespace corvane {

namespace {

PictureWidget* Picture(const Control& c) { return dynamic_cast<PictureWidget*>(c.Impl().widget.data()); }

}  // namespace

void PictureWidget::SetPicture(QImage image)
{
    image_ = std::move(image);
    placing_ = Placing::Centred;
    update();
}

void PictureWidget::SetDrawnPicture(QImage image, bool stretch)
{
    image_ = std::move(image);
    placing_ = stretch ? Placing::Stretched : Placing::TopLeft;
    update();
}

void PictureWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && onLeftPress) {
        // The handler may replace itself.
        const std::function<void()> handler = onLeftPress;
        handler();
    }
    QWidget::mousePressEvent(event);
}

QSize PictureWidget::ShownSize() const
{
    if (image_.isNull())
        return {0, 0};
    if (image_.width() <= width() && image_.height() <= height())
        return image_.size();
    return image_.size().scaled(size(), Qt::KeepAspectRatio);
}

void PictureWidget::paintEvent(QPaintEvent*)
{
    if (image_.isNull())
        return;
    if (placing_ != Placing::Centred) {
        QPainter painter(this);
        if (placing_ == Placing::Stretched)
            painter.drawImage(rect(), image_);
        else
            painter.drawImage(0, 0, image_);
        return;
    }
    const QSize shown = ShownSize();
    const QRect target((width() - shown.width()) / 2, (height() - shown.height()) / 2, shown.width(), shown.height());
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image_);
}

bool PictureControl::SetImage(std::span<const std::uint8_t> bytes)
{
    PictureWidget* picture = Picture(*this);
    if (picture == nullptr)
        return false;
    QImage image = DecodeImage(bytes);
    if (image.isNull())
        return false;
    picture->SetPicture(std::move(image));
    return true;
}

bool PictureControl::SetImageFile(const std::filesystem::path& path)
{
    const FileContents contents = ReadWholeFile(path, kMaxImageBytes);
    return !contents.error && SetImage(contents.bytes);
}

void PictureControl::ClearImage()
{
    if (PictureWidget* picture = Picture(*this))
        picture->SetPicture(QImage());
}

bool PictureControl::HasImage() const
{
    PictureWidget* picture = Picture(*this);
    return picture != nullptr && picture->HasPicture();
}

int PictureControl::ShownWidth() const
{
    PictureWidget* picture = Picture(*this);
    return picture != nullptr ? picture->ShownSize().width() : 0;
}

int PictureControl::ShownHeight() const
{
    PictureWidget* picture = Picture(*this);
    return picture != nullptr ? picture->ShownSize().height() : 0;
}

void PictureControl::ShowDrawnPicture(const Bitmap& picture, bool stretch, std::optional<RgbColour> key)
{
    PictureWidget* widget = Picture(*this);
    if (widget == nullptr)
        return;
    QImage image = picture.Data().image;
    if (!image.isNull() && key.has_value() && !stretch) {
        image = image.convertToFormat(QImage::Format_ARGB32);
        const QRgb keyPixel = qRgb(key->red, key->green, key->blue);
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                if ((line[x] & 0xFFFFFFu) == (keyPixel & 0xFFFFFFu))
                    line[x] = 0;
        }
    }
    widget->SetDrawnPicture(std::move(image), stretch);
}

Size PictureControl::PixelSize() const
{
    const QWidget* widget = Impl().widget.data();
    return widget != nullptr ? Size{widget->width(), widget->height()} : Size{};
}

void PictureControl::SetPixelSize(Size size)
{
    if (QWidget* widget = Impl().widget.data(); widget != nullptr && size.width > 0 && size.height > 0)
        widget->resize(size.width, size.height);
}

void PictureControl::SetLeftPressHandler(std::function<void()> handler)
{
    if (PictureWidget* widget = Picture(*this))
        widget->onLeftPress = std::move(handler);
}

Bitmap PictureControl::RenderToBitmap() const
{
    QWidget* widget = Impl().widget.data();
    Bitmap bitmap;
    if (widget == nullptr || widget->width() <= 0 || widget->height() <= 0)
        return bitmap;
    bitmap.Data().image = ToBitmapImage(widget->grab().toImage());
    return bitmap;
}

}  // namespace corvane
