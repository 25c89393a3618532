#include "platform/PictureControl.h"

#include "base/AtomicFile.h"
#include "platform/internal/ControlWidgets.h"

#include <QPainter>

namespace corvane {

namespace {

PictureWidget* Picture(const Control& c) { return dynamic_cast<PictureWidget*>(c.Impl().widget.data()); }

}  // namespace

void PictureWidget::SetPicture(QImage image)
{
    image_ = std::move(image);
    update();
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

}  // namespace corvane
