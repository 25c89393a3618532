#include "app/CSplashWnd.h"

#include "platform/Bitmap.h"
#include "platform/DeviceContext.h"
#include "platform/MdiFrame.h"

namespace corvane {

CSplashWnd::CSplashWnd(const Bitmap& picture) : picture_(picture), presses_([this] { return OnAnyPress(); }) {}

CSplashWnd::~CSplashWnd() = default;

void CSplashWnd::ShowOver(const MdiFrame& frame)
{
    if (showing_) {
        return;
    }
    const Rect area = frame.WindowRect();
    const Size size = picture_.Extent();
    const Point topLeft{area.left + (area.Width() - size.width) / 2, area.top + (area.Height() - size.height) / 2};
    ShowAt(Rect::FromPointAndSize(topLeft, size));
    showing_ = true;
    SetTimer(kHideTimer, kShowMilliseconds);
    UpdateWindow();
}

void CSplashWnd::HideSplash()
{
    if (!showing_) {
        return;
    }
    showing_ = false;
    KillTimer(kHideTimer);
    Hide();
}

void CSplashWnd::OnPaint(DeviceContext& dc)
{
    const Size size = picture_.Extent();
    dc.CopyBitmap({0, 0}, picture_, Rect::FromPointAndSize({0, 0}, size));
}

void CSplashWnd::OnTimer(std::uint32_t) { HideSplash(); }

bool CSplashWnd::OnAnyPress()
{
    if (!showing_) {
        return false;
    }
    HideSplash();
    return true;
}

}  // namespace corvane
