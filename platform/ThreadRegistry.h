#pragma once

#include "platform/Message.h"

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>

namespace corvane {

class MessageQueue;

// Thread ids and their message queues, so a message can be posted to a
// thread by id from any thread (the id is what other code is handed).
class ThreadRegistry {
public:
    std::uint32_t Add(std::shared_ptr<MessageQueue> queue);
    void Remove(std::uint32_t threadId);
    // False, and the message with its payload destroyed, when no such thread.
    bool Post(std::uint32_t threadId, Message message);

private:
    std::mutex mutex_;
    std::uint32_t nextId_ = 1;
    std::map<std::uint32_t, std::shared_ptr<MessageQueue>> queues_;
};

}  // namespace corvane
