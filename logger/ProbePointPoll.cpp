#include "logger/ProbePointPoll.h"

#include "base/Cp1252.h"
#include "halvix/protocol/RequestTypes.h"
#include "logger/ProbeValueTexts.h"

#include <algorithm>
#include <utility>

namespace corvane {

ProbePointPoll::ProbePointPoll(TimeText timeText) : timeText_(std::move(timeText)) {}

std::optional<ProbePointPoll::Request> ProbePointPoll::RunStateStep()
{
    if (runStatePoll_ == 2) {
        runStatePoll_ = 0;
    } else if (runStatePoll_ == 0) {
        runStatePoll_ = 1;
        return Request{kRequestGetRunState, 0};
    }
    return std::nullopt;
}

std::optional<ProbePointPoll::Request> ProbePointPoll::ValueStep()
{
    switch (valuePoll_) {
    case 0: valuePoll_ = 1; return Request{kRequestRttId, 0};
    case 2:
        if (paused_ || loggerStopped_ || valuesStopped_)
            return std::nullopt;
        valuesShown_ = 0;
        valuesTotal_ = 0;
        valuePoll_ = 3;
        return Request{kRequestRtGet, 0};
    case 4: valuePoll_ = 2; return std::nullopt;
    default: return std::nullopt;
    }
}

void ProbePointPoll::Refused(const Request& request)
{
    if (request.type == kRequestGetRunState)
        runStatePoll_ = 0;
    else if (request.type == kRequestRttId && valuePoll_ == 1 && probes_.empty())
        valuePoll_ = 0;
    else if (request.type == kRequestRtGet && valuePoll_ == 3)
        valuePoll_ = 2;
}

void ProbePointPoll::Sent(const Request& request)
{
    std::erase_if(sent_, [&](const Request& r) { return r.type == request.type; });
    sent_.push_back(request);
}

void ProbePointPoll::OnRunState(bool enabled)
{
    loggerStopped_ = !enabled;
    runStatePoll_ = 2;
}

std::optional<ProbePointPoll::Request> ProbePointPoll::OnDescriptors(const ProbeDescriptorList& part)
{
    if (part.descriptors.empty())
        return std::nullopt;
    for (const ProbeDescriptor& descriptor : part.descriptors) {
        CQuickProbeInfo probe;
        probe.IconId = descriptor.id;
        probe.Decimals = descriptor.decimals;
        probe.DataType = descriptor.dataType;
        probe.Units = Cp1252ToUtf8(descriptor.units);
        probe.ProbeName = Cp1252ToUtf8(descriptor.name);
        probes_.push_back(std::move(probe));
    }
    if (part.continuation != 0)
        return Request{kRequestRttId, part.continuation};
    valuePoll_ = 2;
    return ValueStep();
}

std::optional<ProbePointPoll::Request> ProbePointPoll::OnValues(const ProbeValueList& part, bool& refreshed)
{
    refreshed = false;
    valuesTotal_ += static_cast<int>(std::min<std::size_t>(part.entries.size(), 0x7FFF'FFFF));
    const int probeCount = static_cast<int>(probes_.size());
    for (const ProbeValueEntry& entry : part.entries) {
        if (valuesShown_ >= valuesTotal_ || valuesShown_ >= probeCount)
            break;
        CQuickProbeInfo& probe = probes_[static_cast<std::size_t>(valuesShown_++)];
        if (entry.time == 0) {
            probe.TimeText = std::string(kNoReadingTimeText);
            probe.ValueText = std::string(kNoReadingValueText);
        } else {
            probe.TimeText = timeText_(entry.time);
            probe.ValueText = ProbeValueText(entry, probe.DataType, probe.Decimals);
        }
    }
    if (part.continuation != 0)
        return Request{kRequestRtGet, part.continuation};
    valuesShown_ = 0;
    valuePoll_ = 4;
    refreshed = true;
    return std::nullopt;
}

void ProbePointPoll::OnTimeout(std::uint16_t requestType)
{
    paused_ = true;
    const auto sent = std::find_if(sent_.begin(), sent_.end(), [&](const Request& r) { return r.type == requestType; });
    if (sent == sent_.end())
        return;
    std::erase_if(interrupted_, [&](const Request& r) { return r.type == requestType; });
    interrupted_.push_back(*sent);
}

std::vector<ProbePointPoll::Request> ProbePointPoll::TogglePause()
{
    if (!paused_) {
        paused_ = true;
        return {};
    }
    paused_ = false;
    return std::exchange(interrupted_, {});
}

}  // namespace corvane
