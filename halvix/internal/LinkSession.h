#pragma once

#include "base/UniqueFd.h"
#include "halvix/CReplyMessage.h"
#include "halvix/ReplyMemoryPool.h"
#include "halvix/protocol/FrameReader.h"
#include "halvix/protocol/FrameView.h"
#include "halvix/protocol/WakeEvent.h"
#include "platform/Message.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace corvane {

// Where a link session hands its results. Called on the session's thread
// (or on the thread that closes the session) without any lock held; the
// trace line of a request sent from the thread that queued it is written on
// that thread, before the request goes out.
struct LinkEvents {
    std::function<void(WindowHandle, std::unique_ptr<CReplyMessage>)> reply;
    std::function<void(WindowHandle, std::uint16_t requestType)> timeout;
    std::function<void(std::unique_ptr<CReplyMessage>)> unsolicited;
    std::function<void(std::string_view)> trace;  // only called while tracing is on
};

// One open link and its thread. The thread sends the queued requests one
// at a time, waits for each reply within the retry time, sends again up to
// the retry count, and reads unsolicited messages. A request queued while
// nothing is under way is written at once by the thread that queues it, so
// it costs no hand-off; what the link has no room for then is left to the
// session's thread. When the link goes away it answers everything waiting
// with time-outs and marks itself lost.
// A session download is the one request answered more than once: after its
// start reply, the logger's further download replies to it go to the same
// window until the stream ends (see CxSdlStart in halvix/HalvixLib.h).
class LinkSession {
public:
    static constexpr std::size_t kMaxQueued = 256;

    LinkSession(UniqueFd fd, bool serial, LinkEvents events, std::atomic<std::uint32_t>& nextRequestId);
    // Stops the thread; whatever is still waiting is answered with time-outs.
    ~LinkSession();
    LinkSession(const LinkSession&) = delete;
    LinkSession& operator=(const LinkSession&) = delete;

    void Start();
    void SetTiming(std::uint32_t retryTimeMs, int maxRetries);
    void SetTracing(bool on) { tracing_.store(on); }
    // kCxOk, kCxCommError (link lost) or kCxQueueFull.
    int Enqueue(WindowHandle window, std::uint16_t requestType, std::vector<std::uint8_t> payload);

    bool Serial() const { return serial_; }
    bool Busy() const;
    bool Lost() const { return lost_.load(); }

private:
    struct Request {
        WindowHandle window;
        std::uint16_t requestType = 0;
        std::uint32_t requestId = 0;
        std::vector<std::uint8_t> payload;
        int attempts = 0;
        std::chrono::steady_clock::time_point deadline;
    };
    // An answer or trace line, handed out after the lock is released.
    struct Post {
        enum class Kind { Reply, Timeout, Unsolicited, Trace } kind = Kind::Trace;
        WindowHandle window;
        std::uint16_t requestType = 0;
        std::unique_ptr<CReplyMessage> reply;
        std::string text;
    };
    using Posts = std::vector<Post>;

    using TimePoint = std::chrono::steady_clock::time_point;

    void Run();
    // Decides what to send now; fills posts with answers due and wakeBy
    // with when the thread has to look again at the latest.
    std::optional<std::vector<std::uint8_t>> NextTransmission(Posts& posts, TimePoint& wakeBy);
    // Puts the first queued request in flight; the bytes of its frame.
    std::optional<std::vector<std::uint8_t>> StartNextLocked(Posts& posts, TimePoint now);
    // Called with the lock held.
    void HandleFrame(const FrameView& frame, Posts& posts);
    // Passes on a further reply of the download under way; false when the
    // frame is not one.
    bool HandleDownloadReply(const FrameView& frame, Posts& posts);
    void MarkLost(std::string_view why);
    void AnswerAllWithTimeouts(Posts& posts);
    void AddTrace(Posts& posts, std::string text) const;
    // "what id N type T length L".
    void AddTrace(Posts& posts, std::string_view what, std::uint32_t id, std::uint16_t type, std::size_t length) const;
    void RunPosts(Posts& posts);

    UniqueFd fd_;
    const bool serial_;
    LinkEvents events_;
    std::atomic<std::uint32_t>& nextRequestId_;
    WakeEvent wake_;
    FrameReader reader_;  // reads go straight into it
    // The blocks of the replies this thread makes, given back by whoever
    // frees them; a reply that outlives the session keeps the pool alive.
    std::shared_ptr<ReplyMemoryPool> replyPool_ = std::make_shared<ReplyMemoryPool>();
    std::thread thread_;
    std::atomic<bool> stopping_{false};
    std::atomic<bool> lost_{false};
    std::atomic<bool> tracing_{false};

    mutable std::mutex mutex_;
    std::deque<Request> queue_;
    std::optional<Request> inFlight_;
    // While the thread that queued the request in flight writes it, the
    // session's thread writes nothing; the bytes that found no room are
    // left in outbox_ for the session's thread, which writes them first.
    bool callerWriting_ = false;
    std::vector<std::uint8_t> outbox_;
    // When the session's thread wakes at the latest. An idle thread waits
    // one retry time, so a request written by another thread, whose
    // deadline is a retry time away, needs no wake-up.
    TimePoint wakeBy_ = TimePoint::max();
    // The session download whose further replies are passed on.
    struct Download {
        WindowHandle window;
        std::uint32_t requestId = 0;
    };
    std::optional<Download> download_;
    std::uint32_t retryTimeMs_ = 5000;
    int maxRetries_ = 2;
};

}  // namespace corvane
