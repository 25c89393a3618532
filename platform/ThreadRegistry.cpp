#include "platform/ThreadRegistry.h"

#include "platform/MessageQueue.h"

namespace corvane {

std::uint32_t ThreadRegistry::Add(std::shared_ptr<MessageQueue> queue)
{
    std::lock_guard lock(mutex_);
    const std::uint32_t id = nextId_++;
    queues_.emplace(id, std::move(queue));
    return id;
}

void ThreadRegistry::Remove(std::uint32_t threadId)
{
    std::shared_ptr<MessageQueue> removed;
    std::lock_guard lock(mutex_);
    auto it = queues_.find(threadId);
    if (it == queues_.end())
        return;
    removed = std::move(it->second);
    queues_.erase(it);
}

bool ThreadRegistry::Post(std::uint32_t threadId, Message message)
{
    std::shared_ptr<MessageQueue> queue;
    {
        std::lock_guard lock(mutex_);
        auto it = queues_.find(threadId);
        if (it == queues_.end())
            return false;
        queue = it->second;
    }
    return queue->Post(std::move(message));
}

}  // namespace corvane
