#include "controls/CPictureEx.h"

#include "base/AtomicFile.h"
#include "platform/Application.h"
#include "platform/DeviceContext.h"
#include "platform/Dialog.h"
#include "platform/PictureControl.h"
#include "platform/SystemColours.h"

#include <utility>

namespace corvane {

namespace {

// The largest picture file read.
constexpr std::uint64_t kMaxPictureFileBytes = 16u << 20;

// Delays below this many hundredths of a second show for the short delay.
constexpr int kShortestDelayHundredths = 5;
constexpr std::uint32_t kShortDelayMs = 100;

Rect FrameRect(const DecodedPicture::Frame& frame)
{
    return {frame.position.x, frame.position.y, frame.position.x + frame.image.Width(),
        frame.position.y + frame.image.Height()};
}

}  // namespace

CPictureEx::CPictureEx(PictureControl& control) : control_(control)
{
    // The handler holds handles only: it stays harmless when this goes
    // before the control, and this never reaches back into a control that
    // went first.
    const WindowHandle self = Handle();
    const WindowHandle dialog = control_.Owner().Handle();
    const auto id = static_cast<std::uintptr_t>(control_.Id());
    control_.SetLeftPressHandler([self, dialog, id] {
        Application& app = Application::Instance();
        if (app.IsWindow(self))
            app.SendMessage(dialog, kClickedMessage, id, static_cast<std::intptr_t>(self.value));
    });
}

CPictureEx::~CPictureEx() { UnLoad(); }

std::uint32_t CPictureEx::FrameDelayMs(int delayHundredths)
{
    if (delayHundredths < kShortestDelayHundredths)
        return kShortDelayMs;
    return static_cast<std::uint32_t>(delayHundredths) * 10u;
}

bool CPictureEx::LoadFromFile(const std::filesystem::path& path)
{
    UnLoad();
    const FileContents contents = ReadWholeFile(path, kMaxPictureFileBytes);
    return !contents.error && Load(contents.bytes);
}

bool CPictureEx::Load(std::span<const std::uint8_t> bytes)
{
    UnLoad();
    const bool gif = bytes.size() >= 3 && bytes[0] == 'G' && bytes[1] == 'I' && bytes[2] == 'F';
    DecodedPicture picture = DecodePicture(bytes);
    if (picture.IsEmpty())
        return false;
    isGif_ = gif;
    if (gif && picture.background.has_value())
        background_ = *picture.background;
    picture_ = std::move(picture);
    return true;
}

bool CPictureEx::Load(DecodedPicture picture)
{
    UnLoad();
    if (picture.IsEmpty() || picture.size.width <= 0 || picture.size.height <= 0)
        return false;
    picture_ = std::move(picture);
    return true;
}

bool CPictureEx::PrepareSurface()
{
    if (!IsLoaded())
        return false;
    control_.SetPixelSize(picture_.size);
    surface_ = Bitmap(picture_.size.width, picture_.size.height);
    if (surface_.IsNull()) {
        surfaceReady_ = false;
        return false;
    }
    background_ = GetSystemColour(SystemColour::ButtonFace);
    surface_.Fill(GetSystemColour(SystemColour::Menu));
    surfaceReady_ = true;
    return true;
}

bool CPictureEx::Draw()
{
    Stop();
    if (!PrepareSurface())
        return false;
    if (IsAnimated()) {
        StartAnimation();
        return true;
    }
    RenderFrame(0);
    ShowSurface();
    return true;
}

bool CPictureEx::DrawToDC(DeviceContext& dc, const Rect& rect)
{
    if (!IsLoaded())
        return false;
    if (IsAnimated()) {
        if (!playing_) {
            if (!surfaceReady_ && !PrepareSurface())
                return false;
            StartAnimation();
        }
        return true;
    }
    const DecodedPicture::Frame& frame = picture_.frames.front();
    dc.CopyBitmapColourKey(rect, frame.image, {0, 0, frame.image.Width(), frame.image.Height()}, kKeyColour);
    return true;
}

void CPictureEx::StartAnimation()
{
    playing_ = true;
    current_ = 0;
    RenderFrame(current_);
    ShowSurface();
    SetTimer(kFrameTimerId, FrameDelayMs(picture_.frames[current_].delayHundredths));
}

void CPictureEx::RenderFrame(std::size_t index)
{
    const DecodedPicture::Frame& frame = picture_.frames[index];
    const Rect area = FrameRect(frame);
    if (frame.disposal == DecodedPicture::kDisposalPrevious)
        saved_ = surface_.Copy(area);
    MemoryContext dc(surface_);
    dc.CopyBitmapColourKey(area, frame.image, {0, 0, frame.image.Width(), frame.image.Height()}, kKeyColour);
}

void CPictureEx::DisposeFrame(std::size_t index)
{
    const DecodedPicture::Frame& frame = picture_.frames[index];
    const Rect area = FrameRect(frame);
    if (frame.disposal == DecodedPicture::kDisposalBackground) {
        MemoryContext dc(surface_);
        dc.FillRect(area, SolidBrush(background_));
    } else if (frame.disposal == DecodedPicture::kDisposalPrevious && !saved_.IsNull()) {
        MemoryContext dc(surface_);
        dc.CopyBitmap(frame.position, saved_, {0, 0, saved_.Width(), saved_.Height()});
        saved_ = Bitmap();
    }
}

void CPictureEx::NextFrame()
{
    DisposeFrame(current_);
    ++current_;
    if (current_ >= picture_.frames.size()) {
        surface_.Fill(background_);
        current_ = 0;
    }
    RenderFrame(current_);
    ShowSurface();
    SetTimer(kFrameTimerId, FrameDelayMs(picture_.frames[current_].delayHundredths));
}

void CPictureEx::ShowSurface()
{
    if (!surfaceReady_)
        return;
    if (stretch_)
        control_.ShowDrawnPicture(surface_, true, std::nullopt);
    else if (paintRect_.IsEmpty())
        control_.ShowDrawnPicture(surface_, false, kKeyColour);
    else
        control_.ShowDrawnPicture(surface_.Copy(paintRect_), false, kKeyColour);
}

void CPictureEx::Stop()
{
    KillTimer(kFrameTimerId);
    playing_ = false;
}

void CPictureEx::UnLoad()
{
    Stop();
    picture_ = DecodedPicture();
    isGif_ = false;
    background_ = kWhite;
    surface_ = Bitmap();
    surfaceReady_ = false;
    saved_ = Bitmap();
    current_ = 0;
}

void CPictureEx::SetStretch(bool stretch)
{
    stretch_ = stretch;
    ShowSurface();
}

void CPictureEx::SetPaintRect(const Rect& rect)
{
    paintRect_ = rect;
    ShowSurface();
}

void CPictureEx::EraseBackground()
{
    const Size size = control_.PixelSize();
    Bitmap fill(std::max(size.width, 1), std::max(size.height, 1));
    fill.Fill(background_);
    control_.ShowDrawnPicture(fill, false, std::nullopt);
}

std::intptr_t CPictureEx::OnMessage(Message& message)
{
    if (message.id == kTimerMessage && message.wParam == kFrameTimerId) {
        if (playing_ && IsAnimated())
            NextFrame();
        else
            KillTimer(kFrameTimerId);
        return 0;
    }
    return Window::OnMessage(message);
}

}  // namespace corvane
