#pragma once

#include "LogStreamWriter.h"
#include "tests/platform/TestOutput.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace corvane::test {

// A session folder of a memory card in a temporary folder, removed again
// at the end of the test.
class CardSessionFolder {
public:
    static constexpr std::size_t kBlockSize = 4096;
    // One scan: a time stamp and one integer value of point 1.
    static constexpr std::size_t kScanSize = 16;
    static constexpr std::size_t kScansPerBlock = kBlockSize / kScanSize;

    explicit CardSessionFolder(const std::string& session = "65F4A1B2")
    {
        std::string pattern = (OutputFolder() / "card-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            ADD_FAILURE() << "no temporary folder";
        root_ = pattern;
        folder_ = root_ / "LOG" / session;
        std::filesystem::create_directories(folder_);
    }
    ~CardSessionFolder()
    {
        std::error_code error;
        std::filesystem::remove_all(root_, error);
    }
    CardSessionFolder(const CardSessionFolder&) = delete;
    CardSessionFolder& operator=(const CardSessionFolder&) = delete;

    const std::filesystem::path& Path() const { return folder_; }

    void Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const
    {
        std::ofstream file(folder_ / name, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }

    // count scans of 16 bytes, one second apart from first; the value of
    // scan i is valueBase + i. Every 256 scans fill a 4096-byte block that
    // begins with a time stamp.
    static std::vector<std::uint8_t> Scans(std::uint32_t first, std::size_t count, std::int32_t valueBase = 0)
    {
        LogStreamWriter writer;
        for (std::size_t i = 0; i < count; ++i)
            writer.Stamp(first + static_cast<std::uint32_t>(i)).Int(1, valueBase + static_cast<std::int32_t>(i));
        return writer.Bytes();
    }

private:
    std::filesystem::path root_;
    std::filesystem::path folder_;
};

}  // namespace corvane::test
