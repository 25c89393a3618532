#include "platform/BitmapTable.h"

#include <utility>

namespace corvane {

BitmapHandle BitmapTable::Take(Bitmap bitmap)
{
    // Numbers go up so that a released handle is refused rather than found
    // holding someone else's bitmap; after a wrap, 0 and numbers still held
    // are passed over.
    while (nextValue_ == 0 || bitmaps_.contains(nextValue_))
        ++nextValue_;
    const std::uint32_t value = nextValue_++;
    bitmaps_.emplace(value, std::move(bitmap));
    return BitmapHandle{value};
}

const Bitmap* BitmapTable::Find(BitmapHandle handle) const
{
    const auto it = bitmaps_.find(handle.value);
    return it == bitmaps_.end() ? nullptr : &it->second;
}

bool BitmapTable::Release(BitmapHandle handle) { return bitmaps_.erase(handle.value) != 0; }

}  // namespace corvane
