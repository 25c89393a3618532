#include "platform/internal/PaintDeviceContext.h"

#include "platform/internal/DeviceContextImpl.h"

#include <QPaintDevice>

namespace corvane::internal {

namespace {

std::unique_ptr<DeviceContext::Impl> MakeImpl(QPaintDevice& device, const QRegion* updateRegion, bool printing)
{
    // The resolution is the device's own: a printed page reports its dots.
    const Size pixelsPerInch{std::max(device.logicalDpiX(), 1), std::max(device.logicalDpiY(), 1)};
    return std::make_unique<DeviceContext::Impl>(&device, updateRegion, printing, pixelsPerInch);
}

}  // namespace

PaintDeviceContext::PaintDeviceContext(QPaintDevice& device, const QRegion* updateRegion, bool printing)
    : DeviceContext(MakeImpl(device, updateRegion, printing))
{}

PaintDeviceContext::~PaintDeviceContext() = default;

}  // namespace corvane::internal
