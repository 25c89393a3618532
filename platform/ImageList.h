#pragma once

#include "platform/Bitmap.h"
#include "platform/ColourValue.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>

namespace corvane {

// Small images of one size, each known by its index, that list views and
// tree views show beside their items. A control given a list keeps its own
// copy, so the list may change or go afterwards; give it again to show the
// changes. Copies share the image data, so they are cheap.
class ImageList {
public:
    explicit ImageList(int width = 16, int height = 16);
    ~ImageList();
    ImageList(const ImageList& other);
    ImageList& operator=(const ImageList& other);

    int Width() const;
    int Height() const;
    int Count() const;
    void Clear();

    // Adds the images of PNG, BMP or GIF bytes (a GIF's first frame). A
    // picture as high as the list's images and a whole number of them wide is
    // a strip of that many images; a picture of any other size becomes one
    // image, scaled to fit. Returns the index of the first image added, or -1
    // (and adds nothing) when the bytes are no picture.
    int Add(std::span<const std::uint8_t> bytes);
    // The same, with the pixels of one colour made transparent.
    int Add(std::span<const std::uint8_t> bytes, RgbColour transparent);
    // The same from a file; -1 when it cannot be read.
    int AddFile(const std::filesystem::path& path);
    // The same from a picture in memory (one drawn in code), optionally with
    // the pixels of one colour made transparent; -1 for an empty bitmap.
    int Add(const Bitmap& strip, std::optional<RgbColour> transparent = std::nullopt);

    // For the platform's own code.
    struct Impl;
    const Impl& Data() const { return *impl_; }

private:
    int AddDecoded(std::span<const std::uint8_t> bytes, const RgbColour* transparent);

    std::unique_ptr<Impl> impl_;
};

}  // namespace corvane
