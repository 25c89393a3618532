#pragma once

#include <cstdint>
#include <string_view>

namespace corvane {

// The main frame's status bar as the status helpers see it (StatusHelpers.h).
// The main frame implements it; tests use a recording fake. UI thread only.
class StatusSink {
public:
    virtual ~StatusSink() = default;

    // General text: pane 0.
    virtual void SetStatusText(std::string_view text) = 0;
    // The running operation's message: pane 1.
    virtual void SetStatusMessage(std::string_view text) = 0;

    // Whether the status progress bar exists now.
    virtual bool HasProgress() const = 0;
    // Makes the progress bar in the pane whose id is 124 (visible, smooth):
    // range 0..10, position 0, recorded position 1. Only called when none exists.
    virtual void CreateProgress() = 0;
    // Records the position and shows it. Only called when the bar exists.
    virtual void SetProgressPos(int position) = 0;
    // Range 0..upper. Only called when the bar exists.
    virtual void SetProgressRange(std::uint16_t upper) = 0;
    // Starts the progress timer (timer 2, every 250 ms; each tick advances the bar).
    virtual void StartProgressAnimation() = 0;
    // Stops timer 2 and posts the destroy-progress message (0x8196), so the
    // bar goes once the caller is back in the message loop.
    virtual void StopProgressAnimation() = 0;
};

}  // namespace corvane
