#pragma once

#include "logger/CCommDialog.h"
#include "logger/ProbePointPoll.h"

#include <cstdint>
#include <memory>

namespace corvane {

class StatusSink;

// "Probe Point Values" (dialog 281): reads the descriptors of the logger's
// probe points once, then polls their latest values and the logger's run
// state on a 500 ms timer and lists name, value, units and the time of the
// last reading. The values are not read while the logger is stopped or the
// user has paused the updates; a time-out pauses them, and Start sends the
// interrupted request again.
class CQuickProbesDialog : public CCommDialog {
public:
    static constexpr std::uint32_t kTimerId = 1;
    static constexpr std::uint32_t kTimerMs = 500;

    CQuickProbesDialog(CConnectionDetails& connection, StatusSink& status, Window* parent = nullptr);
    ~CQuickProbesDialog() override;

    const ProbePointPoll& Poll() const { return poll_; }
    bool BlinkOn() const { return blinkOn_; }

    // Button 1039.
    void OnPauseStart();
    // Button 1876: the timer stops, the probes go and the dialog closes.
    void OnClose();

protected:
    bool OnInitDialog() override;
    void OnCancel() override;
    void OnCommReply(std::unique_ptr<CReplyMessage> reply) override;
    void OnCommTimeout(std::uint16_t requestType) override;
    std::intptr_t OnMessage(Message& message) override;

private:
    void OnTimer();
    void Send(const std::optional<ProbePointPoll::Request>& request);
    // Shows the paused and stopped notes and the button as the state says.
    void ShowNotes();
    // Lists the probes again, keeping the top row in view.
    void RefreshList();

    StatusSink& status_;
    ProbePointPoll poll_;
    bool blinkOn_ = false;
};

}  // namespace corvane
