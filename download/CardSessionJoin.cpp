#include "download/CardSessionJoin.h"

#include "base/UniqueFd.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <map>
#include <optional>
#include <string_view>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace corvane {
namespace {

constexpr std::string_view kHeaderName = "header";
// Data files: eight decimal digits and ".vrd".
constexpr std::size_t kDataFileDigits = 8;
constexpr std::string_view kDataFileExtension = ".vrd";
constexpr std::size_t kChunkBytes = std::size_t{64} * 1024;

std::string Lower(std::string_view name)
{
    std::string lower(name);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

// The number of a lower-cased data file name, or nothing for another name.
std::optional<std::uint32_t> DataFileNumber(std::string_view lowerName)
{
    if (lowerName.size() != kDataFileDigits + kDataFileExtension.size()
        || lowerName.substr(kDataFileDigits) != kDataFileExtension)
        return std::nullopt;
    std::uint32_t number = 0;
    for (const char c : lowerName.substr(0, kDataFileDigits)) {
        if (c < '0' || c > '9')
            return std::nullopt;
        number = number * 10 + static_cast<std::uint32_t>(c - '0');
    }
    return number;
}

std::string DataFileName(std::uint32_t number)
{
    std::array<char, 16> name{};
    std::snprintf(name.data(), name.size(), "%08u.vrd", static_cast<unsigned>(number));
    return name.data();
}

std::vector<std::string> ListEntryNames(const std::filesystem::path& folder, std::error_code& error)
{
    std::vector<std::string> names;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        names.push_back(it->path().filename().string());
    return names;
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

CardSessionJoinPlan PlanCardSessionJoin(std::vector<std::string> entryNames)
{
    // Sorted first, so that of names differing only in case the first in
    // name order is taken.
    std::sort(entryNames.begin(), entryNames.end());
    CardSessionJoinPlan plan;
    std::map<std::uint32_t, std::string> dataFiles;
    for (std::string& name : entryNames) {
        const std::string lower = Lower(name);
        if (lower == kHeaderName) {
            if (!plan.header)
                plan.header = std::move(name);
        } else if (const std::optional<std::uint32_t> number = DataFileNumber(lower)) {
            dataFiles.emplace(*number, std::move(name));
        }
    }
    std::uint32_t expected = 0;
    for (auto& [number, name] : dataFiles) {
        if (number > expected) {
            std::string gap = DataFileName(expected);
            if (number - 1 > expected)
                gap += " to " + DataFileName(number - 1);
            plan.missing.push_back(std::move(gap));
        }
        expected = number + 1;
        plan.dataFiles.push_back(std::move(name));
    }
    return plan;
}

CardSessionJoinResult JoinCardSession(const std::filesystem::path& sessionFolder, const std::filesystem::path& rawFile)
{
    const UniqueFd out(::open(rawFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    if (!out.Valid())
        return Failure(CardSessionJoinFailure::RawFile, rawFile, 0, errno);

    std::error_code listError;
    std::vector<std::string> names = ListEntryNames(sessionFolder, listError);
    if (listError)
        return Failure(CardSessionJoinFailure::SessionFile, sessionFolder, 0, listError.value());
    CardSessionJoinPlan plan = PlanCardSessionJoin(std::move(names));
    if (!plan.header)
        return Failure(CardSessionJoinFailure::SessionFile, sessionFolder / "HEADER", 0, ENOENT);

    std::vector<char> chunk(kChunkBytes);
    CardSessionJoinResult result = Append(sessionFolder / *plan.header, out.Get(), rawFile, chunk, 0);
    for (const std::string& name : plan.dataFiles) {
        if (!result)
            return result;
        result = Append(sessionFolder / name, out.Get(), rawFile, chunk, result.bytes);
    }
    if (result)
        result.missing = std::move(plan.missing);
    return result;
}

}  // namespace corvane
