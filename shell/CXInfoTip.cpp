#include "shell/CXInfoTip.h"

#include "platform/Application.h"
#include "platform/Bitmap.h"
#include "platform/Cursor.h"
#include "platform/DeviceContext.h"
#include "platform/Screen.h"
#include "platform/SystemColours.h"
#include "shell/StatusSink.h"

#include <array>

namespace corvane {

namespace {

// The tip's text: the part before the first line break, or the whole text
// when that part is empty.
std::string_view FirstLine(std::string_view text)
{
    const std::size_t end = text.find('\n');
    if (end == std::string_view::npos || end == 0)
        return text;
    return text.substr(0, end);
}

}  // namespace

CXInfoTip::CXInfoTip(StatusSink& status) : status_(status) { SetBackgroundColour(kFillColour); }

CXInfoTip::~CXInfoTip() = default;

bool CXInfoTip::Create(const Window* parent)
{
    created_ = parent != nullptr;
    return created_;
}

void CXInfoTip::AddTool(const Window& window, std::string_view text, std::uintptr_t value)
{
    tools_[window.Handle().value] = Tool{std::string(FirstLine(text)), value};
}

void CXInfoTip::RemoveTool(const Window& window) { tools_.erase(window.Handle().value); }

void CXInfoTip::Show(std::string_view text, std::optional<Point> screenPoint)
{
    if (!created_)
        return;
    anchor_ = screenPoint.value_or(CursorScreenPosition());
    flipped_ = anchor_.x + lastSize_.width >= VirtualScreenRect().right;
    const std::size_t lineBreak = text.find('\n');
    status_.SetStatusText(lineBreak == std::string_view::npos ? std::string_view() : text.substr(lineBreak));
    const std::string_view first = lineBreak == 0 || lineBreak == std::string_view::npos ? text : text.substr(0, lineBreak);
    text_ = std::string(first) + " ";
    waiting_ = true;
    SetTimer(kShowTimerId, kShowDelayMs);
}

void CXInfoTip::Hide()
{
    KillTimer(kShowTimerId);
    KillTimer(kWatchTimerId);
    waiting_ = false;
    showing_ = false;
    PopupWindow::Hide();
}

void CXInfoTip::RelayEvent(Relayed message)
{
    if (message == Relayed::ButtonDown) {
        Hide();
        return;
    }
    const Point cursor = CursorScreenPosition();
    if (cursor == anchor_)
        return;
    const WindowHandle under = WindowFromScreenPoint(cursor);
    const auto tool = tools_.find(under.value);
    if (under && tool != tools_.end() && Application::Instance().IsWindow(under)) {
        anchor_ = cursor;
        // Copied: Show replaces what the tip shows.
        const std::string text = tool->second.text;
        Show(text, anchor_);
    }
    if (cursor != anchor_)
        Hide();
}

Size CXInfoTip::MeasureTip() const
{
    Bitmap scratch(1, 1);
    MemoryContext dc(scratch);
    Rect text{0, 0, 0, 0};
    dc.DrawText(text, text_, text_format::kLeft | text_format::kCalcRect);
    return {text.Width() + 2 * kMargin, text.Height() + 2 * kMargin};
}

// The body is a rounded rectangle below the pointer, which stands on the
// body's top edge kMargin pixels in from the side the tip opens from, and
// points up at the anchor.
Region CXInfoTip::TipShape(Size size) const
{
    const Region body = Region::FromRoundRect({0, kPointerHeight, size.width, kPointerHeight + size.height}, {3, 3});
    const int tipX = flipped_ ? size.width - kMargin : kMargin;
    const int baseX = flipped_ ? tipX - kPointerWidth : tipX + kPointerWidth;
    const std::array<Point, 3> pointer{Point{tipX, 0}, Point{tipX, kPointerHeight + 1}, Point{baseX, kPointerHeight + 1}};
    return body.Combined(Region::FromPolygon(pointer), Region::Combine::Or);
}

void CXInfoTip::ShowNow()
{
    const Size size = MeasureTip();
    lastSize_ = size;
    SetShape(TipShape(size));
    const int left = flipped_ ? anchor_.x - size.width + kMargin : anchor_.x - kMargin;
    const int top = anchor_.y + size.height - 1;
    ShowAt(Rect::FromPointAndSize({left, top}, {size.width, size.height + kPointerHeight}));
    waiting_ = false;
    showing_ = true;
    SetTimer(kWatchTimerId, kWatchIntervalMs);
}

void CXInfoTip::OnTimer(std::uint32_t id)
{
    if (id == kShowTimerId) {
        KillTimer(kShowTimerId);
        ShowNow();
        return;
    }
    if (id == kWatchTimerId) {
        if (CursorScreenPosition() != anchor_) {
            KillTimer(kWatchTimerId);
            Hide();
        }
        return;
    }
    PopupWindow::OnTimer(id);
}

bool CXInfoTip::OnEraseBackground(DeviceContext& dc)
{
    dc.FillRect(ClientRect(), SolidBrush(kFillColour));
    return true;
}

void CXInfoTip::OnPaint(DeviceContext& dc)
{
    const Size size = lastSize_;
    const Region shape = TipShape(size);
    dc.FillRegion(shape, SolidBrush(kFillColour));
    dc.FrameRegion(shape, SolidBrush(GetSystemColour(SystemColour::ScrollBar)), {3, 3});
    dc.FrameRegion(shape, SolidBrush(GetSystemColour(SystemColour::WindowText)), {1, 1});
    dc.SetBackgroundMode(BackgroundMode::Transparent);
    dc.SetTextColour(GetSystemColour(SystemColour::WindowText));
    Rect text{kMargin, kPointerHeight + kMargin, size.width, kPointerHeight + size.height};
    dc.DrawText(text, text_, text_format::kLeft);
}

}  // namespace corvane
