#pragma once

#include <filesystem>
#include <string_view>
#include <system_error>

namespace corvane::test {

// The folder a test program keeps its pictures and files in for people to
// look at: "output" beside the program in the build tree, never the folder
// the program was started from. Made when missing.
inline std::filesystem::path OutputFolder()
{
#ifdef CORVANE_TEST_OUTPUT_DIR
    const std::filesystem::path folder(CORVANE_TEST_OUTPUT_DIR);
#else
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "corvane-test-output";
#endif
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    return folder;
}

// A file of that name in the output folder.
inline std::filesystem::path OutputFile(std::string_view name) { return OutputFolder() / name; }

}  // namespace corvane::test
