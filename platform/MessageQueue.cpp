#include "platform/MessageQueue.h"

#include <algorithm>

namespace corvane {

bool MessageQueue::Post(Message message)
{
    {
        std::lock_guard lock(mutex_);
        if (closed_)
            return false;  // the message and its payload are destroyed here
        messages_.push_back(std::move(message));
    }
    posted_.notify_one();
    if (wake_)
        wake_();
    return true;
}

std::optional<Message> MessageQueue::Take(WindowHandle only)
{
    std::lock_guard lock(mutex_);
    auto it = only
        ? std::find_if(messages_.begin(), messages_.end(), [only](const Message& m) { return m.window == only; })
        : messages_.begin();
    if (it == messages_.end())
        return std::nullopt;
    Message message = std::move(*it);
    messages_.erase(it);
    return message;
}

std::optional<Message> MessageQueue::Wait(std::chrono::milliseconds timeout)
{
    std::unique_lock lock(mutex_);
    if (!posted_.wait_for(lock, timeout, [this] { return !messages_.empty() || closed_; }) || messages_.empty())
        return std::nullopt;
    Message message = std::move(messages_.front());
    messages_.pop_front();
    return message;
}

void MessageQueue::Close()
{
    std::deque<Message> dropped;
    {
        std::lock_guard lock(mutex_);
        closed_ = true;
        dropped.swap(messages_);
    }
    posted_.notify_all();
    // dropped (and every payload in it) is destroyed outside the lock
}

bool MessageQueue::Empty() const
{
    std::lock_guard lock(mutex_);
    return messages_.empty();
}

}  // namespace corvane
