#include "halvix/internal/LinkSession.h"

#include "halvix/HalvixMessages.h"
#include "halvix/protocol/FdWrite.h"
#include "halvix/protocol/FrameCodec.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <span>
#include <utility>

namespace corvane {

namespace {

std::unique_ptr<CReplyMessage> MakeReply(const FrameView& frame, const std::shared_ptr<ReplyMemoryPool>& pool)
{
    std::string text;
    if (frame.error)
        text = ParseErrorPayload(frame.payload).text;
    return CReplyMessage::Make(frame.requestType, frame.code, frame.error, std::move(text), frame.payload, pool);
}

std::string Describe(std::string_view what, std::uint32_t id, std::uint16_t type, std::size_t length)
{
    return std::string(what) + " id " + std::to_string(id) + " type " + std::to_string(type) + " length "
        + std::to_string(length);
}

}  // namespace

LinkSession::LinkSession(UniqueFd fd, bool serial, LinkEvents events, std::atomic<std::uint32_t>& nextRequestId)
    : fd_(std::move(fd)), serial_(serial), events_(std::move(events)), nextRequestId_(nextRequestId)
{}

LinkSession::~LinkSession()
{
    stopping_.store(true);
    wake_.Wake();
    if (thread_.joinable())
        thread_.join();
    Posts posts;
    AnswerAllWithTimeouts(posts);
    RunPosts(posts);
}

void LinkSession::Start()
{
    thread_ = std::thread([this] { Run(); });
}

void LinkSession::SetTiming(std::uint32_t retryTimeMs, int maxRetries)
{
    std::lock_guard lock(mutex_);
    retryTimeMs_ = retryTimeMs;
    maxRetries_ = std::max(maxRetries, 0);
}

int LinkSession::Enqueue(WindowHandle window, std::uint16_t requestType, std::vector<std::uint8_t> payload)
{
    Posts posts;
    std::optional<std::vector<std::uint8_t>> bytes;
    std::uint32_t requestId = 0;
    bool wake = true;
    {
        std::lock_guard lock(mutex_);
        if (lost_.load())
            return kCxCommError;
        if (queue_.size() >= kMaxQueued)
            return kCxQueueFull;
        Request request;
        request.window = window;
        request.requestType = requestType;
        request.payload = std::move(payload);
        queue_.push_back(std::move(request));
        if (!inFlight_ && queue_.size() == 1 && !callerWriting_ && outbox_.empty()) {
            bytes = StartNextLocked(posts, std::chrono::steady_clock::now());
            requestId = inFlight_->requestId;
            callerWriting_ = bytes.has_value();
            wake = !bytes || inFlight_->deadline < wakeBy_;
        }
    }
    RunPosts(posts);
    if (!bytes) {
        wake_.Wake();
        return kCxOk;
    }
    std::span<const std::uint8_t> rest(*bytes);
    const WriteResult written = WriteWithoutWaiting(fd_.Get(), rest);
    {
        std::lock_guard lock(mutex_);
        callerWriting_ = false;
        // The session's thread finishes what did not fit, and finds a dead
        // descriptor dead again.
        if (written != WriteResult::Done && inFlight_ && inFlight_->requestId == requestId) {
            outbox_.assign(rest.begin(), rest.end());
            wake = true;
        }
    }
    if (wake)
        wake_.Wake();
    return kCxOk;
}

bool LinkSession::Busy() const
{
    std::lock_guard lock(mutex_);
    return inFlight_.has_value() || !queue_.empty();
}

void LinkSession::AddTrace(
    Posts& posts, std::string_view what, std::uint32_t id, std::uint16_t type, std::size_t length) const
{
    // The line is made only while tracing: a download passes here per block.
    if (tracing_.load())
        AddTrace(posts, Describe(what, id, type, length));
}

void LinkSession::AddTrace(Posts& posts, std::string text) const
{
    if (!tracing_.load())
        return;
    Post post;
    post.kind = Post::Kind::Trace;
    post.text = std::move(text);
    posts.push_back(std::move(post));
}

void LinkSession::RunPosts(Posts& posts)
{
    for (Post& post : posts) {
        switch (post.kind) {
        case Post::Kind::Reply: events_.reply(post.window, std::move(post.reply)); break;
        case Post::Kind::Timeout: events_.timeout(post.window, post.requestType); break;
        case Post::Kind::Unsolicited: events_.unsolicited(std::move(post.reply)); break;
        case Post::Kind::Trace: events_.trace(post.text); break;
        }
    }
    posts.clear();
}

void LinkSession::AnswerAllWithTimeouts(Posts& posts)
{
    std::lock_guard lock(mutex_);
    auto answer = [&](const Request& request) {
        AddTrace(posts, "no answer (link closed) to", request.requestId, request.requestType, 0);
        Post post;
        post.kind = Post::Kind::Timeout;
        post.window = request.window;
        post.requestType = request.requestType;
        posts.push_back(std::move(post));
    };
    if (inFlight_)
        answer(*inFlight_);
    inFlight_.reset();
    download_.reset();
    for (const Request& request : queue_)
        answer(request);
    queue_.clear();
}

void LinkSession::MarkLost(std::string_view why)
{
    Posts posts;
    {
        std::lock_guard lock(mutex_);
        lost_.store(true);
    }
    AddTrace(posts, "link lost: " + std::string(why));
    AnswerAllWithTimeouts(posts);
    RunPosts(posts);
}

std::optional<std::vector<std::uint8_t>> LinkSession::StartNextLocked(Posts& posts, TimePoint now)
{
    inFlight_ = std::move(queue_.front());
    queue_.pop_front();
    std::uint32_t id = nextRequestId_.fetch_add(1);
    if (id == 0)
        id = nextRequestId_.fetch_add(1);
    inFlight_->requestId = id;
    inFlight_->attempts = 1;
    // The logger stops a download when told of an error or asked for
    // another one.
    if (inFlight_->requestType == kRequestSdlError || inFlight_->requestType == kRequestSdlStart)
        download_.reset();
    inFlight_->deadline = now + std::chrono::milliseconds(retryTimeMs_);
    AddTrace(posts, "send", id, inFlight_->requestType, inFlight_->payload.size());
    Frame frame;
    frame.kind = FrameKind::Request;
    frame.requestType = inFlight_->requestType;
    frame.requestId = inFlight_->requestId;
    frame.payload = inFlight_->payload;
    return EncodeFrame(frame);
}

std::optional<std::vector<std::uint8_t>> LinkSession::NextTransmission(Posts& posts, TimePoint& wakeBy)
{
    std::lock_guard lock(mutex_);
    const auto now = std::chrono::steady_clock::now();
    const auto retryTime = std::chrono::milliseconds(retryTimeMs_);
    // Another thread is writing the request in flight; that takes moments.
    if (callerWriting_) {
        wakeBy_ = now + std::chrono::milliseconds(1);
        wakeBy = wakeBy_;
        return std::nullopt;
    }
    if (!outbox_.empty())
        return std::exchange(outbox_, {});
    std::optional<std::vector<std::uint8_t>> send;
    if (inFlight_ && now >= inFlight_->deadline) {
        if (inFlight_->attempts <= maxRetries_) {
            ++inFlight_->attempts;
            inFlight_->deadline = now + retryTime;
            AddTrace(posts, "send again", inFlight_->requestId, inFlight_->requestType, inFlight_->payload.size());
            Frame frame;
            frame.kind = FrameKind::Request;
            frame.requestType = inFlight_->requestType;
            frame.requestId = inFlight_->requestId;
            frame.payload = inFlight_->payload;
            send = EncodeFrame(frame);
        } else {
            AddTrace(posts, "time-out of", inFlight_->requestId, inFlight_->requestType, 0);
            Post post;
            post.kind = Post::Kind::Timeout;
            post.window = inFlight_->window;
            post.requestType = inFlight_->requestType;
            posts.push_back(std::move(post));
            inFlight_.reset();
        }
    }
    if (!inFlight_ && !queue_.empty())
        send = StartNextLocked(posts, now);
    wakeBy_ = inFlight_ ? inFlight_->deadline : now + retryTime;
    wakeBy = wakeBy_;
    return send;
}

bool LinkSession::HandleDownloadReply(const FrameView& frame, Posts& posts)
{
    const bool followUp = frame.requestType == kReplySdlStream || frame.requestType == kReplySdlData
        || frame.requestType == kReplySdlOther;
    if (!download_ || frame.requestId != download_->requestId || !followUp)
        return false;
    AddTrace(posts, frame.error ? "download error reply" : "download reply", frame.requestId, frame.requestType,
        frame.payload.size());
    Post post;
    post.kind = Post::Kind::Reply;
    post.window = download_->window;
    post.requestType = frame.requestType;
    if (frame.error || (frame.requestType == kReplySdlData && frame.payload.empty()))
        download_.reset();
    post.reply = MakeReply(frame, replyPool_);
    posts.push_back(std::move(post));
    return true;
}

void LinkSession::HandleFrame(const FrameView& frame, Posts& posts)
{
    switch (frame.kind) {
    case FrameKind::Reply: {
        if (HandleDownloadReply(frame, posts))
            return;
        if (!inFlight_ || inFlight_->requestId != frame.requestId || inFlight_->requestType != frame.requestType) {
            AddTrace(
                posts, "dropped a reply nobody waits for:", frame.requestId, frame.requestType, frame.payload.size());
            return;
        }
        AddTrace(
            posts, frame.error ? "error reply" : "reply", frame.requestId, frame.requestType, frame.payload.size());
        Post post;
        post.kind = Post::Kind::Reply;
        post.window = inFlight_->window;
        post.requestType = frame.requestType;
        if (inFlight_->requestType == kRequestSdlStart && !frame.error)
            download_ = Download{inFlight_->window, inFlight_->requestId};
        post.reply = MakeReply(frame, replyPool_);
        posts.push_back(std::move(post));
        inFlight_.reset();
        return;
    }
    case FrameKind::Unsolicited: {
        AddTrace(posts, "message", frame.requestId, frame.requestType, frame.payload.size());
        Post post;
        post.kind = Post::Kind::Unsolicited;
        post.requestType = frame.requestType;
        post.reply = MakeReply(frame, replyPool_);
        posts.push_back(std::move(post));
        return;
    }
    case FrameKind::Request:
        AddTrace(posts, "dropped a request from the logger:", frame.requestId, frame.requestType, frame.payload.size());
        return;
    }
}

void LinkSession::Run()
{
    // Large reads: a download arrives as a stream of frames, and each read
    // takes as many as have come, up to what a logger sends in one turn.
    constexpr std::size_t kReadSize = 256 * 1024;
    // Replies read are handed out after the next decision on what to send,
    // so a caller that asks again at once finds the session unlocked.
    Posts posts;
    while (!stopping_.load()) {
        TimePoint wakeBy;
        const auto bytes = NextTransmission(posts, wakeBy);
        RunPosts(posts);
        if (bytes) {
            std::uint32_t writeTimeMs = 0;
            {
                std::lock_guard lock(mutex_);
                writeTimeMs = retryTimeMs_;
            }
            // A write that cannot finish in the retry time counts as an
            // attempt without an answer; only a dead descriptor ends the link.
            if (WriteAllBytes(fd_.Get(), *bytes, static_cast<int>(writeTimeMs)) == WriteResult::Failed) {
                MarkLost(std::strerror(errno));
                return;
            }
            continue;  // the deadline may already have passed during a slow write
        }
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(wakeBy - std::chrono::steady_clock::now());
        const int pollTimeoutMs = static_cast<int>(std::clamp<std::int64_t>(left.count(), 0, 65536));
        pollfd entries[2] = {{fd_.Get(), POLLIN, 0}, {wake_.Fd(), POLLIN, 0}};
        const int ready = ::poll(entries, 2, pollTimeoutMs);
        if (ready < 0) {
            if (errno == EINTR)
                continue;
            MarkLost(std::strerror(errno));
            return;
        }
        if ((entries[1].revents & POLLIN) != 0)
            wake_.Drain();
        if ((entries[0].revents & (POLLIN | POLLHUP | POLLERR | POLLNVAL)) == 0)
            continue;
        const std::span<std::uint8_t> room = reader_.Room(kReadSize);
        const ssize_t count = ::read(fd_.Get(), room.data(), room.size());
        if (count > 0) {
            reader_.Commit(static_cast<std::size_t>(count));
            // The frames of one read are handled in one turn of the lock.
            std::lock_guard lock(mutex_);
            FrameView frame;
            while (reader_.Next(frame))
                HandleFrame(frame, posts);
        } else if (count == 0) {
            MarkLost("closed by the other side");
            return;
        } else if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
            MarkLost(std::strerror(errno));
            return;
        }
    }
    RunPosts(posts);
}

}  // namespace corvane
