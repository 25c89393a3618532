#pragma once

#include "comms/CommLog.h"
#include "comms/CommsSettings.h"
#include "comms/MainFramePoster.h"
#include "halvix/MessagePoster.h"

#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace corvane::test {

// A main frame that keeps what is posted to it, from any thread.
class RecordingMainFrame final : public MainFramePoster {
public:
    struct Post {
        MessageId id;
        std::uintptr_t wParam;
        std::shared_ptr<Payload> payload;
    };

    bool PostToMainFrame(MessageId id, std::uintptr_t wParam, std::unique_ptr<Payload> payload) override
    {
        std::lock_guard lock(mutex_);
        posts_.push_back({id, wParam, std::move(payload)});
        return true;
    }

    std::vector<Post> Posts() const
    {
        std::lock_guard lock(mutex_);
        return posts_;
    }

private:
    mutable std::mutex mutex_;
    std::vector<Post> posts_;
};

class FixedCommsSettings final : public CommsSettings {
public:
    std::uint32_t retryTime = kDefaultLoggerRetryTime;
    std::uint32_t LoggerRetryTime() const override { return retryTime; }
};

// A communication log that keeps its lines as "label|text", from any thread.
class RecordingCommLog final : public CommLog {
public:
    void AddCommLogLine(std::string_view label, std::string_view text) override
    {
        std::lock_guard lock(mutex_);
        lines_.push_back(std::string(label) + "|" + std::string(text));
    }

    std::vector<std::string> Lines() const
    {
        std::lock_guard lock(mutex_);
        return lines_;
    }

private:
    mutable std::mutex mutex_;
    std::vector<std::string> lines_;
};

// A communications library poster that delivers nothing.
class DroppingPoster final : public MessagePoster {
public:
    bool PostToWindow(WindowHandle, MessageId, std::uintptr_t, std::intptr_t, std::unique_ptr<Payload>) override
    {
        return false;
    }
    bool PostToThread(std::uint32_t, MessageId, std::uintptr_t, std::intptr_t, std::unique_ptr<Payload>) override
    {
        return false;
    }
};

}  // namespace corvane::test
