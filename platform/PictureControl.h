#pragma once

#include "platform/Control.h"

#include <cstdint>
#include <filesystem>
#include <span>

namespace corvane {

// A picture (kind Picture): a PNG, BMP or GIF image (of an animated GIF its
// first frame), centred in the control's rectangle at its own size, or
// scaled down, keeping its proportions, when it does not fit.
class PictureControl : public Control {
public:
    using Control::Control;

    // False, keeping the picture shown, when the bytes are no picture or one
    // too large to show.
    bool SetImage(std::span<const std::uint8_t> bytes);
    bool SetImageFile(const std::filesystem::path& path);
    void ClearImage();
    bool HasImage() const;
    // The size the picture is shown at; 0 by 0 for none.
    int ShownWidth() const;
    int ShownHeight() const;
};

}  // namespace corvane
