#include "platform/DeviceContext.h"

#include "platform/internal/DeviceContextImpl.h"

#include <utility>

namespace corvane {

DeviceContext::DeviceContext(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
DeviceContext::~DeviceContext() = default;

// ------------------------------------------------------------ tools and modes

Pen DeviceContext::SelectPen(const Pen& pen) { return std::exchange(impl_->state.pen, pen); }
Brush DeviceContext::SelectBrush(const Brush& brush) { return std::exchange(impl_->state.brush, brush); }
FontSpec DeviceContext::SelectFont(const FontSpec& font) { return std::exchange(impl_->state.font, font); }
const Pen& DeviceContext::CurrentPen() const { return impl_->state.pen; }
const Brush& DeviceContext::CurrentBrush() const { return impl_->state.brush; }
const FontSpec& DeviceContext::CurrentFont() const { return impl_->state.font; }
RgbColour DeviceContext::SetTextColour(RgbColour colour) { return std::exchange(impl_->state.textColour, colour); }

RgbColour DeviceContext::SetBackgroundColour(RgbColour colour)
{
    return std::exchange(impl_->state.backgroundColour, colour);
}

BackgroundMode DeviceContext::SetBackgroundMode(BackgroundMode mode)
{
    return std::exchange(impl_->state.backgroundMode, mode);
}

MixMode DeviceContext::SetMixMode(MixMode mode) { return std::exchange(impl_->state.mix, mode); }
Point DeviceContext::SetBrushOrigin(Point origin) { return std::exchange(impl_->state.brushOrigin, origin); }
unsigned DeviceContext::SetTextAlign(unsigned textAlign) { return std::exchange(impl_->state.textAlign, textAlign); }
bool DeviceContext::SetAntialiasing(bool on) { return std::exchange(impl_->state.antialias, on); }
bool DeviceContext::Antialiasing() const { return impl_->state.antialias; }

// ------------------------------------------------------------ clipping

void DeviceContext::SelectClipRegion(const Region& deviceRegion)
{
    impl_->state.clip = deviceRegion.Data().region;
    impl_->ApplyClip();
}

void DeviceContext::IntersectClipRect(const Rect& rect)
{
    impl_->state.clip = impl_->CurrentClipRegion().intersected(impl_->ToDeviceRect(rect));
    impl_->ApplyClip();
}

void DeviceContext::ExcludeClipRect(const Rect& rect)
{
    impl_->state.clip = impl_->CurrentClipRegion().subtracted(impl_->ToDeviceRect(rect));
    impl_->ApplyClip();
}

void DeviceContext::ResetClip()
{
    impl_->state.clip.reset();
    impl_->ApplyClip();
}

Rect DeviceContext::ClipBox() const
{
    if (impl_->clipBounds.isEmpty())
        return {};
    return DeviceToLogical(FromQRect(impl_->clipBounds)).Normalized();
}

// ------------------------------------------------------------ mapping

MapMode DeviceContext::SetMapMode(MapMode mode)
{
    DrawingState& s = impl_->state;
    const MapMode previous = std::exchange(s.mapMode, mode);
    if (mode == MapMode::Text) {
        s.windowExtent = {1, 1};
        s.viewportExtent = {1, 1};
    }
    impl_->FixIsotropic();
    return previous;
}

MapMode DeviceContext::CurrentMapMode() const { return impl_->state.mapMode; }
Point DeviceContext::SetWindowOrigin(Point origin) { return std::exchange(impl_->state.windowOrigin, origin); }

Size DeviceContext::SetWindowExtent(Size extent)
{
    DrawingState& s = impl_->state;
    const Size previous = s.windowExtent;
    if (s.mapMode == MapMode::Text || extent.width == 0 || extent.height == 0)
        return previous;
    s.windowExtent = extent;
    impl_->FixIsotropic();
    return previous;
}

Point DeviceContext::SetViewportOrigin(Point origin) { return std::exchange(impl_->state.viewportOrigin, origin); }

Size DeviceContext::SetViewportExtent(Size extent)
{
    DrawingState& s = impl_->state;
    const Size previous = s.viewportExtent;
    if (s.mapMode == MapMode::Text || extent.width == 0 || extent.height == 0)
        return previous;
    s.viewportExtent = extent;
    impl_->FixIsotropic();
    return previous;
}

Point DeviceContext::OffsetViewportOrigin(int dx, int dy)
{
    Point& origin = impl_->state.viewportOrigin;
    const Point previous = origin;
    origin = {ClampCoordinate(std::int64_t{origin.x} + dx), ClampCoordinate(std::int64_t{origin.y} + dy)};
    return previous;
}

Point DeviceContext::WindowOrigin() const { return impl_->state.windowOrigin; }
Point DeviceContext::ViewportOrigin() const { return impl_->state.viewportOrigin; }
Size DeviceContext::WindowExtent() const { return impl_->state.windowExtent; }
Size DeviceContext::ViewportExtent() const { return impl_->state.viewportExtent; }

Point DeviceContext::LogicalToDevice(Point point) const { return impl_->ToDevice(point); }

Rect DeviceContext::LogicalToDevice(const Rect& rect) const
{
    return {static_cast<int>(impl_->ToDeviceX(rect.left)), static_cast<int>(impl_->ToDeviceY(rect.top)),
        static_cast<int>(impl_->ToDeviceX(rect.right)), static_cast<int>(impl_->ToDeviceY(rect.bottom))};
}

Point DeviceContext::DeviceToLogical(Point point) const
{
    return {static_cast<int>(impl_->ToLogicalX(point.x)), static_cast<int>(impl_->ToLogicalY(point.y))};
}

Rect DeviceContext::DeviceToLogical(const Rect& rect) const
{
    return {static_cast<int>(impl_->ToLogicalX(rect.left)), static_cast<int>(impl_->ToLogicalY(rect.top)),
        static_cast<int>(impl_->ToLogicalX(rect.right)), static_cast<int>(impl_->ToLogicalY(rect.bottom))};
}

// ------------------------------------------------------------ saving

int DeviceContext::Save()
{
    impl_->saved.push_back(impl_->state);
    return static_cast<int>(impl_->saved.size());
}

void DeviceContext::Restore(int saved)
{
    auto& stack = impl_->saved;
    const auto depth = static_cast<std::int64_t>(stack.size());
    // A positive number is what Save returned; a negative one counts back
    // from the latest save.
    const std::int64_t index = saved > 0 ? std::int64_t{saved} - 1 : depth + saved;
    if (saved == 0 || index < 0 || index >= depth)
        return;
    impl_->state = stack[static_cast<std::size_t>(index)];
    stack.resize(static_cast<std::size_t>(index));
    impl_->ApplyClip();
}

// ------------------------------------------------------------ the surface

Size DeviceContext::SurfaceSize() const { return impl_->surface; }
Size DeviceContext::PixelsPerInch() const { return impl_->pixelsPerInch; }
bool DeviceContext::IsPrinting() const { return impl_->printing; }

// ------------------------------------------------------------ memory

std::unique_ptr<DeviceContext::Impl> MakeMemoryContextImpl(Bitmap& target)
{
    Bitmap::Impl& pixels = target.Data();
    // Only one context draws into a bitmap at a time; a second one draws nothing.
    const bool free = pixels.painter == nullptr && !pixels.image.isNull();
    auto impl = std::make_unique<DeviceContext::Impl>(free ? &pixels.image : nullptr, nullptr, false, Size{96, 96});
    if (impl->active) {
        impl->target = &pixels;
        pixels.painter = impl.get();
    }
    return impl;
}

MemoryContext::MemoryContext(Bitmap& target) : DeviceContext(MakeMemoryContextImpl(target)) {}
MemoryContext::~MemoryContext() = default;

// The painter writes straight into the bitmap's pixels, so they are always
// up to date; Flush is kept for callers that want to say so.
void MemoryContext::Flush() {}

}  // namespace corvane
