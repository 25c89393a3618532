#include "halvix/protocol/FdWrite.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

namespace corvane {

namespace {

// Writes until bytes are gone or the descriptor has no room. Sockets are
// written with send() so a closed peer gives an error rather than SIGPIPE;
// anything else (ttys) with write().
WriteResult WriteWhatFits(int fd, std::span<const std::uint8_t>& bytes, bool& socket)
{
    while (!bytes.empty()) {
        ssize_t written = -1;
        if (socket) {
            written = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
            if (written < 0 && errno == ENOTSOCK) {
                socket = false;
                continue;
            }
        } else {
            written = ::write(fd, bytes.data(), bytes.size());
        }
        if (written > 0) {
            bytes = bytes.subspan(static_cast<std::size_t>(written));
            continue;
        }
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0 && errno != EAGAIN && errno != EWOULDBLOCK)
            return WriteResult::Failed;
        return WriteResult::TimedOut;
    }
    return WriteResult::Done;
}

}  // namespace

WriteResult WriteWithoutWaiting(int fd, std::span<const std::uint8_t>& bytes)
{
    bool socket = true;
    return WriteWhatFits(fd, bytes, socket);
}

WriteResult WriteAllBytes(int fd, std::span<const std::uint8_t> bytes, int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    bool socket = true;
    for (;;) {
        const WriteResult result = WriteWhatFits(fd, bytes, socket);
        if (result != WriteResult::TimedOut)
            return result;
        const auto left
            = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return WriteResult::TimedOut;
        pollfd entry{fd, POLLOUT, 0};
        const int ready = ::poll(&entry, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno != EINTR)
            return WriteResult::Failed;
        if (ready > 0 && (entry.revents & (POLLERR | POLLNVAL)) != 0)
            return WriteResult::Failed;
    }
}

}  // namespace corvane
