#pragma once

#include "platform/InputPressWatch.h"
#include "platform/PopupWindow.h"

#include <cstdint>

namespace corvane {

class Bitmap;
class MdiFrame;

// The picture shown over the main frame while the program starts. It goes
// after 1750 ms, or at the first key or mouse-button press anywhere in the
// program, which then goes no further.
class CSplashWnd final : public PopupWindow {
public:
    static constexpr std::uint32_t kHideTimer = 1;
    static constexpr std::uint32_t kShowMilliseconds = 1750;

    explicit CSplashWnd(const Bitmap& picture);
    ~CSplashWnd() override;

    // Shows the picture centred over the frame (nothing when it shows already).
    void ShowOver(const MdiFrame& frame);
    void HideSplash();
    bool Showing() const { return showing_; }

protected:
    void OnPaint(DeviceContext& dc) override;
    void OnTimer(std::uint32_t id) override;

private:
    bool OnAnyPress();

    const Bitmap& picture_;
    bool showing_ = false;
    InputPressWatch presses_;
};

}  // namespace corvane
