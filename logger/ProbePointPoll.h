#pragma once

#include "halvix/protocol/RemoteIconLayout.h"
#include "logger/CQuickProbeInfo.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace corvane {

// The polling behind the probe-values dialog, without its window: the run
// state and the values are each re-read on a tick-driven state machine,
// the descriptors once. The dialog sends what the steps and replies ask
// for and shows the probes.
//
// Run state: 0 send, then 1 waiting; the reply gives 2, which the next tick
// turns to 0. Values: 0 send the descriptors, 1 waiting for them; 2 send a
// pass of values (unless paused, the logger stopped or polling ended), 3
// waiting for it; 4 shown, which the next tick turns to 2.
class ProbePointPoll {
public:
    struct Request {
        std::uint16_t type = 0;  // 22, 68 or 69
        std::uint32_t continuation = 0;
        bool operator==(const Request&) const = default;
    };
    // A reading's time as the list shows it (the PC's local time).
    using TimeText = std::function<std::string(std::int32_t)>;

    explicit ProbePointPoll(TimeText timeText);

    // One tick's step of each machine: the request to send, if any.
    std::optional<Request> RunStateStep();
    std::optional<Request> ValueStep();
    // A request the library refused at once: its machine tries again on
    // the next tick.
    void Refused(const Request& request);
    // Notes a request as sent (the one a time-out interrupts).
    void Sent(const Request& request);

    void OnRunState(bool enabled);
    // A descriptor part: the next part's request, or at the end the first
    // pass of values (if the value step sends one). A part without
    // descriptors changes nothing.
    std::optional<Request> OnDescriptors(const ProbeDescriptorList& part);
    // A value part, placed into the probes in order. The next part's
    // request, if any; refreshed tells that the pass is complete and the
    // list is to be shown again.
    std::optional<Request> OnValues(const ProbeValueList& part, bool& refreshed);
    // An error reply to the values: no more passes for this opening.
    void StopValues() { valuesStopped_ = true; }
    // A request timed out: updates pause, and Start sends it again.
    void OnTimeout(std::uint16_t requestType);
    // Pause or Start. Start resumes the updates and gives the requests
    // that time-outs interrupted, to be sent again.
    std::vector<Request> TogglePause();

    bool Paused() const { return paused_; }
    bool LoggerStopped() const { return loggerStopped_; }
    int RunStatePoll() const { return runStatePoll_; }
    int ValuePoll() const { return valuePoll_; }
    const std::vector<CQuickProbeInfo>& Probes() const { return probes_; }
    void ClearProbes() { probes_.clear(); }

private:
    TimeText timeText_;
    std::vector<CQuickProbeInfo> probes_;
    int runStatePoll_ = 0;
    int valuePoll_ = 0;
    int valuesShown_ = 0;
    int valuesTotal_ = 0;
    bool paused_ = false;
    bool loggerStopped_ = false;
    bool valuesStopped_ = false;
    std::vector<Request> sent_;         // the latest of each type
    std::vector<Request> interrupted_;  // timed out, for Start
};

}  // namespace corvane
