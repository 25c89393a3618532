#include "halvix/protocol/WakeEvent.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <cstdint>

namespace corvane {

WakeEvent::WakeEvent() : fd_(::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {}

void WakeEvent::Wake()
{
    const std::uint64_t one = 1;
    // Only a counter at its limit refuses, and that counter already wakes
    // the reader, so a failed write loses nothing.
    [[maybe_unused]] const ssize_t written = ::write(fd_.Get(), &one, sizeof one);
}

void WakeEvent::Drain()
{
    std::uint64_t count = 0;
    [[maybe_unused]] const ssize_t taken = ::read(fd_.Get(), &count, sizeof count);
}

}  // namespace corvane
