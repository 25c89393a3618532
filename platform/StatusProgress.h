#pragma once

#include <memory>

namespace corvane {

struct StatusProgressImpl;

// A progress bar shown over a pane of the status bar; the status bar makes
// it (StatusBar::ShowProgress) and owns it. At first 0 within 0 to 100.
class StatusProgress {
public:
    StatusProgress(int paneIndex, std::unique_ptr<StatusProgressImpl> impl);
    ~StatusProgress();
    StatusProgress(const StatusProgress&) = delete;
    StatusProgress& operator=(const StatusProgress&) = delete;

    int PaneIndex() const { return paneIndex_; }
    void SetRange(int lower, int upper);
    int GetLower() const { return lower_; }
    int GetUpper() const { return upper_; }
    // Returns the previous position; the new one is kept within the range.
    int SetPos(int position);
    int GetPos() const { return position_; }

    // For the platform's own code.
    StatusProgressImpl& Impl() const { return *impl_; }

private:
    void Display();

    int paneIndex_;
    std::unique_ptr<StatusProgressImpl> impl_;
    int lower_ = 0;
    int upper_ = 100;
    int position_ = 0;
};

}  // namespace corvane
