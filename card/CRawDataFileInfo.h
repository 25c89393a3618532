#pragma once

#include <cstdint>
#include <filesystem>

namespace corvane {

// One file of a session that the copy job appends to its output.
class CRawDataFileInfo {
public:
    virtual ~CRawDataFileInfo() = default;

    std::filesystem::path path;
    std::uint64_t size = 0;  // as listed; the progress is measured against it
};

}  // namespace corvane
