#pragma once

#include "platform/Geometry.h"

#include <cstddef>

namespace corvane {

class CCorvaneObj;

// What net objects and their document need of a view that shows them:
// its selection, its activation, and repainting. The editing views
// implement it; the model never sees a window.
class NetObjectView {
public:
    virtual ~NetObjectView() = default;

    virtual bool IsSelected(const CCorvaneObj& object) const = 0;
    virtual std::size_t SelectionCount() const = 0;
    virtual void DropFromSelection(const CCorvaneObj& object) = 0;
    // Trackers are drawn only in an activated view.
    virtual bool IsViewActivated() const = 0;
    // Repaint the area an object covers now (with its connectors, links
    // and selection marks).
    virtual void InvalidateObject(const CCorvaneObj& object) = 0;
    // The document's paper size changed (hundredths of an inch).
    virtual void OnPaperSizeChanged(Size paper) = 0;
};

}  // namespace corvane
