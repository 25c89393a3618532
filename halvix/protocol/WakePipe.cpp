#include "halvix/protocol/WakePipe.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdint>

namespace corvane {

WakePipe::WakePipe()
{
    int fds[2] = {-1, -1};
    if (::pipe2(fds, O_NONBLOCK | O_CLOEXEC) == 0) {
        read_.Reset(fds[0]);
        write_.Reset(fds[1]);
    }
}

void WakePipe::Wake()
{
    const std::uint8_t byte = 1;
    // A full pipe already wakes the reader, so a failed write loses nothing.
    [[maybe_unused]] const ssize_t written = ::write(write_.Get(), &byte, 1);
}

void WakePipe::Drain()
{
    std::uint8_t bytes[64];
    while (::read(read_.Get(), bytes, sizeof bytes) > 0) {}
}

}  // namespace corvane
