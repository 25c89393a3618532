#include "app/DiagnosticsLog.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>

#include "ScratchFolder.h"

namespace corvane {
namespace diagnostics_log_test {
namespace {

using test::ScratchFolder;

std::string ReadAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(DiagnosticsLog, LinesAreStampedAndEndWithCrLf)
{
    ScratchFolder folder;
    const auto path = folder.Path() / "diagnostics.txt";
    {
        DiagnosticsLog log([] { return std::time_t{1'700'000'000}; });
        ASSERT_TRUE(log.Open(path));
        log.WriteLine("Corvane-III diagnostic log");
        log.WriteLine("second\nline");
    }
    const std::string text = ReadAll(path);
    const std::string stamp = DiagnosticsLog::Stamp(1'700'000'000);
    EXPECT_TRUE(std::regex_match(stamp, std::regex(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d  )")));
    EXPECT_EQ(text, stamp + "Corvane-III diagnostic log\r\n" + stamp + "second line\r\n");
}

TEST(DiagnosticsLog, OpenTruncatesAndFailsForMissingFolder)
{
    ScratchFolder folder;
    const auto path = folder.Path() / "diagnostics.txt";
    std::ofstream(path) << "old contents";
    DiagnosticsLog log;
    ASSERT_TRUE(log.Open(path));
    log.Close();
    EXPECT_EQ(ReadAll(path), "");
    EXPECT_FALSE(log.Open(folder.Path() / "missing" / "diagnostics.txt"));
    log.WriteLine("dropped");  // no file: nothing happens
}

}  // namespace
}  // namespace diagnostics_log_test
}  // namespace corvane
