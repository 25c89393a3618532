#include "data/AtomicOutputFile.h"

#include "base/QuotedPath.h"

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <system_error>

#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvane {
namespace {

constexpr std::size_t kBufferSize = std::size_t{256} * 1024;
constexpr int kNameAttempts = 64;
constexpr std::size_t kMaxNameStem = 200;

FileError Failure(int error, std::string_view step, const std::filesystem::path& path)
{
    FileError failure;
    failure.kind = FileErrorKind::Failed;
    failure.systemError = error;
    failure.message = "cannot " + std::string(step) + " " + QuotedPath(path) + ": " + std::generic_category().message(error);
    return failure;
}

std::uint64_t RandomNumber(int attempt)
{
    std::uint64_t value = 0;
    if (::getrandom(&value, sizeof value, GRND_NONBLOCK) == static_cast<ssize_t>(sizeof value))
        return value;
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return (static_cast<std::uint64_t>(now.tv_sec) << 32) ^ static_cast<std::uint64_t>(now.tv_nsec)
        ^ static_cast<std::uint64_t>(attempt);
}

}  // namespace

AtomicOutputFile::~AtomicOutputFile() { Discard(); }

void AtomicOutputFile::Discard()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    if (!temporary_.empty())
        ::unlink(temporary_.c_str());
    temporary_.clear();
}

FileError AtomicOutputFile::Open(const std::filesystem::path& target)
{
    Discard();
    target_ = target;
    writeError_ = {};
    buffer_.clear();
    std::filesystem::path folder = target.parent_path();
    if (folder.empty())
        folder = ".";
    const std::string stem = target.filename().string().substr(0, kMaxNameStem);
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        char suffix[24];
        std::snprintf(suffix, sizeof suffix, ".tmp-%016llx", static_cast<unsigned long long>(RandomNumber(attempt)));
        const std::filesystem::path candidate = folder / ("." + stem + suffix);
        const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            fd_ = fd;
            temporary_ = candidate;
            // An existing file keeps its permission bits.
            struct stat old {};
            if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode))
                ::fchmod(fd, old.st_mode & 07777);
            buffer_.reserve(kBufferSize);
            return {};
        }
        if (errno != EEXIST)
            return Failure(errno, "create a temporary file in", folder);
    }
    return Failure(EEXIST, "create a temporary file in", folder);
}

bool AtomicOutputFile::FlushBuffer()
{
    std::size_t done = 0;
    while (done < buffer_.size()) {
        const ssize_t written = ::write(fd_, buffer_.data() + done, buffer_.size() - done);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            writeError_ = Failure(errno, "write", temporary_);
            buffer_.clear();
            return false;
        }
        done += static_cast<std::size_t>(written);
    }
    buffer_.clear();
    return true;
}

bool AtomicOutputFile::Write(std::string_view bytes)
{
    if (writeError_ || fd_ < 0) {
        if (!writeError_)
            writeError_ = Failure(EBADF, "write", target_);
        return false;
    }
    buffer_.append(bytes);
    if (buffer_.size() >= kBufferSize)
        return FlushBuffer();
    return true;
}

FileError AtomicOutputFile::Commit()
{
    if (fd_ < 0 && !writeError_)
        writeError_ = Failure(EBADF, "write", target_);
    if (!writeError_)
        FlushBuffer();
    if (writeError_) {
        FileError failure = writeError_;
        Discard();
        return failure;
    }
    if (::fsync(fd_) != 0) {
        FileError failure = Failure(errno, "flush", temporary_);
        Discard();
        return failure;
    }
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) {
        FileError failure = Failure(errno, "close", temporary_);
        Discard();
        return failure;
    }
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
        FileError failure = Failure(errno, "replace", target_);
        Discard();
        return failure;
    }
    temporary_.clear();
    return {};
}

}  // namespace corvane
