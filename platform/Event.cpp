#include "platform/Event.h"

namespace corvane {

void Event::Set()
{
    {
        std::lock_guard lock(mutex_);
        set_ = true;
    }
    if (mode_ == Reset::Manual)
        changed_.notify_all();
    else
        changed_.notify_one();
}

void Event::Clear()
{
    std::lock_guard lock(mutex_);
    set_ = false;
}

bool Event::IsSet() const
{
    std::lock_guard lock(mutex_);
    return set_;
}

bool Event::Wait(std::chrono::milliseconds timeout)
{
    std::unique_lock lock(mutex_);
    if (!changed_.wait_for(lock, timeout, [this] { return set_; }))
        return false;
    if (mode_ == Reset::Automatic)
        set_ = false;
    return true;
}

}  // namespace corvane
