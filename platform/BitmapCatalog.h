#pragma once

#include "platform/Bitmap.h"

#include <functional>
#include <map>
#include <utility>

namespace corvane {

// The program's pictures by resource id. The resource library registers a
// maker for each id (drawing the picture in code or decoding an asset);
// pictures are made once, on first use, and kept. An id with no maker, or
// whose maker gives an empty bitmap, gives a visible placeholder of the
// requested size (or 16 by 16): asking for a picture never fails.
class BitmapCatalog {
public:
    using Maker = std::function<Bitmap()>;

    void Register(int id, Maker maker);  // replaces an earlier maker of the id
    bool Has(int id) const;
    // The picture of the id, or the placeholder; the reference stays valid
    // until the catalog goes or the id is registered again.
    const Bitmap& Get(int id);
    // The same, with a placeholder of the given size for an id that has no
    // picture (16 by 16 when the size is not positive).
    const Bitmap& Get(int id, Size placeholderSize);
    // The placeholder itself: a framed box with a diagonal cross.
    static Bitmap Placeholder(int width = 16, int height = 16);

private:
    const Bitmap& PlaceholderOf(Size size);

    std::map<int, Maker> makers_;
    std::map<int, Bitmap> made_;
    Bitmap placeholder_;
    std::map<std::pair<int, int>, Bitmap> sizedPlaceholders_;
};

}  // namespace corvane
