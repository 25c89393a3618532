#include "app/ComPortPresent.h"

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace corvane {

bool ComPortPresent(const std::filesystem::path& device)
{
    if (device.empty()) {
        return false;
    }
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
        ::close(fd);
        return true;
    }
    switch (errno) {
    case EBUSY:
    case EACCES:
    case EPERM:
        return true;
    default:
        // ENOENT, ENODEV, ENXIO and the rest: the port is gone.
        return false;
    }
}

}  // namespace corvane
