#pragma once

#include "netmodel/CCorvaneIcon.h"
#include "platform/Geometry.h"

#include <functional>
#include <map>
#include <memory>

namespace corvane {


// The makers of the palette's icons by cell: the icon libraries register
// the class each cell makes (they sit above the views, which only know
// cells). A maker gets the placing rectangle and the cell's picture id.
// A cell without a maker is shown disabled on the palette.
class PaletteIconMakers {
public:
    using Maker = std::function<std::unique_ptr<CCorvaneIcon>(const Rect& position, int bitmapId)>;

    void Register(int cell, Maker maker) { makers_[cell] = std::move(maker); }
    bool Has(int cell) const { return makers_.contains(cell); }
    // The cell's icon, or null when no class is registered for it.
    std::unique_ptr<CCorvaneIcon> Make(int cell, const Rect& position, int bitmapId) const
    {
        const auto found = makers_.find(cell);
        return found != makers_.end() ? found->second(position, bitmapId) : nullptr;
    }

private:
    std::map<int, Maker> makers_;
};

}  // namespace corvane
