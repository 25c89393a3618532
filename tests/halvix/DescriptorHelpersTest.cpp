#include "base/UniqueFd.h"
#include "halvix/protocol/FdWrite.h"
#include "halvix/protocol/WakeEvent.h"

#include <gtest/gtest.h>

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <span>
#include <vector>

namespace corvane {
namespace descriptor_helpers_test {
namespace {

struct SocketPair {
    SocketPair()
    {
        int fds[2] = {-1, -1};
        EXPECT_EQ(::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, fds), 0);
        near.Reset(fds[0]);
        far.Reset(fds[1]);
    }
    UniqueFd near;
    UniqueFd far;
};

bool Readable(int fd)
{
    pollfd entry{fd, POLLIN, 0};
    return ::poll(&entry, 1, 0) == 1;
}

TEST(WriteWithoutWaitingTest, WritesWhatFitsAndKeepsTheRest)
{
    SocketPair pair;
    const int small = 4096;
    ASSERT_EQ(::setsockopt(pair.near.Get(), SOL_SOCKET, SO_SNDBUF, &small, sizeof small), 0);
    std::vector<std::uint8_t> bytes(1 << 20);
    std::iota(bytes.begin(), bytes.end(), std::uint8_t{0});
    std::span<const std::uint8_t> rest(bytes);
    EXPECT_EQ(WriteWithoutWaiting(pair.near.Get(), rest), WriteResult::TimedOut);
    ASSERT_FALSE(rest.empty());
    ASSERT_LT(rest.size(), bytes.size());
    // The far end holds exactly the bytes dropped from the front.
    const std::size_t written = bytes.size() - rest.size();
    std::vector<std::uint8_t> received(bytes.size());
    std::size_t got = 0;
    while (got < received.size()) {
        const ssize_t count = ::read(pair.far.Get(), received.data() + got, received.size() - got);
        if (count <= 0)
            break;
        got += static_cast<std::size_t>(count);
    }
    ASSERT_EQ(got, written);
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(written), received.begin()));
    EXPECT_EQ(rest.data(), bytes.data() + written);

    std::span<const std::uint8_t> few = std::span<const std::uint8_t>(bytes).first(100);
    EXPECT_EQ(WriteWithoutWaiting(pair.near.Get(), few), WriteResult::Done);
    EXPECT_TRUE(few.empty());
}

TEST(WriteWithoutWaitingTest, AClosedPeerFails)
{
    SocketPair pair;
    pair.far.Reset();
    const std::vector<std::uint8_t> bytes(64, 1);
    std::span<const std::uint8_t> rest(bytes);
    EXPECT_EQ(WriteWithoutWaiting(pair.near.Get(), rest), WriteResult::Failed);
    EXPECT_EQ(rest.size(), bytes.size());
}

TEST(WakeEventTest, ManyWakeUpsAreTakenByOneDrain)
{
    WakeEvent wake;
    ASSERT_TRUE(wake.Valid());
    EXPECT_FALSE(Readable(wake.Fd()));
    for (int i = 0; i < 1000; ++i)
        wake.Wake();
    EXPECT_TRUE(Readable(wake.Fd()));
    wake.Drain();
    EXPECT_FALSE(Readable(wake.Fd()));
    wake.Drain();  // nothing to take: returns at once
    wake.Wake();
    EXPECT_TRUE(Readable(wake.Fd()));
}

}  // namespace
}  // namespace descriptor_helpers_test
}  // namespace corvane
