#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace corvane {

// The per-user socket path: $XDG_RUNTIME_DIR/corvane/instance.sock when the
// runtime folder is given (an absolute path), otherwise
// /tmp/corvane-<uid>/instance.sock. An empty or relative runtime folder
// counts as not given.
std::filesystem::path DefaultSingleInstancePath(std::string_view xdgRuntimeDir, std::uint32_t uid);

// The same for this process: its XDG_RUNTIME_DIR and real user id.
std::filesystem::path CurrentUserSingleInstancePath();

// Keeps one running instance of the program per user, through a local
// socket. Claim makes this instance the primary one, which listens, or finds
// that another instance already does (secondary); a secondary hands its
// execute strings to the primary with SendExecute.
//
// The primary listens on a thread of its own and hands each execute string
// it receives to the handler, on that thread: the handler must be quick and
// must not throw or call Stop (the application posts the text to its user
// interface thread). A sender gets its acknowledgement once the handler has
// returned.
//
// Next to the socket, in the same folder, "<socket>.lock" is locked by the
// primary for as long as it runs (the kernel frees it when a process dies,
// so a crashed primary never blocks the next one), and "<socket>.claim" is
// locked for the moment of each claim, so when two instances start at once
// exactly one becomes primary and the other finds it already listening. The
// folder is created (mode 0700) when missing, and refused when it is not a
// real folder owned by this user or others may write to it.
//
// On the wire an execute string is its length (4 bytes, little-endian) and
// its bytes; the primary answers one acknowledgement byte and closes. It
// drops a connection that announces more than kMaxExecuteBytes, closes
// early, or has not sent its whole string within the read deadline; many
// senders are served at once, so a silent one holds up no other.
class SingleInstanceChannel {
public:
    using ExecuteHandler = std::function<void(std::string)>;
    enum class Role { None, Primary, Secondary };

    struct [[nodiscard]] ClaimResult {
        Role role = Role::None;  // None when the claim failed
        std::string error;       // why it failed, for the user
    };

    // Empty on success; otherwise what failed, for the user.
    struct [[nodiscard]] Error {
        std::string message;
        explicit operator bool() const { return !message.empty(); }
    };

    static constexpr std::size_t kMaxExecuteBytes = 64 * 1024;
    static constexpr std::chrono::milliseconds kDefaultReadDeadline{2000};
    static constexpr std::chrono::milliseconds kDefaultSendTimeout{2000};
    // How long a claim waits for another instance that is claiming right now.
    static constexpr std::chrono::milliseconds kClaimWait{2000};

    // socketPath is absolute and at most 107 bytes long (the limit of a
    // local socket address); readDeadline bounds how long the primary waits
    // for each sender's whole string.
    explicit SingleInstanceChannel(
        std::filesystem::path socketPath, std::chrono::milliseconds readDeadline = kDefaultReadDeadline);
    // Stops listening as Stop does.
    ~SingleInstanceChannel();
    SingleInstanceChannel(const SingleInstanceChannel&) = delete;
    SingleInstanceChannel& operator=(const SingleInstanceChannel&) = delete;

    // Tries to become the primary instance; the handler receives the execute
    // strings. A socket file left by an instance that is gone is replaced. A
    // primary stays primary; a secondary may claim again later.
    ClaimResult Claim(ExecuteHandler handler);

    // Sends an execute string to the instance listening on the socket path
    // and waits up to timeout in all for its acknowledgement. Safe to call
    // from any thread.
    Error SendExecute(std::string_view text, std::chrono::milliseconds timeout = kDefaultSendTimeout) const;

    // A primary ends its listening thread (it returns at once when no
    // handler is running), removes the socket and frees the lock; the role
    // becomes None. Nothing happens for a secondary but the role change.
    void Stop();

    Role CurrentRole() const { return role_; }
    const std::filesystem::path& SocketPath() const { return socketPath_; }

private:
    struct Listener;
    std::filesystem::path socketPath_;
    std::chrono::milliseconds readDeadline_;
    Role role_ = Role::None;
    std::unique_ptr<Listener> listener_;
};

}  // namespace corvane
