#pragma once

#include "shell/StatusSink.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::test {

// Notes what reaches the status bar: the texts of both panes in order, and
// the progress bar's presence, position, range and animation.
struct RecordingStatusSink final : StatusSink {
    std::vector<std::string> messages;  // both panes, in order
    bool progress = false;
    int position = 0;
    std::uint16_t range = 10;
    bool animating = false;

    void SetStatusText(std::string_view text) override { messages.emplace_back(text); }
    void SetStatusMessage(std::string_view text) override { messages.emplace_back(text); }
    bool HasProgress() const override { return progress; }
    void CreateProgress() override { progress = true; }
    void SetProgressPos(int value) override { position = value; }
    void SetProgressRange(std::uint16_t upper) override { range = upper; }
    void StartProgressAnimation() override { animating = true; }
    void StopProgressAnimation() override
    {
        animating = false;
        progress = false;
    }
    std::string Last() const { return messages.empty() ? std::string() : messages.back(); }
};

}  // namespace corvane::test
