// Answers one request of a link session with a series of frames built from
// arbitrary bytes, over a socket pair, then closes the link. The request is
// answered exactly once (by its reply or a time-out), every reply goes to
// the window that asked, and further download replies come only after a
// download started.
//
// Input: byte 0 picks the request; then records of kind, type, id, flags
// and payload length bytes, each followed by its payload.
#include "halvix/CReplyMessage.h"
#include "halvix/internal/LinkSession.h"
#include "halvix/protocol/FrameCodec.h"
#include "halvix/protocol/RequestTypes.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <mutex>
#include <span>
#include <string_view>
#include <thread>
#include <vector>

namespace {

constexpr corvane::WindowHandle kWindow{7};
constexpr std::array<std::uint16_t, 3> kRequests
    = {corvane::kRequestPing, corvane::kRequestSdlStart, corvane::kRequestCfGet};

struct Answers {
    std::mutex mutex;
    int replies = 0;    // of the type asked for
    int followUps = 0;  // download replies of other types
    int timeouts = 0;
    bool started = false;  // the download's start reply came without error
    bool misrouted = false;
};

bool WriteAll(int fd, std::span<const std::uint8_t> bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;  // libFuzzer's timers interrupt blocking calls
        if (written <= 0)
            return false;
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

bool ReadExactly(int fd, std::size_t count)
{
    std::vector<std::uint8_t> buffer(count);
    std::size_t got = 0;
    while (got < count) {
        const ssize_t n = ::read(fd, buffer.data() + got, count - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        got += static_cast<std::size_t>(n);
    }
    return true;
}

// The frames the input describes, encoded one after the other.
std::vector<std::uint8_t> FramesOf(std::span<const std::uint8_t> input, std::uint16_t requestType)
{
    const std::array<std::uint16_t, 8> types
        = {requestType, corvane::kReplySdlStarted, corvane::kReplySdlStream, corvane::kReplySdlData,
            corvane::kReplySdlOther, corvane::kUnsolicitedStatus, corvane::kRequestUserAuth, corvane::kRequestPassWd};
    std::vector<std::uint8_t> bytes;
    while (input.size() >= 5) {
        corvane::Frame frame;
        frame.kind = input[0] % 4 == 3 ? corvane::FrameKind::Request
            : input[0] % 4 == 2        ? corvane::FrameKind::Unsolicited
                                       : corvane::FrameKind::Reply;
        frame.requestType = input[1] < types.size() ? types[input[1]] : static_cast<std::uint16_t>(input[1] << 4);
        frame.requestId = input[2] == 0 ? 1 : input[2];
        frame.error = (input[3] & 1) != 0;
        frame.code = static_cast<std::uint16_t>(input[3] >> 1);
        const std::size_t length = std::min<std::size_t>(input[4], input.size() - 5);
        frame.payload.assign(input.begin() + 5, input.begin() + 5 + static_cast<std::ptrdiff_t>(length));
        input = input.subspan(5 + length);
        if (const auto encoded = corvane::EncodeFrame(frame))
            bytes.insert(bytes.end(), encoded->begin(), encoded->end());
    }
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::uint16_t requestType = kRequests[data[0] % kRequests.size()];
    const std::vector<std::uint8_t> frames = FramesOf(std::span(data + 1, size - 1), requestType);

    int pair[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair) != 0)
        std::abort();
    corvane::UniqueFd logger(pair[1]);
    ::fcntl(pair[0], F_SETFL, ::fcntl(pair[0], F_GETFL) | O_NONBLOCK);

    Answers answers;
    corvane::LinkEvents events;
    events.reply = [&](corvane::WindowHandle window, std::unique_ptr<corvane::CReplyMessage> reply) {
        std::lock_guard lock(answers.mutex);
        answers.misrouted = answers.misrouted || window != kWindow || !reply;
        if (reply && reply->RequestType() == requestType) {
            ++answers.replies;
            answers.started = requestType == corvane::kRequestSdlStart && !reply->ErrorFlag();
        } else {
            ++answers.followUps;
        }
    };
    events.timeout = [&](corvane::WindowHandle window, std::uint16_t type) {
        std::lock_guard lock(answers.mutex);
        answers.misrouted = answers.misrouted || window != kWindow || type != requestType;
        ++answers.timeouts;
    };
    events.unsolicited = [](std::unique_ptr<corvane::CReplyMessage>) {};
    events.trace = [](std::string_view) {};

    std::atomic<std::uint32_t> nextRequestId{1};
    {
        corvane::LinkSession session{corvane::UniqueFd{pair[0]}, false, std::move(events), nextRequestId};
        session.SetTracing(true);
        session.Start();
        corvane::Frame request;
        request.requestType = requestType;
        request.requestId = 1;
        if (session.Enqueue(kWindow, requestType, {}) != 0)
            std::abort();
        // The answers are written once the request is out, then the link
        // closes: the session reads them all, then finds it lost.
        if (!ReadExactly(logger.Get(), corvane::EncodeFrame(request)->size()) || !WriteAll(logger.Get(), frames))
            std::abort();
        ::shutdown(logger.Get(), SHUT_WR);
        while (!session.Lost())
            std::this_thread::yield();
    }

    if (answers.misrouted || answers.replies + answers.timeouts != 1 || (answers.followUps > 0 && !answers.started))
        std::abort();
    return 0;
}
