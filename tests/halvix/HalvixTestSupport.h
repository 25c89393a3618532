#pragma once

#include "halvix/CReplyMessage.h"
#include "halvix/HalvixLib.h"
#include "halvix/MessagePoster.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

namespace corvane::test {

// One message the library posted.
struct Posted {
    bool toThread = false;
    WindowHandle window;
    std::uint32_t threadId = 0;
    MessageId id = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
    std::shared_ptr<CReplyMessage> reply;
};

// Everything the library posts, in order, shared between the poster that
// the library owns and the test that waits for it.
class PostLog {
public:
    void Add(Posted posted)
    {
        {
            std::lock_guard lock(mutex_);
            posts_.push_back(std::move(posted));
        }
        changed_.notify_all();
    }

    std::vector<Posted> Snapshot() const
    {
        std::lock_guard lock(mutex_);
        return posts_;
    }

    // Waits until the posts satisfy done; the bound only keeps a broken
    // build from hanging, it is no timing assertion.
    std::vector<Posted> WaitUntil(const std::function<bool(const std::vector<Posted>&)>& done) const
    {
        std::unique_lock lock(mutex_);
        const bool met = changed_.wait_for(lock, std::chrono::seconds(20), [&] { return done(posts_); });
        EXPECT_TRUE(met) << "the library did not post what was expected";
        return posts_;
    }

    // Waits for the count-th message to a window (from 1) and returns it.
    Posted WaitForWindowPost(std::size_t count) const
    {
        const auto posts
            = WaitUntil([count](const std::vector<Posted>& all) { return WindowPosts(all).size() >= count; });
        const auto windowPosts = WindowPosts(posts);
        return windowPosts.size() >= count ? windowPosts[count - 1] : Posted{};
    }

    // Waits for a thread message of the given kind and returns the first.
    Posted WaitForThreadPost(std::uint16_t kind) const
    {
        const auto posts = WaitUntil([kind](const std::vector<Posted>& all) { return Find(all, kind) != nullptr; });
        const Posted* found = Find(posts, kind);
        return found != nullptr ? *found : Posted{};
    }

    static std::vector<Posted> WindowPosts(const std::vector<Posted>& all)
    {
        std::vector<Posted> result;
        for (const Posted& posted : all)
            if (!posted.toThread)
                result.push_back(posted);
        return result;
    }

private:
    static const Posted* Find(const std::vector<Posted>& all, std::uint16_t kind)
    {
        for (const Posted& posted : all)
            if (posted.toThread && posted.wParam == kind)
                return &posted;
        return nullptr;
    }

    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    std::vector<Posted> posts_;
};

class RecordingPoster final : public MessagePoster {
public:
    explicit RecordingPoster(std::shared_ptr<PostLog> log) : log_(std::move(log)) {}

    bool PostToWindow(WindowHandle window, MessageId id, std::uintptr_t wParam, std::intptr_t lParam,
        std::unique_ptr<Payload> payload) override
    {
        log_->Add({false, window, 0, id, wParam, lParam, TakeReply(std::move(payload))});
        return true;
    }

    bool PostToThread(std::uint32_t threadId, MessageId id, std::uintptr_t wParam, std::intptr_t lParam,
        std::unique_ptr<Payload> payload) override
    {
        log_->Add({true, {}, threadId, id, wParam, lParam, TakeReply(std::move(payload))});
        return true;
    }

private:
    static std::shared_ptr<CReplyMessage> TakeReply(std::unique_ptr<Payload> payload)
    {
        auto* reply = dynamic_cast<CReplyMessage*>(payload.get());
        if (reply == nullptr)
            return nullptr;
        payload.release();
        return std::shared_ptr<CReplyMessage>(reply);
    }

    std::shared_ptr<PostLog> log_;
};

inline std::vector<std::uint8_t> Bytes(std::string_view text)
{
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

}  // namespace corvane::test
