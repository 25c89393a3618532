#include "netmodel/CIconBar.h"

#include "netmodel/CCorvaneIcon.h"
#include "netmodel/EditorEnvironment.h"
#include "netmodel/PaletteIconMakers.h"
#include "netmodel/PaletteMessages.h"
#include "platform/Application.h"
#include "platform/BitmapCatalog.h"
#include "platform/CursorCatalog.h"
#include "platform/DeviceContext.h"
#include "res/ResourceIds.h"

#include <memory>

namespace corvane {

namespace {

// The cells whose pictures follow the connected logger's network features.
constexpr int kEmailCell = 11;
constexpr int kFtpCell = 12;
constexpr int kMqttCell = 45;
// The low three bits of the capability byte: the logger's network features.
constexpr std::uint8_t kNetworkFeatureBits = 0x07;

// The check box: a 13-pixel square at the left of its rectangle, the text after it.
constexpr int kBoxSide = 13;
constexpr int kBoxTextGap = 4;
constexpr std::string_view kKeepOpenText = "Keep Palette Open";  // "&Keep Palette Open": K underlined

constexpr RgbColour kBarColour{240, 240, 240};
constexpr RgbColour kBoxFrame{96, 96, 96};
constexpr RgbColour kBoxFill{255, 255, 255};
constexpr RgbColour kTextColour{0, 0, 0};

// A picture washed out towards the bar's colour, for a cell that cannot be used.
Bitmap Greyed(const Bitmap& picture)
{
    Bitmap greyed = picture;
    for (int y = 0; y < greyed.Height(); ++y) {
        for (int x = 0; x < greyed.Width(); ++x) {
            const RgbColour c = greyed.PixelAt(x, y);
            const int luminance = (c.red * 30 + c.green * 59 + c.blue * 11) / 100;
            const auto level = static_cast<std::uint8_t>((luminance + 2 * kBarColour.red) / 3);
            greyed.SetPixel(x, y, {level, level, level});
        }
    }
    return greyed;
}

}  // namespace

CIconBar::CIconBar(MdiFrame& owner, EditorEnvironment& environment)
    : ToolWindow(owner, kTitle), environment_(environment)
{
    SetBackgroundColour(kBarColour);
    SetClientSize(state_.CurrentSize());
    LoadModelImages();
}

CIconBar::~CIconBar() = default;

void CIconBar::TogglePalette() { Apply(state_.Toggle()); }

void CIconBar::LoadModelImages()
{
    for (int cell = 0; cell < kPaletteCellCount; ++cell)
        pictures_[static_cast<std::size_t>(cell)] = kPaletteFirstBitmap + cell;
    if (environment_.IsConnected() && (environment_.LoggerCapabilityByte() & kNetworkFeatureBits) == 0) {
        pictures_[kEmailCell] = res::kBitmapPaletteEmailUnavailable;
        pictures_[kFtpCell] = res::kBitmapPaletteFtpUnavailable;
        pictures_[kMqttCell] = res::kBitmapPaletteMqttUnavailable;
    }
    Invalidate();
}

bool CIconBar::IsCellEnabled(int cell) const { return environment_.PaletteMakers().Has(cell); }

int CIconBar::CellPicture(int cell) const
{
    return cell >= 0 && cell < kPaletteCellCount ? pictures_[static_cast<std::size_t>(cell)] : 0;
}

void CIconBar::Apply(const PaletteBarActions& actions)
{
    if (actions.stopHoverTimer)
        KillTimer(PaletteBarState::kHoverTimer);
    if (actions.releaseCapture)
        ReleaseCapture();
    if (actions.stopCollapseTimer)
        KillTimer(PaletteBarState::kCollapseTimer);
    if (actions.capture)
        SetCapture();
    if (actions.startHoverTimer)
        SetTimer(PaletteBarState::kHoverTimer, PaletteBarState::kHoverIntervalMs);
    if (actions.startCollapseTimer)
        SetTimer(PaletteBarState::kCollapseTimer, PaletteBarState::kCollapseIntervalMs);
    if (actions.expanded) {
        SetClientSize(state_.CurrentSize());
        ClearToolTips();
        for (int cell = 0; cell < kPaletteCellCount; ++cell)
            AddToolTip(cell, PaletteBarState::CellRect(cell));
        Invalidate();
    }
    if (actions.collapsed) {
        ClearToolTips();
        boxPressed_ = false;
        SetClientSize(state_.CurrentSize());
        Invalidate();
    }
}

bool CIconBar::PointerInside() const { return WindowRect().Contains(CursorScreenPosition()); }

void CIconBar::OnPaint(DeviceContext& dc)
{
    if (state_.IsCollapsed()) {
        const Bitmap& picture = App().Bitmaps().Get(res::kBitmapPaletteCollapsed);
        dc.CopyBitmap({0, 0}, picture, {0, 0, picture.Width(), picture.Height()});
        return;
    }
    DrawCells(dc);
    DrawKeepOpenBox(dc);
}

void CIconBar::DrawCells(DeviceContext& dc)
{
    BitmapCatalog& bitmaps = App().Bitmaps();
    const Size cellSize{kPaletteCellPixels, kPaletteCellPixels};
    for (int cell = 0; cell < kPaletteCellCount; ++cell) {
        const Rect place = PaletteBarState::CellRect(cell);
        const Bitmap& picture = bitmaps.Get(CellPicture(cell), cellSize);
        const Rect source{0, 0, picture.Width(), picture.Height()};
        if (IsCellEnabled(cell))
            dc.StretchBitmap(place, picture, source);
        else
            dc.StretchBitmap(place, Greyed(picture), source);
    }
}

void CIconBar::DrawKeepOpenBox(DeviceContext& dc)
{
    const Rect area = PaletteBarState::kKeepOpenBox;
    const int boxTop = area.top + (area.Height() - kBoxSide) / 2;
    const Rect box{area.left, boxTop, area.left + kBoxSide, boxTop + kBoxSide};
    dc.FillRect(box, SolidBrush(kBoxFill));
    dc.FrameRect(box, SolidBrush(kBoxFrame));
    if (state_.KeepOpen()) {
        dc.SelectPen(SolidPen(kTextColour, 2));
        dc.MoveTo({box.left + 3, box.top + 6});
        dc.LineTo({box.left + 5, box.top + 9});
        dc.LineTo({box.left + 10, box.top + 3});
    }
    dc.SetBackgroundMode(BackgroundMode::Transparent);
    dc.SetTextColour(kTextColour);
    Rect text{box.right + kBoxTextGap, area.top, area.right, area.bottom};
    dc.DrawText(text, kKeepOpenText, text_format::kLeft | text_format::kVCenter | text_format::kSingleLine);
    // The mnemonic's underline under the first letter.
    const Size full = dc.TextExtent(kKeepOpenText);
    const Size first = dc.TextExtent(kKeepOpenText.substr(0, 1));
    const int baseline = area.top + (area.Height() + full.height) / 2 - 2;
    dc.SelectPen(SolidPen(kTextColour));
    dc.MoveTo({text.left, baseline});
    dc.LineTo({text.left + first.width, baseline});
}

void CIconBar::OnMouseDown(const MouseEvent& event)
{
    if (event.button != MouseButton::Left || state_.IsCollapsed() || IsDragging())
        return;
    if (PaletteBarState::kKeepOpenBox.Contains(event.point)) {
        boxPressed_ = true;
        return;
    }
    const int cell = PaletteBarState::CellAt(event.point);
    if (cell < 0 || !IsCellEnabled(cell))
        return;
    dragCell_ = cell;
    SetCursor(App().Cursors().Get(res::kCursorPaletteDrag));
    SetCapture();
}

void CIconBar::OnMouseUp(const MouseEvent& event)
{
    if (event.button != MouseButton::Left)
        return;
    if (boxPressed_) {
        boxPressed_ = false;
        if (PaletteBarState::kKeepOpenBox.Contains(event.point) && !state_.IsCollapsed()) {
            state_.SetKeepOpen(!state_.KeepOpen());
            InvalidateRect(PaletteBarState::kKeepOpenBox);
        }
        return;
    }
    if (IsDragging())
        Drop(event.point);
}

void CIconBar::Drop(Point client)
{
    const int cell = dragCell_;
    dragCell_ = -1;
    ReleaseCapture();
    SetCursor(Cursor());
    if (target_ == nullptr || !target_->IsVisible())
        return;
    const Point screen = ClientToScreen(client);
    // The palette floats above the view: a release over the palette is not over the view.
    if (WindowRect().Contains(screen))
        return;
    const Point inView = target_->ScreenToClient(screen);
    if (!target_->ClientRect().Contains(inView))
        return;
    target_->PostMessage(
        kPaletteDropMessage, static_cast<std::uintptr_t>(cell), 0, std::make_unique<PaletteDropPayload>(inView));
}

void CIconBar::OnMouseMove(const MouseEvent&)
{
    // A drag holds the mouse itself; hovering must not take it away.
    if (!IsDragging())
        Apply(state_.OnMouseMove());
}

void CIconBar::OnTimer(std::uint32_t id)
{
    if (id == PaletteBarState::kHoverTimer)
        Apply(state_.OnHoverTick(PointerInside()));
    else if (id == PaletteBarState::kCollapseTimer)
        Apply(state_.OnCollapseTick(PointerInside()));
    else
        ToolWindow::OnTimer(id);
}

std::string CIconBar::OnToolTipText(int toolId)
{
    if (state_.IsCollapsed())
        return {};
    const PaletteCell* cell = PaletteCellAt(toolId);
    return cell != nullptr ? std::string(cell->tip) : std::string();
}

}  // namespace corvane
