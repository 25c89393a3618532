#include "platform/SingleInstanceChannel.h"

#include "base/ByteReader.h"
#include "base/ByteWriter.h"
#include "base/QuotedPath.h"
#include "base/UniqueFd.h"
#include "platform/LengthPrefixedReader.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

namespace corvane {
namespace {

using Clock = std::chrono::steady_clock;

// The byte the primary answers once the handler has taken a string.
constexpr char kAcknowledge = 0x06;

// Bytes of the length that comes before each execute string.
constexpr std::size_t kLengthBytes = LengthPrefixedReader::kLengthBytes;

// Senders served at the same time; more wait in the socket's backlog.
constexpr std::size_t kMaxConnections = 16;
constexpr int kBacklog = 16;

// How long accepting rests after the process ran out of descriptors or
// memory, so the loop does not spin while the shortage lasts.
constexpr std::chrono::milliseconds kAcceptPause{100};

// The pause between tries of a claim lock that another instance holds.
// Claims are rare and short, so a short pause costs nothing.
constexpr std::chrono::milliseconds kClaimRetry{5};

// A socket address holds the path and its terminating zero.
constexpr std::size_t kMaxSocketPathBytes = sizeof(sockaddr_un::sun_path) - 1;

std::string SystemText(int error) { return std::generic_category().message(error); }

// "cannot <what> '<path>': <system text>". The errno is passed in, read
// before any text is built, since building may change it.
std::string Cannot(std::string_view what, const std::filesystem::path& path, int error)
{
    return "cannot " + std::string(what) + " " + QuotedPath(path) + ": " + SystemText(error);
}

std::filesystem::path WithSuffix(const std::filesystem::path& path, std::string_view suffix)
{
    return std::filesystem::path(path.native() + std::string(suffix));
}

// Milliseconds from now until a point, rounded up, as poll takes them.
int MillisecondsUntil(Clock::time_point when, Clock::time_point now)
{
    if (when <= now)
        return 0;
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(when - now).count();
    return static_cast<int>(std::min<decltype(wait)>(wait, INT_MAX));
}

// Waits until fd is ready for events or the deadline passes: 1 when ready,
// 0 on time-out, -1 (errno set) on failure.
int WaitUntil(int fd, short events, Clock::time_point deadline)
{
    for (;;) {
        pollfd polled{fd, events, 0};
        const int ready = ::poll(&polled, 1, MillisecondsUntil(deadline, Clock::now()));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready == 0 && Clock::now() < deadline)
            continue;  // woke early by rounding
        return ready;
    }
}

std::string CheckSocketPath(const std::filesystem::path& path)
{
    const std::string& text = path.native();
    if (text.empty() || !path.is_absolute())
        return "the instance socket path " + QuotedPath(path) + " is not an absolute path";
    if (text.find('\0') != std::string::npos)
        return "the instance socket path holds a zero byte";
    if (text.size() > kMaxSocketPathBytes)
        return "the instance socket path " + QuotedPath(path) + " is too long: " + std::to_string(text.size())
            + " bytes, where a local socket takes at most " + std::to_string(kMaxSocketPathBytes);
    return {};
}

sockaddr_un SocketAddress(const std::filesystem::path& path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string& text = path.native();
    std::memcpy(address.sun_path, text.data(), std::min(text.size(), kMaxSocketPathBytes));
    return address;
}

int Connect(int fd, const std::filesystem::path& path)
{
    const sockaddr_un address = SocketAddress(path);
    return ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
}

// Creates the socket's folder when it is missing and checks that only this
// user can place files in it, so no one else can stand in for the primary.
std::string PrepareFolder(const std::filesystem::path& folder)
{
    if (::mkdir(folder.c_str(), 0700) == 0) {
        // The umask may have taken bits away; the folder is ours to set.
        if (::chmod(folder.c_str(), 0700) != 0)
            return Cannot("set the permissions of the folder", folder, errno);
    } else if (errno != EEXIST) {
        return Cannot("create the folder", folder, errno);
    }
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0)
        return Cannot("examine the folder", folder, errno);
    if (!S_ISDIR(info.st_mode))
        return "the instance socket folder " + QuotedPath(folder) + " is not a folder (a link is not accepted)";
    if (info.st_uid != ::geteuid())
        return "the instance socket folder " + QuotedPath(folder) + " belongs to another user";
    if ((info.st_mode & (S_IWGRP | S_IWOTH)) != 0)
        return "the instance socket folder " + QuotedPath(folder) + " may be written by other users";
    return {};
}

