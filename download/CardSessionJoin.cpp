#include "download/CardSessionJoin.h"

#include "base/UniqueFd.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <map>
#include <string_view>
#include <system_error>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace corvane {
namespace {

constexpr std::string_view kHeaderName = "HEADER";
// Data files are numbered with eight decimal digits.
constexpr int kLastDataFileNumber = 99'999'999;
constexpr std::size_t kChunkBytes = std::size_t{64} * 1024;

std::string Lower(std::string_view name)
{
    std::string lower(name);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

std::string DataFileName(int number)
{
    std::array<char, 16> name{};
    std::snprintf(name.data(), name.size(), "%08d.vrd", number);
    return name.data();
}

// The folder's entries by lower-case name; the first in name order wins
// when two differ only in case. Empty, with error set, when the folder
// could not be listed to its end.
std::map<std::string, std::filesystem::path> EntriesByLowerName(
    const std::filesystem::path& folder, std::error_code& error)
{
    std::vector<std::filesystem::path> entries;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        entries.push_back(it->path());
    std::map<std::string, std::filesystem::path> byName;
    if (error)
        return byName;
    std::sort(entries.begin(), entries.end());
    for (const std::filesystem::path& entry : entries)
        byName.emplace(Lower(entry.filename().string()), entry);
    return byName;
}

bool WriteAll(int fd, const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

CardSessionJoinResult Failure(
    CardSessionJoinFailure failure, const std::filesystem::path& file, std::uint64_t bytes, int systemError)
{
    CardSessionJoinResult result;
    result.bytes = bytes;
    result.failure = failure;
    result.file = file;
    result.reason = std::generic_category().message(systemError);
    return result;
}

// Appends the file to out; a failure result names the side that failed.
CardSessionJoinResult Append(const std::filesystem::path& path, int out, const std::filesystem::path& rawFile,
    std::vector<char>& chunk, std::uint64_t joined)
{
    const UniqueFd in(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!in.Valid())
        return Failure(CardSessionJoinFailure::SessionFile, path, joined, errno);
    for (;;) {
        const ssize_t got = ::read(in.Get(), chunk.data(), chunk.size());
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return Failure(CardSessionJoinFailure::SessionFile, path, joined, errno);
        }
        if (got == 0)
            break;
        if (!WriteAll(out, chunk.data(), static_cast<std::size_t>(got)))
            return Failure(CardSessionJoinFailure::RawFile, rawFile, joined, errno);
        joined += static_cast<std::uint64_t>(got);
    }
    CardSessionJoinResult result;
    result.bytes = joined;
    return result;
}

}  // namespace

CardSessionJoinResult JoinCardSession(const std::filesystem::path& sessionFolder, const std::filesystem::path& rawFile)
{
    const UniqueFd out(::open(rawFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    if (!out.Valid())
        return Failure(CardSessionJoinFailure::RawFile, rawFile, 0, errno);

    std::error_code listError;
    const std::map<std::string, std::filesystem::path> entries = EntriesByLowerName(sessionFolder, listError);
    if (listError)
        return Failure(CardSessionJoinFailure::SessionFile, sessionFolder, 0, listError.value());
    const auto header = entries.find(Lower(kHeaderName));
    if (header == entries.end())
        return Failure(CardSessionJoinFailure::SessionFile, sessionFolder / kHeaderName, 0, ENOENT);

    std::vector<char> chunk(kChunkBytes);
    CardSessionJoinResult result = Append(header->second, out.Get(), rawFile, chunk, 0);
    for (int number = 0; result && number <= kLastDataFileNumber; ++number) {
        const auto data = entries.find(DataFileName(number));
        if (data == entries.end())
            break;
        result = Append(data->second, out.Get(), rawFile, chunk, result.bytes);
    }
    return result;
}

}  // namespace corvane
