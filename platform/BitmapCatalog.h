#pragma once

#include "platform/Bitmap.h"

#include <functional>
#include <future>
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

    BitmapCatalog() = default;
    BitmapCatalog(const BitmapCatalog&) = delete;
    BitmapCatalog& operator=(const BitmapCatalog&) = delete;
    ~BitmapCatalog();

    void Register(int id, Maker maker);  // replaces an earlier maker of the id
    bool Has(int id) const;
    // Starts making the picture of the id on a thread of its own, beside
    // whatever the caller does until it asks for the picture (Get waits for
    // it). For a picture that takes long to draw and is needed soon; its
    // maker must draw on its own bitmap and touch nothing shared. Nothing
    // when the id has no maker or its picture is made or being made.
    void MakeAhead(int id);
    // Waits for the pictures still being made, dropping them (for a toolkit
    // about to go).
    void FinishMakingAhead();
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
    std::map<int, std::future<Bitmap>> ahead_;
    Bitmap placeholder_;
    std::map<std::pair<int, int>, Bitmap> sizedPlaceholders_;
};

}  // namespace corvane
