#include "platform/StatusProgress.h"
#include "base/ProgressRange.h"

#include "platform/internal/FrameWidgets.h"

#include <algorithm>

namespace corvane {

StatusProgress::StatusProgress(int paneIndex, std::unique_ptr<StatusProgressImpl> impl)
    : paneIndex_(paneIndex), impl_(std::move(impl))
{
    Display();
}

StatusProgress::~StatusProgress() { delete impl_->bar.data(); }

void StatusProgress::SetRange(int lower, int upper)
{
    lower_ = lower;
    upper_ = upper;
    position_ = ClampToProgressRange(position_, lower_, upper_);
    Display();
}

int StatusProgress::SetPos(int position)
{
    const int previous = position_;
    position_ = ClampToProgressRange(position, lower_, upper_);
    Display();
    return previous;
}

void StatusProgress::Display()
{
    QProgressBar* bar = impl_->bar;
    if (bar == nullptr)
        return;
    // An empty range would make the bar a busy indicator; it shows empty instead.
    if (upper_ > lower_) {
        bar->setRange(lower_, upper_);
        bar->setValue(position_);
    } else {
        bar->setRange(0, 1);
        bar->setValue(0);
    }
}

}  // namespace corvane
