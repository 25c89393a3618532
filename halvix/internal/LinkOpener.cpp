#include "halvix/internal/LinkOpener.h"

#include <fcntl.h>
#include <grp.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <optional>
#include <vector>

namespace corvane {

namespace {

std::string SystemText(int error) { return std::strerror(error); }

std::optional<speed_t> SpeedOf(std::uint32_t baudRate)
{
    switch (baudRate) {
    case 1200: return B1200;
    case 2400: return B2400;
    case 4800: return B4800;
    case 9600: return B9600;
    case 19200: return B19200;
    case 38400: return B38400;
    case 57600: return B57600;
    case 115200: return B115200;
    case 230400: return B230400;
    case 460800: return B460800;
    case 921600: return B921600;
    default: return std::nullopt;
    }
}

// The group that owns a device, by name, for the permission message.
std::string DeviceGroup(const std::string& devicePath)
{
    struct stat info {};
    if (::stat(devicePath.c_str(), &info) != 0)
        return "dialout";
    std::vector<char> buffer(4096);
    group entry{};
    group* found = nullptr;
    if (::getgrgid_r(info.st_gid, &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr)
        return "dialout";
    return found->gr_name;
}

bool ConfigureLine(int fd, const SerialSettings& settings, std::string& error)
{
    termios line{};
    if (::tcgetattr(fd, &line) != 0) {
        error = "not a serial device (" + SystemText(errno) + ")";
        return false;
    }
    ::cfmakeraw(&line);
    const speed_t speed = SpeedOf(settings.baudRate).value_or(B115200);
    ::cfsetispeed(&line, speed);
    ::cfsetospeed(&line, speed);
    line.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS);
    line.c_cflag |= CLOCAL | CREAD;
    switch (settings.dataBits) {
    case 5: line.c_cflag |= CS5; break;
    case 6: line.c_cflag |= CS6; break;
    case 7: line.c_cflag |= CS7; break;
    default: line.c_cflag |= CS8; break;
    }
    switch (settings.parity) {
    case SerialSettings::Parity::None: break;
    case SerialSettings::Parity::Odd: line.c_cflag |= PARENB | PARODD; break;
    case SerialSettings::Parity::Even: line.c_cflag |= PARENB; break;
    case SerialSettings::Parity::Mark: line.c_cflag |= PARENB | PARODD | CMSPAR; break;
    case SerialSettings::Parity::Space: line.c_cflag |= PARENB | CMSPAR; break;
    }
    if (settings.stopBits == SerialSettings::StopBits::Two)
        line.c_cflag |= CSTOPB;
    if (settings.rtsControl == SerialSettings::RtsControl::Handshake)
        line.c_cflag |= CRTSCTS;
    if (settings.parityCheck && settings.parity != SerialSettings::Parity::None)
        line.c_iflag |= INPCK;
    line.c_cc[VMIN] = 1;
    line.c_cc[VTIME] = 0;
    if (::tcsetattr(fd, TCSANOW, &line) != 0) {
        error = "cannot set the line settings (" + SystemText(errno) + ")";
        return false;
    }
    // Modem lines: a pseudo-terminal has none, so failures are ignored.
    int dtr = TIOCM_DTR;
    (void)::ioctl(fd, settings.dtrControl == SerialSettings::DtrControl::Enable ? TIOCMBIS : TIOCMBIC, &dtr);
    if (settings.rtsControl != SerialSettings::RtsControl::Handshake) {
        int rts = TIOCM_RTS;
        (void)::ioctl(fd, settings.rtsControl == SerialSettings::RtsControl::Enable ? TIOCMBIS : TIOCMBIC, &rts);
    }
    // Whatever an earlier user left in the buffers is not ours.
    ::tcflush(fd, TCIOFLUSH);
    return true;
}

}  // namespace

bool SerialSettingsSupported(const SerialSettings& settings)
{
    return SpeedOf(settings.baudRate).has_value() && settings.dataBits >= 5 && settings.dataBits <= 8
        && settings.stopBits != SerialSettings::StopBits::OnePointFive
        && settings.dtrControl != SerialSettings::DtrControl::Handshake
        && settings.rtsControl != SerialSettings::RtsControl::Toggle;
}

OpenedLink OpenSerialLink(const std::string& devicePath, const SerialSettings& settings)
{
    OpenedLink result;
    if (!SerialSettingsSupported(settings)) {
        result.error = "The serial settings are not supported for " + devicePath + ".";
        return result;
    }
    UniqueFd fd(::open(devicePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    if (!fd.Valid()) {
        const int error = errno;
        if (error == EACCES || error == EPERM) {
            result.error = "No permission to open " + devicePath + ". Membership of the group \""
                + DeviceGroup(devicePath) + "\" grants access to it.";
        } else {
            result.error = "Cannot open " + devicePath + ": " + SystemText(error) + ".";
        }
        return result;
    }
    std::string lineError;
    if (!ConfigureLine(fd.Get(), settings, lineError)) {
        result.error = "Cannot use " + devicePath + ": " + lineError + ".";
        return result;
    }
    result.fd = std::move(fd);
    return result;
}

OpenedLink OpenTcpLink(std::string_view host, std::uint16_t port, std::uint32_t timeoutMs)
{
    OpenedLink result;
    const std::string hostText(host);
    const std::string where = hostText + ":" + std::to_string(port);
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* addresses = nullptr;
    const int lookup = ::getaddrinfo(hostText.c_str(), std::to_string(port).c_str(), &hints, &addresses);
    if (lookup != 0) {
        result.error = "Cannot find " + hostText + ": " + ::gai_strerror(lookup) + ".";
        return result;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    std::string lastError = "no address";
    for (addrinfo* address = addresses; address != nullptr; address = address->ai_next) {
        UniqueFd fd(
            ::socket(address->ai_family, address->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, address->ai_protocol));
        if (!fd.Valid()) {
            lastError = SystemText(errno);
            continue;
        }
        if (::connect(fd.Get(), address->ai_addr, address->ai_addrlen) != 0) {
            if (errno != EINPROGRESS) {
                lastError = SystemText(errno);
                continue;
            }
            const auto left
                = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
            pollfd entry{fd.Get(), POLLOUT, 0};
            int ready = 0;
            do {
                ready = ::poll(&entry, 1, static_cast<int>(std::max<std::int64_t>(left.count(), 0)));
            } while (ready < 0 && errno == EINTR);
            if (ready <= 0) {
                lastError = "no answer in time";
                continue;
            }
            int socketError = 0;
            socklen_t size = sizeof socketError;
            if (::getsockopt(fd.Get(), SOL_SOCKET, SO_ERROR, &socketError, &size) != 0 || socketError != 0) {
                lastError = SystemText(socketError != 0 ? socketError : errno);
                continue;
            }
        }
        const int noDelay = 1;
        (void)::setsockopt(fd.Get(), IPPROTO_TCP, TCP_NODELAY, &noDelay, sizeof noDelay);
        result.fd = std::move(fd);
        break;
    }
    ::freeaddrinfo(addresses);
    if (!result.fd.Valid())
        result.error = "Cannot connect to " + where + ": " + lastError + ".";
    return result;
}

}  // namespace corvane
