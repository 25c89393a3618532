#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>

#include <stdlib.h>

namespace corvane::test {

// A fresh folder under $TMPDIR (or /tmp), removed with everything in it.
class ScratchFolder {
public:
    ScratchFolder()
    {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/corvane-test-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr)
            ADD_FAILURE() << "no scratch folder";
        else
            path_ = pattern;
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        if (!path_.empty())
            std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }

    // Writes a small file in the folder and returns its path.
    std::filesystem::path Write(const std::string& name, std::string_view contents = "x") const
    {
        const std::filesystem::path path = path_ / name;
        std::ofstream(path, std::ios::binary) << contents;
        return path;
    }

private:
    std::filesystem::path path_;
};

}  // namespace corvane::test
