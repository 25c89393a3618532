#pragma once

namespace corvane {

// Whoever starts a hardware query (the net view, the net document, the
// Communication Window) and is told when it ends. UI thread.
class HardwarePollOwner {
public:
    virtual ~HardwarePollOwner() = default;
    // Called once at the end of every query; the poll's state is then
    // CHardwarePoll::kFinished or CHardwarePoll::kFailed.
    virtual void OnHardwarePollDone() = 0;
};

}  // namespace corvane
