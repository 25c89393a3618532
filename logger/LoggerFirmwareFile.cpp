#include "logger/LoggerFirmwareFile.h"

#include "halvix/protocol/RequestTypes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

namespace corvane {

LoggerFirmwareFile::VersionResult LoggerFirmwareFile::CheckVersionBytes(std::span<const std::uint8_t> bytes)
{
    VersionResult result;
    if (bytes.size() < result.version.size())
        return result;
    std::copy_n(bytes.begin(), result.version.size(), result.version.begin());
    result.check = result.version[0] == kLoggerType ? VersionCheck::Valid : VersionCheck::WrongType;
    return result;
}

LoggerFirmwareFile::VersionResult LoggerFirmwareFile::CheckImage(std::span<const std::uint8_t> image)
{
    if (image.size() <= kVersionOffset)
        return {};
    return CheckVersionBytes(image.subspan(static_cast<std::size_t>(kVersionOffset)));
}

std::string LoggerFirmwareFile::VersionText(const Version& version)
{
    char text[24] = {};
    std::snprintf(text, sizeof text, "%02d.%02d.%02d.%02d", version[0], version[1], version[2], version[3]);
    return text;
}

std::size_t LoggerFirmwareFile::NextBlockBytes(std::uint64_t sent, std::uint64_t total)
{
    if (sent >= total)
        return 0;
    return static_cast<std::size_t>(std::min<std::uint64_t>(total - sent, kFlashDataMaxBytes));
}

bool LoggerFirmwareFile::Open(const std::filesystem::path& path)
{
    Close();
    length_ = 0;
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat status {};
    if (!fd.Valid() || ::fstat(fd.Get(), &status) != 0 || !S_ISREG(status.st_mode))
        return false;
    fd_ = std::move(fd);
    length_ = static_cast<std::uint64_t>(status.st_size);
    return true;
}

LoggerFirmwareFile::VersionResult LoggerFirmwareFile::ReadVersion()
{
    VersionResult result;
    if (!IsOpen()) {
        result.check = VersionCheck::ReadError;
        return result;
    }
    std::array<std::uint8_t, 4> bytes{};
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t count
            = ::pread(fd_.Get(), bytes.data() + got, bytes.size() - got, static_cast<off_t>(kVersionOffset + got));
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0) {
            result.check = VersionCheck::ReadError;
            return result;
        }
        if (count == 0)
            break;
        got += static_cast<std::size_t>(count);
    }
    if (::lseek(fd_.Get(), 0, SEEK_SET) != 0) {
        result.check = VersionCheck::ReadError;
        return result;
    }
    return CheckVersionBytes(std::span(bytes).first(got));
}

std::optional<std::size_t> LoggerFirmwareFile::Read(std::span<std::uint8_t> into)
{
    if (!IsOpen())
        return std::nullopt;
    std::size_t got = 0;
    while (got < into.size()) {
        const ssize_t count = ::read(fd_.Get(), into.data() + got, into.size() - got);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return std::nullopt;
        if (count == 0)
            break;
        got += static_cast<std::size_t>(count);
    }
    return got;
}

}  // namespace corvane
