#pragma once

#include "platform/DeviceContext.h"

class QPaintDevice;
class QRegion;

namespace corvane::internal {

// A context drawing on any Qt paint device: a widget inside its paint
// event, a printer or PDF page. The device must outlive the context. When
// an update region is given, drawing is clipped to it (the region a paint
// event repaints), and ClipBox reports it.
class PaintDeviceContext : public DeviceContext {
public:
    explicit PaintDeviceContext(QPaintDevice& device, const QRegion* updateRegion = nullptr, bool printing = false);
    ~PaintDeviceContext() override;
};

}  // namespace corvane::internal
