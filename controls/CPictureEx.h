#pragma once

#include "platform/Bitmap.h"
#include "platform/ColourValue.h"
#include "platform/DecodedPicture.h"
#include "platform/Geometry.h"
#include "platform/Window.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>

namespace corvane {

class DeviceContext;
class PictureControl;

// A picture control of a dialog that shows a still picture or plays an
// animation: a GIF of several images, or one of the program's own
// animations. Frames are drawn into a surface of the picture's size, each
// shown for its delay (at least 100 ms: delays below 5 hundredths of a
// second show 100 ms) and then disposed of as it asks; after the last frame
// the surface is cleared to the background colour and the first comes
// again. The frames advance on a timer of this window, on the UI thread, so
// Stop and UnLoad take effect at once. Pixels of the key colour (magenta)
// show what is behind the control. A left click sends the dialog message
// 0x8200 (control id, this window's handle).
//
// Attach once, after the dialog has made its controls; the control must
// outlive the calls made to this.
class CPictureEx final : public Window {
public:
    static constexpr MessageId kClickedMessage = 0x8200;
    static constexpr std::uint32_t kFrameTimerId = 1;
    static constexpr RgbColour kKeyColour = DecodedPicture::kKeyColour;
    static constexpr RgbColour kWhite{255, 255, 255};

    explicit CPictureEx(PictureControl& control);
    ~CPictureEx() override;

    // False, showing nothing, when the file is missing, damaged or no picture.
    bool LoadFromFile(const std::filesystem::path& path);
    // BMP, JPEG, PNG or GIF bytes. A damaged GIF keeps the frames before
    // the damage; false when no frame is left.
    bool Load(std::span<const std::uint8_t> bytes);
    // One of the program's own pictures, as frames; false when it has none.
    bool Load(DecodedPicture picture);
    // Prepares the surface (the control takes the picture's size, the
    // background becomes the button-face colour) and shows the still picture
    // or starts the animation; false when nothing is loaded.
    bool Draw();
    // Starts an animation; draws a still picture into the rectangle.
    bool DrawToDC(DeviceContext& dc, const Rect& rect);
    void Stop();
    void UnLoad();

    // Stretched, the whole surface covers the control (without the key colour).
    void SetStretch(bool stretch);
    // The part of the surface shown at the control's top-left corner; an
    // empty rectangle shows the whole picture.
    void SetPaintRect(const Rect& rect);
    // The picture's own size; 0 by 0 when nothing is loaded.
    Size GetSize() const { return picture_.size; }
    // Fills the control with the background colour.
    void EraseBackground();

    bool IsLoaded() const { return !picture_.IsEmpty(); }
    bool IsGif() const { return isGif_; }
    bool IsAnimated() const { return picture_.IsAnimated(); }
    bool IsPlaying() const { return playing_; }
    RgbColour BackgroundColour() const { return background_; }
    // The frame on the surface now (0 for a still picture).
    std::size_t CurrentFrame() const { return current_; }
    // The drawing surface: the picture as it shows now (empty before Draw).
    const Bitmap& Surface() const { return surface_; }
    PictureControl& Control() const { return control_; }

    // How long a frame with this delay shows, in milliseconds.
    static std::uint32_t FrameDelayMs(int delayHundredths);

    std::intptr_t OnMessage(Message& message) override;

private:
    bool PrepareSurface();
    void StartAnimation();
    void RenderFrame(std::size_t index);
    void DisposeFrame(std::size_t index);
    void NextFrame();
    // Hands the surface to the control as painting shows it.
    void ShowSurface();

    PictureControl& control_;
    DecodedPicture picture_;
    bool isGif_ = false;
    RgbColour background_ = kWhite;
    Bitmap surface_;
    bool surfaceReady_ = false;
    // What a frame with disposal 3 covered.
    Bitmap saved_;
    std::size_t current_ = 0;
    bool playing_ = false;
    bool stretch_ = false;
    Rect paintRect_;
};

}  // namespace corvane
