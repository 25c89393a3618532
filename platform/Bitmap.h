#pragma once

#include "platform/ColourValue.h"
#include "platform/Geometry.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>

namespace corvane {

// A picture in memory, 32 bits per pixel, that a MemoryContext draws into
// and a DeviceContext copies from. A new bitmap is white. A value type:
// copies are independent (and cheap until one of them changes).
class Bitmap {
public:
    Bitmap();  // 0 by 0
    Bitmap(int width, int height);
    ~Bitmap();
    Bitmap(const Bitmap& other);
    Bitmap& operator=(const Bitmap& other);
    Bitmap(Bitmap&&) noexcept;
    Bitmap& operator=(Bitmap&&) noexcept;

    // PNG, BMP or GIF bytes (a GIF's first frame); an empty bitmap when the
    // bytes are no picture.
    static Bitmap FromImageBytes(std::span<const std::uint8_t> bytes);

    bool IsNull() const;
    int Width() const;
    int Height() const;
    Size Extent() const { return {Width(), Height()}; }

    // Outside the bitmap PixelAt gives black and SetPixel does nothing.
    RgbColour PixelAt(int x, int y) const;
    void SetPixel(int x, int y, RgbColour colour);
    void Fill(RgbColour colour);

    // A copy of a part of this bitmap, clipped to it.
    Bitmap Copy(const Rect& part) const;

    // Writes a PNG atomically; false (and an explanation in *error) when the
    // file cannot be written.
    bool SavePng(const std::filesystem::path& path, std::string* error = nullptr) const;
    std::string PngBytes() const;
    // PNG bytes with an alpha channel in which the pixels of the key colour
    // are see-through (for icons drawn on a key colour); empty for an empty bitmap.
    std::string KeyedPngBytes(RgbColour key) const;

    // For the platform's own code.
    struct Impl;
    Impl& Data() const { return *impl_; }

private:
    explicit Bitmap(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};

}  // namespace corvane