std::string OpenLockFile(const std::filesystem::path& path, UniqueFd& lock)
{
    lock.Reset(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY | O_NONBLOCK, 0600));
    if (!lock.Valid())
        return Cannot("open the lock file", path, errno);
    return {};
}

// Takes the lock without waiting: 0 when taken, EWOULDBLOCK when another
// open file holds it, another errno on failure.
int TryLock(const UniqueFd& lock)
{
    for (;;) {
        if (::flock(lock.Get(), LOCK_EX | LOCK_NB) == 0)
            return 0;
        if (errno != EINTR)
            return errno;
    }
}

// Takes the claim lock, waiting within a bound for another instance that
// is claiming right now (it holds the lock only for a few system calls).
std::string LockWithin(const UniqueFd& lock, const std::filesystem::path& path, std::chrono::milliseconds wait)
{
    const Clock::time_point deadline = Clock::now() + wait;
    for (;;) {
        const int error = TryLock(lock);
        if (error == 0)
            return {};
        if (error != EWOULDBLOCK)
            return "cannot lock " + QuotedPath(path) + ": " + SystemText(error);
        const Clock::time_point now = Clock::now();
        if (now >= deadline)
            return "another instance has held " + QuotedPath(path) + " for more than " + std::to_string(wait.count())
                + " ms while starting";
        ::poll(nullptr, 0, std::min(MillisecondsUntil(deadline, now), static_cast<int>(kClaimRetry.count())));
    }
}

enum class SocketState { Missing, Stale, Live };

struct ProbeResult {
    SocketState state = SocketState::Missing;
    std::string error;
};

// Whether an instance listens on the path. Connecting never waits: a
// listener whose backlog is full still counts as live.
ProbeResult ProbeSocket(const std::filesystem::path& path)
{
    const UniqueFd probe(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (!probe.Valid())
        return {SocketState::Missing, "cannot create a local socket: " + SystemText(errno)};
    for (;;) {
        if (Connect(probe.Get(), path) == 0)
            return {SocketState::Live, {}};
        switch (errno) {
        case EINTR: continue;
        case EAGAIN:
        case EINPROGRESS: return {SocketState::Live, {}};
        case ENOENT: return {SocketState::Missing, {}};
        case ECONNREFUSED: return {SocketState::Stale, {}};
        default: return {SocketState::Missing, Cannot("reach", path, errno)};
        }
    }
}

// Removes a socket file that no one listens on. Anything else in its place
// is left alone: it is not ours to delete.
std::string RemoveStaleSocket(const std::filesystem::path& path)
{
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0)
        return errno == ENOENT ? std::string() : Cannot("examine", path, errno);
    if (!S_ISSOCK(info.st_mode))
        return QuotedPath(path) + " is in the way of the instance socket and is not a socket; it was left as it is";
    if (::unlink(path.c_str()) != 0 && errno != ENOENT)
        return Cannot("remove the stale socket", path, errno);
    return {};
}

// One sender, read without blocking until its whole string is in.
struct Connection {
    UniqueFd fd;
    Clock::time_point deadline;
    LengthPrefixedReader reader{SingleInstanceChannel::kMaxExecuteBytes};
    bool finished = false;

    using Progress = LengthPrefixedReader::Progress;

    // Reads what has arrived. Failed for a peer that closed early, broke
    // the connection or announced too long a string.
    Progress Read()
    {
        for (;;) {
            const std::span<std::uint8_t> space = reader.Space();
            if (space.empty())
                return reader.State();
            const ssize_t got = ::recv(fd.Get(), space.data(), space.size(), 0);
            if (got < 0) {
                if (errno == EINTR)
                    continue;
                return errno == EAGAIN || errno == EWOULDBLOCK ? Progress::Waiting : Progress::Failed;
            }
            if (got == 0)
                return Progress::Failed;
            reader.Took(static_cast<std::size_t>(got));
        }
    }
};

}  // namespace

