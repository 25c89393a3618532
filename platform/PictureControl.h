#pragma once

#include "platform/Bitmap.h"
#include "platform/ColourValue.h"
#include "platform/Control.h"
#include "platform/Geometry.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
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

    // A picture the program draws (an animation's frame): shown at the
    // control's top-left corner at its own size, or stretched over the
    // whole control. Pixels of the key colour show what is behind the
    // control; stretched pictures are shown whole, key colour included.
    void ShowDrawnPicture(const Bitmap& picture, bool stretch, std::optional<RgbColour> key);
    // The control's size in pixels; SetPixelSize keeps its top-left corner.
    Size PixelSize() const;
    void SetPixelSize(Size size);
    // Called when the left button goes down on the control.
    void SetLeftPressHandler(std::function<void()> handler);
    // The control as it is drawn now, over the dialog's background.
    Bitmap RenderToBitmap() const;
};

}  // namespace corvane
