#pragma once

#include "platform/ColourValue.h"
#include "platform/Geometry.h"
#include "platform/PopupWindow.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace corvane {

class StatusSink;

// An information tip: a pale yellow balloon with a pointer that shows a
// line of text below the pointer half a second after it was asked for, and
// goes as soon as the mouse moves or a button is pressed. Of a text of
// several lines the tip shows the first (followed by one blank); the rest,
// from the first line break on, goes to status pane 0.
//
// Owners either show texts themselves (Show) or register windows with a
// text (AddTool) and pass their mouse messages on (RelayEvent): a tip then
// shows over a registered window the pointer comes to rest on. Near the
// right edge of the screen the tip opens to the left of the pointer.
class CXInfoTip final : public PopupWindow {
public:
    static constexpr std::uint32_t kShowTimerId = 100;
    static constexpr std::uint32_t kWatchTimerId = 101;
    static constexpr std::uint32_t kShowDelayMs = 500;
    static constexpr std::uint32_t kWatchIntervalMs = 500;
    static constexpr RgbColour kFillColour{0xFF, 0xFF, 0xDE};
    // Space around the text, and the pointer's offset from the tip's side.
    static constexpr int kMargin = 3;
    static constexpr int kPointerHeight = 6;
    static constexpr int kPointerWidth = 8;

    // The rest of multi-line texts goes to status pane 0 of status.
    explicit CXInfoTip(StatusSink& status);
    ~CXInfoTip() override;

    // Makes the tip the parent's; false (and no tip) without a parent.
    bool Create(const Window* parent);
    bool IsCreated() const { return created_; }

    // Registers a window: its tip is the text up to the first line break
    // (the whole text when that part is empty). value is the caller's.
    void AddTool(const Window& window, std::string_view text, std::uintptr_t value = 0);
    void RemoveTool(const Window& window);

    // Shows the text after the delay at the point (screen coordinates), or
    // at the pointer's place; a new Show while waiting starts the delay again.
    void Show(std::string_view text, std::optional<Point> screenPoint = std::nullopt);
    void Hide();
    // Tips carry no icon; the call is kept for owners that give one.
    void SetIcon(int iconId) { (void)iconId; }

    // The owner's mouse messages.
    enum class Relayed { MouseMove, ButtonDown };
    void RelayEvent(Relayed message);

    // What the tip shows (its text and where), for owners and tests.
    const std::string& TipText() const { return text_; }
    Point Anchor() const { return anchor_; }
    bool IsFlipped() const { return flipped_; }
    bool IsShowing() const { return showing_; }
    bool IsWaiting() const { return waiting_; }

protected:
    bool OnEraseBackground(DeviceContext& dc) override;
    void OnPaint(DeviceContext& dc) override;
    void OnTimer(std::uint32_t id) override;

private:
    struct Tool {
        std::string text;
        std::uintptr_t value = 0;
    };

    // The tip's size for its text, and its shape in client coordinates.
    Size MeasureTip() const;
    Region TipShape(Size size) const;
    void ShowNow();

    StatusSink& status_;
    bool created_ = false;
    std::map<std::uint32_t, Tool> tools_;  // by window handle
    std::string text_;
    Point anchor_;
    bool flipped_ = false;
    bool waiting_ = false;
    bool showing_ = false;
    Size lastSize_;
};

}  // namespace corvane