std::filesystem::path DefaultSingleInstancePath(std::string_view xdgRuntimeDir, std::uint32_t uid)
{
    const std::filesystem::path runtime(xdgRuntimeDir);
    if (!xdgRuntimeDir.empty() && runtime.is_absolute())
        return runtime / "corvane" / "instance.sock";
    return std::filesystem::path("/tmp") / ("corvane-" + std::to_string(uid)) / "instance.sock";
}

std::filesystem::path CurrentUserSingleInstancePath()
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    return DefaultSingleInstancePath(runtime != nullptr ? runtime : "", ::geteuid());
}

// What a primary owns while it runs. The thread only ever blocks in poll
// (and in the handler), so waking it through the pipe ends it promptly.
struct SingleInstanceChannel::Listener {
    UniqueFd lock;
    UniqueFd socket;
    UniqueFd wakeRead;
    UniqueFd wakeWrite;
    ExecuteHandler handler;
    std::chrono::milliseconds readDeadline{};
    std::thread thread;

    void Run();
    void Accept(std::vector<Connection>& connections, Clock::time_point& acceptPausedUntil) const;
    void Deliver(Connection& connection) const;

    void Wake() const
    {
        const char byte = 0;
        // A full pipe already holds a wake-up, so EAGAIN is as good as success.
        while (::write(wakeWrite.Get(), &byte, 1) < 0 && errno == EINTR) {}
    }
};

void SingleInstanceChannel::Listener::Run()
{
    std::vector<Connection> connections;
    std::vector<pollfd> polled;
    // kNever while accepting runs; a plain time point rather than an
    // optional, which g++ 12 at -O3 wrongly takes for uninitialised.
    constexpr Clock::time_point kNever = Clock::time_point::max();
    Clock::time_point acceptPausedUntil = kNever;
    for (;;) {
        const Clock::time_point now = Clock::now();
        if (acceptPausedUntil <= now)
            acceptPausedUntil = kNever;
        const bool accepting = acceptPausedUntil == kNever && connections.size() < kMaxConnections;

        // A negative descriptor is skipped by poll: the listener rests while
        // accepting does.
        polled.clear();
        polled.push_back({wakeRead.Get(), POLLIN, 0});
        polled.push_back({accepting ? socket.Get() : -1, POLLIN, 0});
        Clock::time_point wakeAt = acceptPausedUntil;
        for (const Connection& connection : connections) {
            polled.push_back({connection.fd.Get(), POLLIN, 0});
            wakeAt = std::min(wakeAt, connection.deadline);
        }
        const int ready = ::poll(polled.data(), polled.size(), wakeAt == kNever ? -1 : MillisecondsUntil(wakeAt, now));
        if (ready < 0) {
            if (errno == EINTR || errno == EAGAIN)
                continue;
            return;
        }
        if (polled[0].revents != 0)
            return;

        const Clock::time_point afterPoll = Clock::now();
        for (std::size_t i = 0; i < connections.size(); ++i) {
            Connection& connection = connections[i];
            if (polled[i + 2].revents != 0) {
                switch (connection.Read()) {
                case Connection::Progress::Waiting: break;
                case Connection::Progress::Complete:
                    Deliver(connection);
                    connection.finished = true;
                    break;
                case Connection::Progress::Failed: connection.finished = true; break;
                }
            }
            // A sender gets one deadline for its whole string, so one that
            // trickles bytes cannot hold a place for ever.
            if (connection.deadline <= afterPoll)
                connection.finished = true;
        }
        std::erase_if(connections, [](const Connection& connection) { return connection.finished; });

        if (accepting && (polled[1].revents & POLLIN) != 0)
            Accept(connections, acceptPausedUntil);
    }
}

void SingleInstanceChannel::Listener::Accept(
    std::vector<Connection>& connections, Clock::time_point& acceptPausedUntil) const
{
    while (connections.size() < kMaxConnections) {
        UniqueFd fd(::accept4(socket.Get(), nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC));
        if (!fd.Valid()) {
            if (errno == EINTR || errno == ECONNABORTED)
                continue;
            if (errno != EAGAIN && errno != EWOULDBLOCK)
                acceptPausedUntil = Clock::now() + kAcceptPause;
            return;
        }
        Connection connection;
        connection.fd = std::move(fd);
        connection.deadline = Clock::now() + readDeadline;
        connections.push_back(std::move(connection));
    }
}

