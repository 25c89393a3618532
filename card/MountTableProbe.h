#pragma once

#include "card/RemovableMediaProbe.h"

#include <filesystem>
#include <istream>
#include <optional>
#include <string>

namespace corvane {

// Finds a folder's medium through the mount table and sysfs: the mount
// whose mount point is the longest leading part of the folder's resolved
// path names the block device; its disk (the partition's parent) is
// removable when its "removable" attribute is 1 or it is an SD/MMC card
// ("mmcblk..."), and its medium is present while its "size" is above 0.
// Both files are configurable, so tests use a fake table and tree.
class MountTableProbe final : public RemovableMediaProbe {
public:
    explicit MountTableProbe(std::filesystem::path mountTable = "/proc/self/mounts",
        std::filesystem::path sysBlockRoot = "/sys/class/block");

    bool IsRemovable(const std::filesystem::path& folder) const override;
    bool IsMediumPresent(const std::filesystem::path& folder) const override;

    // The sysfs folder of the disk that holds the folder; nothing when the
    // folder is not on a block device.
    std::optional<std::filesystem::path> DiskOf(const std::filesystem::path& folder) const;

    // The device of the mount table's entry whose mount point is the
    // longest leading part of the resolved path (the last of equal ones);
    // empty when none is.
    static std::string MountedDevice(std::istream& table, const std::filesystem::path& resolved);

private:
    std::filesystem::path mountTable_;
    std::filesystem::path sysBlockRoot_;
};

}  // namespace corvane
