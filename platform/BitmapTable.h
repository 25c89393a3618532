#pragma once

#include "platform/Bitmap.h"

#include <cstdint>
#include <unordered_map>

namespace corvane {

// A bitmap's handle: the 32-bit number a run-time library is given or gives
// back in place of a pointer. 0 is no bitmap.
struct BitmapHandle {
    std::uint32_t value = 0;
    explicit operator bool() const { return value != 0; }
    friend bool operator==(BitmapHandle, BitmapHandle) = default;
};

// The bitmaps that have a handle. Whoever takes a handle for a bitmap
// releases it when done; a handle released, or never given, resolves to
// nothing, and a released handle is not given again until the numbers have
// gone all the way round. For the UI thread.
class BitmapTable {
public:
    // Keeps the bitmap under a new handle.
    BitmapHandle Take(Bitmap bitmap);
    // The bitmap kept under the handle; null when there is none.
    const Bitmap* Find(BitmapHandle handle) const;
    // Drops the bitmap; false when the handle holds none.
    bool Release(BitmapHandle handle);
    // How many handles are held.
    std::size_t Count() const { return bitmaps_.size(); }

private:
    std::uint32_t nextValue_ = 1;
    std::unordered_map<std::uint32_t, Bitmap> bitmaps_;
};

}  // namespace corvane