void SingleInstanceChannel::Listener::Deliver(Connection& connection) const
{
    try {
        handler(std::move(connection.reader.Text()));
    } catch (...) {
        // The handler must not throw; if it does, the sender is left
        // without an acknowledgement rather than the program ending here.
        return;
    }
    // One byte into an empty socket buffer never blocks; a sender that is
    // already gone only makes the send fail (MSG_NOSIGNAL: no SIGPIPE).
    while (::send(connection.fd.Get(), &kAcknowledge, 1, MSG_NOSIGNAL | MSG_DONTWAIT) < 0 && errno == EINTR) {}
}

SingleInstanceChannel::SingleInstanceChannel(std::filesystem::path socketPath, std::chrono::milliseconds readDeadline)
    : socketPath_(std::move(socketPath)), readDeadline_(readDeadline)
{}

SingleInstanceChannel::~SingleInstanceChannel() { Stop(); }

SingleInstanceChannel::ClaimResult SingleInstanceChannel::Claim(ExecuteHandler handler)
{
    if (role_ == Role::Primary)
        return {Role::Primary, {}};
    role_ = Role::None;
    const auto failed = [](std::string error) { return ClaimResult{Role::None, std::move(error)}; };
    if (!handler)
        return failed("the primary instance needs a handler for the execute strings");
    if (std::string error = CheckSocketPath(socketPath_); !error.empty())
        return failed(std::move(error));
    if (std::string error = PrepareFolder(socketPath_.parent_path()); !error.empty())
        return failed(std::move(error));

    // Claims run one at a time, so a claim that finds the primary lock
    // taken also finds that primary listening.
    const std::filesystem::path claimPath = WithSuffix(socketPath_, ".claim");
    UniqueFd claimLock;
    if (std::string error = OpenLockFile(claimPath, claimLock); !error.empty())
        return failed(std::move(error));
    if (std::string error = LockWithin(claimLock, claimPath, kClaimWait); !error.empty())
        return failed(std::move(error));

    auto listener = std::make_unique<Listener>();
    const std::filesystem::path lockPath = WithSuffix(socketPath_, ".lock");
    if (std::string error = OpenLockFile(lockPath, listener->lock); !error.empty())
        return failed(std::move(error));
    if (const int error = TryLock(listener->lock); error != 0) {
        if (error != EWOULDBLOCK)
            return failed("cannot lock " + QuotedPath(lockPath) + ": " + SystemText(error));
        role_ = Role::Secondary;
        return {Role::Secondary, {}};
    }

    // The lock is ours, so a socket file left here belongs to an instance
    // that is gone, unless someone removed the lock file under a live one.
    ProbeResult probe = ProbeSocket(socketPath_);
    if (!probe.error.empty())
        return failed(std::move(probe.error));
    if (probe.state == SocketState::Live) {
        role_ = Role::Secondary;
        return {Role::Secondary, {}};
    }
    if (probe.state == SocketState::Stale) {
        if (std::string error = RemoveStaleSocket(socketPath_); !error.empty())
            return failed(std::move(error));
    }

    std::array<int, 2> pipeEnds = {-1, -1};
    if (::pipe2(pipeEnds.data(), O_CLOEXEC | O_NONBLOCK) != 0)
        return failed("cannot create a pipe: " + SystemText(errno));
    listener->wakeRead.Reset(pipeEnds[0]);
    listener->wakeWrite.Reset(pipeEnds[1]);

    listener->socket.Reset(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (!listener->socket.Valid())
        return failed("cannot create a local socket: " + SystemText(errno));
    const sockaddr_un address = SocketAddress(socketPath_);
    if (::bind(listener->socket.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
        return failed(Cannot("create the instance socket", socketPath_, errno));
    const auto unbind = [this] { ::unlink(socketPath_.c_str()); };
    if (::listen(listener->socket.Get(), kBacklog) != 0) {
        const int error = errno;
        unbind();
        return failed("cannot listen on " + QuotedPath(socketPath_) + ": " + SystemText(error));
    }

    listener->handler = std::move(handler);
    listener->readDeadline = readDeadline_;
    try {
        listener->thread = std::thread([state = listener.get()] { state->Run(); });
    } catch (const std::system_error& error) {
        unbind();
        return failed("cannot start the instance listener: " + std::string(error.what()));
    }
    listener_ = std::move(listener);
    role_ = Role::Primary;
    return {Role::Primary, {}};
}

void SingleInstanceChannel::Stop()
{
    if (listener_) {
        listener_->Wake();
        if (listener_->thread.joinable())
            listener_->thread.join();
        // Still under the primary lock, so no new primary's socket is here.
        ::unlink(socketPath_.c_str());
        listener_.reset();
    }
    role_ = Role::None;
}

SingleInstanceChannel::Error SingleInstanceChannel::SendExecute(
    std::string_view text, std::chrono::milliseconds timeout) const
{
    if (text.size() > kMaxExecuteBytes)
        return {"the execute string has " + std::to_string(text.size()) + " bytes, more than the "
            + std::to_string(kMaxExecuteBytes) + " an instance accepts"};
    if (std::string error = CheckSocketPath(socketPath_); !error.empty())
        return {std::move(error)};
    const Clock::time_point deadline = Clock::now() + timeout;
    const std::string waited = std::to_string(timeout.count()) + " ms";

    UniqueFd fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (!fd.Valid())
        return {"cannot create a local socket: " + SystemText(errno)};

    // A blocking connect waits while the primary's backlog is full; the send
    // time-out bounds that wait (zero would mean no bound, so at least 1 ms).
    for (;;) {
        const auto remaining = std::max<std::chrono::microseconds>(
            std::chrono::ceil<std::chrono::microseconds>(deadline - Clock::now()), std::chrono::milliseconds(1));
        timeval bound{};
        bound.tv_sec = static_cast<time_t>(remaining.count() / 1000000);
        bound.tv_usec = static_cast<suseconds_t>(remaining.count() % 1000000);
        if (::setsockopt(fd.Get(), SOL_SOCKET, SO_SNDTIMEO, &bound, sizeof bound) != 0)
            return {"cannot set a time-out on a local socket: " + SystemText(errno)};
        if (Connect(fd.Get(), socketPath_) == 0)
            break;
        const int error = errno;
        if (error == EINTR && Clock::now() < deadline)
            continue;
        if (error == ENOENT || error == ECONNREFUSED)
            return {"no running instance listens on " + QuotedPath(socketPath_)};
        if (error == EAGAIN || error == EINTR)
            return {"the running instance did not take the connection within " + waited};
        return {"cannot connect to " + QuotedPath(socketPath_) + ": " + SystemText(error)};
    }
    if (::fcntl(fd.Get(), F_SETFL, ::fcntl(fd.Get(), F_GETFL) | O_NONBLOCK) != 0)
        return {"cannot configure a local socket: " + SystemText(errno)};

    std::vector<std::uint8_t> frame(kLengthBytes + text.size());
    ByteWriter writer(frame);
    writer.U32LE(static_cast<std::uint32_t>(text.size()), "execute string length");
    writer.Bytes(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()), "execute string");
    std::size_t sent = 0;
    while (sent < frame.size()) {
        const ssize_t done = ::send(fd.Get(), frame.data() + sent, frame.size() - sent, MSG_NOSIGNAL);
        if (done >= 0) {
            sent += static_cast<std::size_t>(done);
            continue;
        }
        if (errno == EINTR)
            continue;
        if (errno != EAGAIN && errno != EWOULDBLOCK)
            return {
                "the running instance closed the connection before taking the execute string: " + SystemText(errno)};
        const int ready = WaitUntil(fd.Get(), POLLOUT, deadline);
        if (ready < 0)
            return {"cannot wait for the running instance: " + SystemText(errno)};
        if (ready == 0)
            return {"the running instance did not take the execute string within " + waited};
    }

    for (;;) {
        char answer = 0;
        const ssize_t got = ::recv(fd.Get(), &answer, 1, 0);
        if (got == 1) {
            if (answer != kAcknowledge)
                return {"the running instance gave an unexpected answer"};
            return {};
        }
        if (got == 0)
            return {"the running instance closed the connection without acknowledging the execute string"};
        if (errno == EINTR)
            continue;
        if (errno != EAGAIN && errno != EWOULDBLOCK)
            return {"the running instance broke the connection: " + SystemText(errno)};
        const int ready = WaitUntil(fd.Get(), POLLIN, deadline);
        if (ready < 0)
            return {"cannot wait for the running instance: " + SystemText(errno)};
        if (ready == 0)
            return {"the running instance did not acknowledge the execute string within " + waited};
    }
}

}  // namespace corvane
