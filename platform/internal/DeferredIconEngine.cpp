#include "platform/internal/DeferredIconEngine.h"

#include <QGuiApplication>
#include <QPaintDevice>
#include <QPainter>

#include <utility>

namespace corvane::internal {

DeferredIconEngine::DeferredIconEngine(Maker maker) : maker_(std::move(maker)) {}

DeferredIconEngine::~DeferredIconEngine() = default;

QIcon& DeferredIconEngine::Icon()
{
    if (!icon_)
        icon_ = maker_ ? maker_() : QIcon();
    return *icon_;
}

// The engine's own calls work in device pixels; the icon's public calls at a
// device pixel ratio of 1 reach its engine with the size unchanged.

void DeferredIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state)
{
    // As the style's icons paint: their picture for the rectangle's size in
    // device pixels, drawn over the rectangle (aligned by the caller).
    const QPaintDevice* device = painter->device();
    const qreal ratio = device != nullptr ? device->devicePixelRatio() : qGuiApp->devicePixelRatio();
    painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
}

QSize DeferredIconEngine::actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state)
{
    QIcon& icon = Icon();
    if (!(qGuiApp != nullptr && qGuiApp->devicePixelRatio() > 1.0))
        return icon.actualSize(size, mode, state);
    // The public call would scale by the ratio again; the picture the engine
    // gives for the size has the size the engine would say.
    return icon.pixmap(size, 1.0, mode, state).size();
}

QPixmap DeferredIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state)
{
    return Icon().pixmap(size, 1.0, mode, state);
}

QPixmap DeferredIconEngine::scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale)
{
    if (!(scale > 1.0))
        return pixmap(size, mode, state);
    // The size is in device pixels; the icon's call takes it before scaling.
    return Icon().pixmap(size / scale, scale, mode, state);
}

void DeferredIconEngine::addPixmap(const QPixmap& pixmap, QIcon::Mode mode, QIcon::State state)
{
    Icon().addPixmap(pixmap, mode, state);
}

void DeferredIconEngine::addFile(const QString& fileName, const QSize& size, QIcon::Mode mode, QIcon::State state)
{
    Icon().addFile(fileName, size, mode, state);
}

QString DeferredIconEngine::key() const { return QStringLiteral("DeferredIconEngine"); }

QIconEngine* DeferredIconEngine::clone() const { return new DeferredIconEngine(*this); }

QList<QSize> DeferredIconEngine::availableSizes(QIcon::Mode mode, QIcon::State state)
{
    return Icon().availableSizes(mode, state);
}

QString DeferredIconEngine::iconName() { return Icon().name(); }

}  // namespace corvane::internal
