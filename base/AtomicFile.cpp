#include "base/AtomicFile.h"
#include "base/QuotedPath.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <system_error>

#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvane {
namespace {

// Bytes per read or write call; the kernel caps single transfers anyway.
constexpr std::size_t kChunk = std::size_t{1} << 20;
// What a whole-file read asks for beyond the size the file had.
constexpr std::size_t kEndProbe = 4096;

// How many temporary names are tried before giving up.
constexpr int kNameAttempts = 64;

// The longest part of the target's name used inside a temporary name, so
// that the temporary name stays below the file system's limit of 255.
constexpr std::size_t kMaxNameStem = 200;


FileError SystemFailure(
    int error, std::string_view step, const std::filesystem::path& path, FileErrorKind kind = FileErrorKind::Failed)
{
    FileError failure;
    failure.kind = kind;
    failure.systemError = error;
    failure.message
        = "cannot " + std::string(step) + " " + QuotedPath(path) + ": " + std::generic_category().message(error);
    return failure;
}

// Owns one open file descriptor.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int Get() const { return fd_; }
    // Closes now and returns the errno of close, 0 on success.
    int Close()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0 ? 0 : errno;
    }

private:
    int fd_;
};

// Removes the temporary file unless the rename took it over.
class TemporaryName {
public:
    explicit TemporaryName(std::filesystem::path path) : path_(std::move(path)) {}
    TemporaryName(const TemporaryName&) = delete;
    TemporaryName& operator=(const TemporaryName&) = delete;
    ~TemporaryName()
    {
        if (!path_.empty())
            ::unlink(path_.c_str());
    }
    const std::filesystem::path& Path() const { return path_; }
    void Release() { path_.clear(); }

private:
    std::filesystem::path path_;
};

std::uint64_t RandomNumber(int attempt)
{
    std::uint64_t value = 0;
    if (::getrandom(&value, sizeof value, GRND_NONBLOCK) == static_cast<ssize_t>(sizeof value))
        return value;
    // No entropy yet (early boot): the clock and the attempt still make
    // names that O_EXCL will check for uniqueness.
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return (static_cast<std::uint64_t>(now.tv_sec) << 32) ^ static_cast<std::uint64_t>(now.tv_nsec)
        ^ (static_cast<std::uint64_t>(::getpid()) << 16) ^ static_cast<std::uint64_t>(attempt);
}

// The file a write really replaces: the target of a symbolic link that
// points to an existing file, otherwise the path itself.
std::filesystem::path ResolveTarget(const std::filesystem::path& path)
{
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
        return path;
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (resolved == nullptr)
        return path;
    std::filesystem::path target(resolved);
    std::free(resolved);
    return target;
}

// Flushes the folder so the rename itself survives a crash. File systems
// that cannot sync a folder are not an error: the data is already in place.
void SyncFolder(const std::filesystem::path& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    Descriptor descriptor(fd);
    ::fsync(fd);
}

}  // namespace

FileError WriteFileAtomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes)
{
    const std::filesystem::path target = ResolveTarget(path);
    std::filesystem::path folder = target.parent_path();
    if (folder.empty())
        folder = ".";
    const std::string stem = target.filename().string().substr(0, kMaxNameStem);

    int fd = -1;
    std::filesystem::path temporaryPath;
    for (int attempt = 0; attempt < kNameAttempts && fd < 0; ++attempt) {
        char suffix[24];
        std::snprintf(suffix, sizeof suffix, ".tmp-%016llx", static_cast<unsigned long long>(RandomNumber(attempt)));
        temporaryPath = folder / ("." + stem + suffix);
        fd = ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return SystemFailure(errno, "create a temporary file in", folder);
    }
    if (fd < 0)
        return SystemFailure(EEXIST, "create a temporary file in", folder);
    Descriptor descriptor(fd);
    TemporaryName temporary(temporaryPath);

    // An existing file keeps its permission bits (a user may have made it private).
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode) && ::fchmod(fd, old.st_mode & 07777) != 0)
        return SystemFailure(errno, "set the permissions of", temporaryPath);

    std::size_t done = 0;
    while (done < bytes.size()) {
        const std::size_t want = std::min(bytes.size() - done, kChunk);
        const ssize_t written = ::write(fd, bytes.data() + done, want);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return SystemFailure(errno, "write", temporaryPath);
        }
        done += static_cast<std::size_t>(written);
    }
    if (::fsync(fd) != 0)
        return SystemFailure(errno, "flush", temporaryPath);
    if (const int error = descriptor.Close(); error != 0)
        return SystemFailure(error, "close", temporaryPath);
    if (::rename(temporaryPath.c_str(), target.c_str()) != 0)
        return SystemFailure(errno, "replace", target);
    temporary.Release();
    SyncFolder(folder);
    return {};
}

FileError WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes)
{
    return WriteFileAtomically(path, std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
}

FileContents ReadWholeFile(const std::filesystem::path& path, std::size_t maxBytes)
{
    FileContents contents;
    // O_NONBLOCK keeps a named pipe from blocking the open; it is refused below.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        const int error = errno;
        contents.error
            = SystemFailure(error, "open", path, error == ENOENT ? FileErrorKind::NotFound : FileErrorKind::Failed);
        return contents;
    }
    Descriptor descriptor(fd);
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        contents.error = SystemFailure(errno, "examine", path);
        return contents;
    }
    if (!S_ISREG(info.st_mode)) {
        contents.error.kind = FileErrorKind::Failed;
        contents.error.message = "cannot read " + QuotedPath(path) + ": not a regular file";
        return contents;
    }
    const auto tooLarge = [&] {
        contents.bytes.clear();
        contents.error.kind = FileErrorKind::TooLarge;
        contents.error.message
            = "cannot read " + QuotedPath(path) + ": it is larger than the " + std::to_string(maxBytes) + " bytes accepted";
    };
    const auto size = static_cast<std::uint64_t>(info.st_size);
    if (size > maxBytes) {
        tooLarge();
        return contents;
    }
    contents.bytes.reserve(static_cast<std::size_t>(size));
    // Read to the end rather than trusting the size: the file may grow. Each
    // read asks for what the size leaves and a little more, so that the end
    // shows without zeroing a whole chunk for a small file.
    for (;;) {
        const std::size_t old = contents.bytes.size();
        const std::size_t left = size > old ? static_cast<std::size_t>(size - old) : 0;
        const std::size_t want = std::min(kChunk, left + kEndProbe);
        contents.bytes.resize(old + want);
        const ssize_t got = ::read(fd, contents.bytes.data() + old, want);
        if (got < 0) {
            const int error = errno;
            contents.bytes.resize(old);
            if (error == EINTR)
                continue;
            contents.bytes.clear();
            contents.error = SystemFailure(error, "read", path);
            return contents;
        }
        contents.bytes.resize(old + static_cast<std::size_t>(got));
        if (contents.bytes.size() > maxBytes) {
            tooLarge();
            return contents;
        }
        if (got == 0)
            return contents;
    }
}

}  // namespace corvane
