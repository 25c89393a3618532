#include "platform/internal/ToolkitCursor.h"

#include <QCursor>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>

namespace corvane::internal {

namespace {

Qt::CursorShape ToolkitShape(CursorShape shape)
{
    switch (shape) {
    case CursorShape::Arrow: return Qt::ArrowCursor;
    case CursorShape::Cross: return Qt::CrossCursor;
    case CursorShape::IBeam: return Qt::IBeamCursor;
    case CursorShape::Wait: return Qt::WaitCursor;
    case CursorShape::SizeAll: return Qt::SizeAllCursor;
    case CursorShape::SizeVertical: return Qt::SizeVerCursor;
    case CursorShape::SizeHorizontal: return Qt::SizeHorCursor;
    case CursorShape::SizeDiagonalDown: return Qt::SizeFDiagCursor;
    case CursorShape::SizeDiagonalUp: return Qt::SizeBDiagCursor;
    case CursorShape::Hand: return Qt::PointingHandCursor;
    case CursorShape::No: return Qt::ForbiddenCursor;
    case CursorShape::Picture: break;
    }
    return Qt::ArrowCursor;
}

}  // namespace

QCursor ToToolkitCursor(const Cursor& cursor)
{
    if (cursor.Shape() != CursorShape::Picture)
        return QCursor(ToolkitShape(cursor.Shape()));
    const Bitmap image = cursor.Image();
    if (image.IsNull() || image.Width() <= 0 || image.Height() <= 0)
        return QCursor(Qt::ArrowCursor);
    QImage pixels(image.Width(), image.Height(), QImage::Format_ARGB32);
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            const RgbColour colour = image.PixelAt(x, y);
            pixels.setPixel(
                x, y, cursor.IsOpaqueAt(x, y) ? qRgba(colour.red, colour.green, colour.blue, 255) : qRgba(0, 0, 0, 0));
        }
    }
    const Point hotSpot = cursor.HotSpot();
    return QCursor(QPixmap::fromImage(pixels), hotSpot.x, hotSpot.y);
}

bool ToolkitShowsWaitCursor()
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr)
        return false;
    const QCursor* shown = QGuiApplication::overrideCursor();
    return shown != nullptr && shown->shape() == Qt::WaitCursor;
}

}  // namespace corvane::internal
