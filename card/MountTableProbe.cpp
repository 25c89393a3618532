#include "card/MountTableProbe.h"

#include "base/TextNumbers.h"

#include <fstream>
#include <string_view>
#include <system_error>

namespace corvane {

namespace {

// The mount table has one mount a line: device, mount point, type, options
// and two numbers, separated by spaces; a space, tab, newline or backslash
// inside a field is written as a backslash and three octal digits.
constexpr std::size_t kMaxMountLines = 10000;

std::string Unescape(std::string_view field)
{
    std::string text;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const std::string_view digits = field.substr(i + 1, 3);
            int value = 0;
            bool octal = true;
            for (char c : digits) {
                octal = octal && c >= '0' && c <= '7';
                value = value * 8 + (c - '0');
            }
            if (octal && value < 256) {
                text.push_back(static_cast<char>(value));
                i += 3;
                continue;
            }
        }
        text.push_back(field[i]);
    }
    return text;
}

// Whether mountPoint is the path itself or one of its parents.
bool Contains(const std::filesystem::path& mountPoint, const std::filesystem::path& path)
{
    auto point = mountPoint.begin();
    auto part = path.begin();
    for (; point != mountPoint.end(); ++point, ++part) {
        if (point->empty())
            continue;  // the empty name after a trailing separator
        if (part == path.end() || *point != *part)
            return false;
    }
    return true;
}

std::string ReadFirstLine(const std::filesystem::path& file)
{
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

}  // namespace

MountTableProbe::MountTableProbe(std::filesystem::path mountTable, std::filesystem::path sysBlockRoot)
    : mountTable_(std::move(mountTable)), sysBlockRoot_(std::move(sysBlockRoot))
{}

std::string MountTableProbe::MountedDevice(std::istream& table, const std::filesystem::path& resolved)
{
    std::string line;
    std::string device;
    std::size_t bestLength = 0;
    for (std::size_t count = 0; count < kMaxMountLines && std::getline(table, line); ++count) {
        const std::size_t space = line.find(' ');
        if (space == std::string::npos)
            continue;
        const std::size_t end = line.find(' ', space + 1);
        const std::string mountPoint = Unescape(std::string_view(line).substr(space + 1, end - space - 1));
        if (mountPoint.empty() || !Contains(mountPoint, resolved))
            continue;
        if (mountPoint.size() >= bestLength) {
            bestLength = mountPoint.size();
            device = Unescape(std::string_view(line).substr(0, space));
        }
    }
    return device;
}

std::optional<std::filesystem::path> MountTableProbe::DiskOf(const std::filesystem::path& folder) const
{
    std::error_code error;
    const std::filesystem::path resolved = std::filesystem::canonical(folder, error);
    if (error)
        return std::nullopt;
    std::ifstream table(mountTable_);
    const std::string device = MountedDevice(table, resolved);
    constexpr std::string_view kDevicePrefix = "/dev/";
    if (device.size() <= kDevicePrefix.size() || device.compare(0, kDevicePrefix.size(), kDevicePrefix) != 0)
        return std::nullopt;
    const std::string name = std::filesystem::path(device).filename().string();
    const std::filesystem::path entry = std::filesystem::canonical(sysBlockRoot_ / name, error);
    if (error || name.empty())
        return std::nullopt;
    if (std::filesystem::exists(entry / "partition", error))
        return entry.parent_path();
    return entry;
}

bool MountTableProbe::IsRemovable(const std::filesystem::path& folder) const
{
    const std::optional<std::filesystem::path> disk = DiskOf(folder);
    if (!disk)
        return false;
    return ReadFirstLine(*disk / "removable") == "1" || disk->filename().string().starts_with("mmcblk");
}

bool MountTableProbe::IsMediumPresent(const std::filesystem::path& folder) const
{
    const std::optional<std::filesystem::path> disk = DiskOf(folder);
    if (!disk)
        return false;
    const std::optional<std::uint64_t> sectors = ParseWholeInteger<std::uint64_t>(ReadFirstLine(*disk / "size"));
    return sectors && *sectors > 0;
}

}  // namespace corvane
