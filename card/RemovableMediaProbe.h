#pragma once

#include <filesystem>

namespace corvane {

// Tells whether a folder lies on a removable medium and whether that medium
// is in its reader. The program asks the system's mount table; tests use a
// fixed answer over a plain folder.
class RemovableMediaProbe {
public:
    virtual ~RemovableMediaProbe() = default;
    virtual bool IsRemovable(const std::filesystem::path& folder) const = 0;
    virtual bool IsMediumPresent(const std::filesystem::path& folder) const = 0;
};

}  // namespace corvane
