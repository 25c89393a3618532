#include "platform/SingleInstanceChannel.h"

#include "base/UniqueFd.h"

#include "tests/platform/ScratchFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <condition_variable>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <latch>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace corvane {
namespace single_instance_channel_test {
namespace {

using namespace std::chrono_literals;
using ::testing::HasSubstr;
using Role = SingleInstanceChannel::Role;

// The bound of every wait for something that should happen at once.
constexpr std::chrono::milliseconds kPatience = 10s;

constexpr char kAcknowledge = 0x06;

// Collects what a primary's handler receives, from its listener thread.
class Inbox {
public:
    SingleInstanceChannel::ExecuteHandler Handler()
    {
        return [this](std::string text) {
            std::lock_guard lock(mutex_);
            texts_.push_back(std::move(text));
            threads_.push_back(std::this_thread::get_id());
            changed_.notify_all();
        };
    }

    // The texts once at least count have arrived, or what came within the bound.
    std::vector<std::string> WaitFor(std::size_t count)
    {
        std::unique_lock lock(mutex_);
        changed_.wait_for(lock, kPatience, [&] { return texts_.size() >= count; });
        return texts_;
    }

    std::vector<std::thread::id> Threads()
    {
        std::lock_guard lock(mutex_);
        return threads_;
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::string> texts_;
    std::vector<std::thread::id> threads_;
};

using Fd = UniqueFd;

sockaddr_un Address(const std::filesystem::path& path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    return address;
}

// A plain socket bound to the path, listening or not: what another program
// or a crashed instance leaves there.
Fd BoundSocket(const std::filesystem::path& path, bool listening)
{
    Fd fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    const sockaddr_un address = Address(path);
    EXPECT_EQ(::bind(fd.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address), 0) << std::strerror(errno);
    if (listening) {
        EXPECT_EQ(::listen(fd.Get(), 4), 0);
    }
    return fd;
}

// A sender that speaks the wire format by hand, byte by byte if need be.
Fd RawClient(const std::filesystem::path& path)
{
    Fd fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    const sockaddr_un address = Address(path);
    EXPECT_EQ(::connect(fd.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address), 0)
        << std::strerror(errno);
    return fd;
}

void SendRaw(const Fd& fd, std::string_view bytes)
{
    EXPECT_EQ(::send(fd.Get(), bytes.data(), bytes.size(), MSG_NOSIGNAL), static_cast<ssize_t>(bytes.size()));
}

std::string LengthPrefix(std::uint32_t length)
{
    return {static_cast<char>(length & 0xFF), static_cast<char>((length >> 8) & 0xFF),
        static_cast<char>((length >> 16) & 0xFF), static_cast<char>(length >> 24)};
}

enum class Answer { Acknowledged, Closed, Silent, Other };

// What the primary answers on a raw connection, within the bound.
Answer ReadAnswer(const Fd& fd)
{
    pollfd polled{fd.Get(), POLLIN, 0};
    if (::poll(&polled, 1, static_cast<int>(kPatience.count())) != 1)
        return Answer::Silent;
    char byte = 0;
    const ssize_t got = ::recv(fd.Get(), &byte, 1, 0);
    if (got == 0 || (got < 0 && errno == ECONNRESET))
        return Answer::Closed;
    return got == 1 && byte == kAcknowledge ? Answer::Acknowledged : Answer::Other;
}

// Runs the peer program as a second instance and returns its exit status
// (-1 when it could not run or did not exit normally).
int RunPeer(const std::filesystem::path& socketPath, const std::string& text)
{
    const char* peer = std::getenv("CORVANE_SINGLE_INSTANCE_PEER");
    if (peer == nullptr || *peer == '\0') {
        ADD_FAILURE() << "CORVANE_SINGLE_INSTANCE_PEER names no peer program";
        return -1;
    }
    std::string program = peer;
    std::string socketArgument = socketPath.string();
    std::string textArgument = text;
    std::array<char*, 4> arguments = {program.data(), socketArgument.data(), textArgument.data(), nullptr};
    pid_t pid = 0;
    if (const int error = ::posix_spawn(&pid, peer, nullptr, nullptr, arguments.data(), environ); error != 0) {
        ADD_FAILURE() << "cannot start " << peer << ": " << std::strerror(error);
        return -1;
    }
    // The peer's own waits are bounded; this bound only guards the test.
    // Called directly: this C library's header lacks C++ linkage for it.
    const Fd process(static_cast<int>(::syscall(SYS_pidfd_open, pid, 0)));
    if (process.Get() >= 0) {
        pollfd polled{process.Get(), POLLIN, 0};
        int ready = 0;
        while ((ready = ::poll(&polled, 1, static_cast<int>(kPatience.count()))) < 0 && errno == EINTR) {}
        if (ready == 0) {
            ADD_FAILURE() << "the peer did not end";
            ::kill(pid, SIGKILL);
        }
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {}
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class SingleInstanceChannelTest : public ::testing::Test {
protected:
    std::filesystem::path SocketPath() const { return scratch_.Path() / "instance.sock"; }
    const std::filesystem::path& Folder() const { return scratch_.Path(); }

private:
    test::ScratchFolder scratch_;
};

TEST_F(SingleInstanceChannelTest, DeliversExecuteStringsFromAnotherProcess)
{
    Inbox inbox;
    SingleInstanceChannel primary(SocketPath());
    const auto claim = primary.Claim(inbox.Handler());
    ASSERT_EQ(claim.role, Role::Primary) << claim.error;
    EXPECT_EQ(primary.CurrentRole(), Role::Primary);

    const std::vector<std::string> texts = {
        "[open(\"/home/user/nets/plant.nt3\")]",
        "[open(\"/tmp/odd \\\"quoted\\\" [name] caf\xC3\xA9.nt3\")]",
        "anything at all: the channel carries bytes, the receiver judges them",
    };
    for (const std::string& text : texts)
        ASSERT_EQ(RunPeer(SocketPath(), text), 0) << text;
    EXPECT_EQ(inbox.WaitFor(texts.size()), texts);
    for (const std::thread::id thread : inbox.Threads())
        EXPECT_NE(thread, std::this_thread::get_id()) << "the handler runs on the listener thread";
}

TEST_F(SingleInstanceChannelTest, HandlesWhatIsLeftAtTheSocketPath)
{
    struct Case {
        const char* name;
        std::function<Fd(const std::filesystem::path&)> leave;
        Role role;
        const char* error;
    };
    const Case cases[] = {
        {"socket of a crashed instance", [](const auto& path) { return BoundSocket(path, false); }, Role::Primary, ""},
        {"live listener without the lock", [](const auto& path) { return BoundSocket(path, true); }, Role::Secondary,
            ""},
        {"regular file",
            [](const auto& path) {
                std::ofstream(path) << "keep me";
                return Fd();
            },
            Role::None, "not a socket"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::ScratchFolder folder;
        const std::filesystem::path path = folder.Path() / "instance.sock";
        const Fd left = c.leave(path);
        Inbox inbox;
        SingleInstanceChannel channel(path);
        const auto claim = channel.Claim(inbox.Handler());
        EXPECT_EQ(claim.role, c.role);
        EXPECT_THAT(claim.error, HasSubstr(c.error));
        if (claim.role == Role::Primary) {
            EXPECT_FALSE(SingleInstanceChannel(path).SendExecute("after recovery"));
            EXPECT_EQ(inbox.WaitFor(1), std::vector<std::string>{"after recovery"});
        }
        if (claim.role == Role::None) {
            std::ifstream kept(path);
            EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "keep me");
        }
    }
}

TEST_F(SingleInstanceChannelTest, ConcurrentClaimsMakeExactlyOnePrimary)
{
    constexpr std::size_t kInstances = 4;
    Inbox inbox;
    std::vector<std::unique_ptr<SingleInstanceChannel>> channels;
    for (std::size_t i = 0; i < kInstances; ++i)
        channels.push_back(std::make_unique<SingleInstanceChannel>(SocketPath()));
    std::vector<SingleInstanceChannel::ClaimResult> claims(kInstances);
    std::vector<SingleInstanceChannel::Error> sendErrors(kInstances);
    const auto textOf = [](std::size_t i) { return "[open(\"/nets/" + std::to_string(i) + ".nt3\")]"; };
    {
        std::latch start(kInstances);
        std::vector<std::jthread> threads;
        for (std::size_t i = 0; i < kInstances; ++i)
            threads.emplace_back([&, i] {
                start.arrive_and_wait();
                claims[i] = channels[i]->Claim(inbox.Handler());
                // A secondary finds the primary already listening, even
                // while the primary's own claim has only just returned.
                if (claims[i].role == Role::Secondary)
                    sendErrors[i] = channels[i]->SendExecute(textOf(i));
            });
    }
    std::size_t primaries = 0;
    std::vector<std::string> sent;
    for (std::size_t i = 0; i < kInstances; ++i) {
        EXPECT_NE(claims[i].role, Role::None) << claims[i].error;
        EXPECT_FALSE(sendErrors[i]) << sendErrors[i].message;
        if (claims[i].role == Role::Primary)
            ++primaries;
        else
            sent.push_back(textOf(i));
    }
    ASSERT_EQ(primaries, 1u);
    std::vector<std::string> received = inbox.WaitFor(sent.size());
    std::sort(received.begin(), received.end());
    EXPECT_EQ(received, sent);

    // Once the primary has gone, a secondary can take its place.
    const auto primary
        = std::find_if(claims.begin(), claims.end(), [](const auto& c) { return c.role == Role::Primary; });
    const auto primaryIndex = static_cast<std::size_t>(primary - claims.begin());
    channels[primaryIndex].reset();
    const std::size_t next = (primaryIndex + 1) % kInstances;
    EXPECT_EQ(channels[next]->Claim(inbox.Handler()).role, Role::Primary);
}

TEST_F(SingleInstanceChannelTest, HostilePeersDoNotHoldUpAGoodMessage)
{
    // A deadline far beyond the send time-out: a primary that served one
    // sender at a time would sit on the silent peers and fail this test.
    Inbox inbox;
    SingleInstanceChannel primary(SocketPath(), 60s);
    ASSERT_EQ(primary.Claim(inbox.Handler()).role, Role::Primary);

    std::vector<Fd> silent;
    for (int i = 0; i < 3; ++i)
        silent.push_back(RawClient(SocketPath()));

    const Fd oversize = RawClient(SocketPath());
    SendRaw(oversize, LengthPrefix(SingleInstanceChannel::kMaxExecuteBytes + 1));
    const Fd huge = RawClient(SocketPath());
    SendRaw(huge, LengthPrefix(0xFFFFFFFFu) + "garbage");
    {
        const Fd early = RawClient(SocketPath());
        SendRaw(early, LengthPrefix(10) + "abc");
    }
    const std::string slowText = "[open(\"/slow.nt3\")]";
    const Fd slow = RawClient(SocketPath());
    SendRaw(slow, LengthPrefix(static_cast<std::uint32_t>(slowText.size())).substr(0, 2));

    const auto error = SingleInstanceChannel(SocketPath()).SendExecute("[open(\"/good.nt3\")]");
    EXPECT_FALSE(error) << error.message;
    EXPECT_EQ(ReadAnswer(oversize), Answer::Closed);
    EXPECT_EQ(ReadAnswer(huge), Answer::Closed);

    // The slow sender's string, split at odd places, still arrives whole.
    SendRaw(slow, LengthPrefix(static_cast<std::uint32_t>(slowText.size())).substr(2) + slowText.substr(0, 5));
    SendRaw(slow, slowText.substr(5));
    EXPECT_EQ(ReadAnswer(slow), Answer::Acknowledged);
    EXPECT_EQ(inbox.WaitFor(2), (std::vector<std::string>{"[open(\"/good.nt3\")]", slowText}));
    // The silent peers are still connected as the primary stops.
}

TEST_F(SingleInstanceChannelTest, DropsASenderThatMissesTheReadDeadline)
{
    Inbox inbox;
    SingleInstanceChannel primary(SocketPath(), 50ms);
    ASSERT_EQ(primary.Claim(inbox.Handler()).role, Role::Primary);
    const Fd silent = RawClient(SocketPath());
    const Fd partial = RawClient(SocketPath());
    SendRaw(partial, LengthPrefix(10) + "abc");
    EXPECT_EQ(ReadAnswer(silent), Answer::Closed);
    EXPECT_EQ(ReadAnswer(partial), Answer::Closed);

    const auto error = SingleInstanceChannel(SocketPath()).SendExecute("after");
    EXPECT_FALSE(error) << error.message;
    EXPECT_EQ(inbox.WaitFor(1), std::vector<std::string>{"after"});
}

TEST_F(SingleInstanceChannelTest, LimitsTheStringLengthOnBothSides)
{
    Inbox inbox;
    SingleInstanceChannel primary(SocketPath());
    ASSERT_EQ(primary.Claim(inbox.Handler()).role, Role::Primary);
    const SingleInstanceChannel sender(SocketPath());

    const std::string longest(SingleInstanceChannel::kMaxExecuteBytes, 'x');
    EXPECT_FALSE(sender.SendExecute(longest));
    EXPECT_FALSE(sender.SendExecute(""));
    const auto tooLong = sender.SendExecute(longest + "x");
    EXPECT_THAT(tooLong.message, HasSubstr("65537 bytes"));

    const std::vector<std::string> received = inbox.WaitFor(2);
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[0], longest);
    EXPECT_EQ(received[1], "");
}

TEST_F(SingleInstanceChannelTest, StoppingRemovesTheSocketAndFreesThePath)
{
    Inbox inbox;
    {
        SingleInstanceChannel first(SocketPath());
        ASSERT_EQ(first.Claim(inbox.Handler()).role, Role::Primary);
        EXPECT_EQ(first.Claim(inbox.Handler()).role, Role::Primary) << "a primary stays primary";
        EXPECT_TRUE(std::filesystem::exists(SocketPath()));
    }
    EXPECT_FALSE(std::filesystem::exists(SocketPath()));
    const SingleInstanceChannel sender(SocketPath());
    EXPECT_THAT(sender.SendExecute("nobody").message, HasSubstr("no running instance"));

    SingleInstanceChannel second(SocketPath());
    ASSERT_EQ(second.Claim(inbox.Handler()).role, Role::Primary);
    second.Stop();
    EXPECT_EQ(second.CurrentRole(), Role::None);
    EXPECT_FALSE(std::filesystem::exists(SocketPath()));
    EXPECT_EQ(second.Claim(inbox.Handler()).role, Role::Primary) << "a stopped channel can claim again";
    EXPECT_FALSE(sender.SendExecute("again"));
    EXPECT_EQ(inbox.WaitFor(1), std::vector<std::string>{"again"});
}

TEST_F(SingleInstanceChannelTest, CreatesAPrivateFolderForTheSocket)
{
    const std::filesystem::path path = Folder() / "run" / "instance.sock";
    const mode_t oldMask = ::umask(0);
    SingleInstanceChannel channel(path);
    const auto claim = channel.Claim([](std::string) {});
    ::umask(oldMask);
    ASSERT_EQ(claim.role, Role::Primary) << claim.error;
    struct stat info {};
    ASSERT_EQ(::lstat(path.parent_path().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0700u);
}

TEST_F(SingleInstanceChannelTest, RefusesUnusableOrUnsafeSocketPaths)
{
    const std::filesystem::path shared = Folder() / "shared";
    std::filesystem::create_directory(shared);
    ::chmod(shared.c_str(), 0777);
    const std::filesystem::path real = Folder() / "real";
    std::filesystem::create_directory(real);
    std::filesystem::create_directory_symlink(real, Folder() / "link");

    struct Case {
        std::filesystem::path path;
        const char* error;
    };
    const Case cases[] = {
        {"instance.sock", "not an absolute path"},
        {Folder() / std::string(110, 'a'), "is too long"},
        {shared / "instance.sock", "written by other users"},
        {Folder() / "link" / "instance.sock", "not a folder"},
        {Folder() / "missing" / "deeper" / "instance.sock", "cannot create the folder"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        SingleInstanceChannel channel(c.path);
        const auto claim = channel.Claim([](std::string) {});
        EXPECT_EQ(claim.role, Role::None);
        EXPECT_THAT(claim.error, HasSubstr(c.error));
        EXPECT_EQ(channel.CurrentRole(), Role::None);
    }
    EXPECT_THAT(
        SingleInstanceChannel(Folder() / std::string(110, 'a')).SendExecute("x").message, HasSubstr("too long"));
    EXPECT_FALSE(std::filesystem::exists(real / "instance.sock"));

    SingleInstanceChannel noHandler(SocketPath());
    EXPECT_EQ(noHandler.Claim(nullptr).role, Role::None);
}

TEST_F(SingleInstanceChannelTest, RefusesAFolderOfAnotherUser)
{
    const std::filesystem::path theirs = Folder() / "theirs";
    std::filesystem::create_directory(theirs);
    ::chmod(theirs.c_str(), 0700);
    if (::chown(theirs.c_str(), ::geteuid() + 1, static_cast<gid_t>(-1)) != 0)
        GTEST_SKIP() << "only a privileged user can give a folder away";
    SingleInstanceChannel channel(theirs / "instance.sock");
    const auto claim = channel.Claim([](std::string) {});
    EXPECT_EQ(claim.role, Role::None);
    EXPECT_THAT(claim.error, HasSubstr("belongs to another user"));
}

TEST(SingleInstancePathTest, FollowsTheRuntimeFolder)
{
    struct Case {
        const char* runtime;
        std::uint32_t uid;
        const char* expected;
    };
    const Case cases[] = {
        {"/run/user/1000", 1000, "/run/user/1000/corvane/instance.sock"},
        {"/run/user/1000/", 1000, "/run/user/1000/corvane/instance.sock"},
        {"", 1000, "/tmp/corvane-1000/instance.sock"},
        {"relative/run", 42, "/tmp/corvane-42/instance.sock"},
        {"", 0, "/tmp/corvane-0/instance.sock"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DefaultSingleInstancePath(c.runtime, c.uid).lexically_normal(), c.expected) << c.runtime;
}

}  // namespace
}  // namespace single_instance_channel_test
}  // namespace corvane
