#include "platform/ProgressControl.h"
#include "base/ProgressRange.h"

#include "platform/internal/DialogInternals.h"

#include <QProgressBar>

#include <algorithm>
#include <cstdint>

namespace corvane {

namespace {

QProgressBar* Bar(const Control& c) { return qobject_cast<QProgressBar*>(c.Impl().widget.data()); }

}  // namespace

void ProgressControl::SetRange(int lower, int upper)
{
    lower_ = lower;
    upper_ = upper;
    position_ = ClampToProgressRange(position_, lower_, upper_);
    Display();
}

int ProgressControl::SetPos(int position)
{
    const int previous = position_;
    position_ = ClampToProgressRange(position, lower_, upper_);
    Display();
    return previous;
}

int ProgressControl::OffsetPos(int delta)
{
    const std::int64_t next = static_cast<std::int64_t>(position_) + delta;
    return SetPos(ClampToProgressRange(next, lower_, upper_));
}

int ProgressControl::SetStep(int step)
{
    const int previous = step_;
    step_ = step;
    return previous;
}

int ProgressControl::StepIt()
{
    const int previous = position_;
    const std::int64_t span = static_cast<std::int64_t>(upper_) - lower_;
    std::int64_t next = static_cast<std::int64_t>(position_) + step_;
    if (span <= 0)
        next = lower_;
    else if (next > upper_)
        next = lower_ + (next - lower_) % span;
    else if (next < lower_)
        next = upper_ - (upper_ - next) % span;
    position_ = static_cast<int>(next);
    Display();
    return previous;
}

void ProgressControl::Display()
{
    QProgressBar* bar = Bar(*this);
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
