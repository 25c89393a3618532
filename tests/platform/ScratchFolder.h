#pragma once

#include "TestOutput.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>

#include <stdlib.h>

namespace corvane::test {

// A fresh folder inside the test program's output folder, removed with
// everything in it.
class ScratchFolder {
public:
    ScratchFolder()
    {
        std::string pattern = (OutputFolder() / "scratch-XXXXXX").string();
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
