#include "app/FileNameRules.h"

#include "RecordingPoster.h"

#include <gtest/gtest.h>

namespace corvane {
namespace file_name_rules_test {
namespace {

using test::RecordingPoster;

TEST(FileNameRulesTest, LoggerFileNamesKeepNameAndExtensionWithinTheLimit)
{
    struct Case {
        const char* path;
        int limit;
        int result;
        const char* name;
    };
    const Case cases[] = {
        {"pages/Main Page.xml", 45, 0, "Main Page.xml"},
        {"C:\\Data\\web\\index.htm", 22, 0, "index.htm"},
        {"/home/u/mixed\\sep/trend.xml", 45, 0, "trend.xml"},
        {"C:name.xml", 45, 0, "name.xml"},
        {"pages/", 45, -1, "old"},
        {"pages\\", 45, -1, "old"},
        {"/home/u/.xml", 45, -1, "old"},
        {"", 45, -1, "old"},
        {"web", 22, 0, "web"},
        {"a.b.c", 22, 0, "a.b.c"},
        // Exactly the limit stays whole; one more is cut to exactly the limit.
        {"abcdefghijklmnopq.xml", 21, 0, "abcdefghijklmnopq.xml"},
        {"abcdefghijklmnopqr.xml", 21, -2, "abcdefghijklmnopq.xml"},
        {"dir/abcdefghijklmnopqrstuvwxyz", 22, -2, "abcdefghijklmnopqrstuv"},
        // An extension that leaves no room for a name gives no usable name.
        {"ab.abcdefghijklmnopqrst", 22, -2, "a.abcdefghijklmnopqrst"},
        {"a.abcdefghijklmnopqrstu", 22, -1, "old"},
        {"ab.abcdefghijklmnopqrstu", 22, -1, "old"},
        {"ab.abcdefghijklmnopqrstuvwxyz", 22, -1, "old"},
        {"ab.c", 0, -1, "old"},
        {"ab.c", -5, -1, "old"},
        // Characters are never split.
        {"\xC3\xA9\xC3\xA9\xC3\xA9.x", 4, -2, "\xC3\xA9\xC3\xA9.x"},
    };
    for (const Case& c : cases) {
        std::string name = "old";
        EXPECT_EQ(MakeLoggerFileName(name, c.path, c.limit, nullptr), c.result) << c.path;
        EXPECT_EQ(name, c.name) << c.path;
    }
}

TEST(FileNameRulesTest, EveryCutNameFitsItsLimit)
{
    for (int limit = 1; limit <= 46; ++limit) {
        for (std::size_t baseLength = 1; baseLength <= 60; baseLength += 7) {
            for (const char* extension : {"", ".x", ".xml", ".longextension"}) {
                const std::string path = "dir/" + std::string(baseLength, 'n') + extension;
                std::string name;
                const int result = MakeLoggerFileName(name, path, limit, nullptr);
                if (result == -1)
                    continue;
                EXPECT_LE(static_cast<int>(name.size()), limit) << path << " limit " << limit;
                EXPECT_EQ(result == -2, path.size() - 4 > static_cast<std::size_t>(limit));
            }
        }
    }
}

TEST(FileNameRulesTest, ACutIsAnnouncedOnlyWhenAsked)
{
    RecordingPoster notices;
    std::string name;
    EXPECT_EQ(MakeLoggerFileName(name, "pages/A very long page name for the logger.xml", 22, &notices), -2);
    EXPECT_EQ(name, "A very long page n.xml");
    ASSERT_EQ(notices.posted.size(), 1u);
    EXPECT_EQ(notices.posted[0].id, kShowNoticeMessage);
    EXPECT_EQ(notices.posted[0].wParam, kNoticeCaptionWarning);
    EXPECT_EQ(notices.posted[0].text,
        "The file name (A very long page name for the logger) will be truncated to 21 characters max when saved to "
        "Ombrelix memory..\n");

    EXPECT_EQ(MakeLoggerFileName(name, "short.xml", 22, &notices), 0);
    EXPECT_EQ(notices.posted.size(), 1u);
}

TEST(FileNameRulesTest, FileAndDirectoryParts)
{
    struct Case {
        const char* path;
        const char* file;
        const char* directory;
    };
    const Case cases[] = {
        {"/home/u/nets/tank.nt3", "tank.nt3", "/home/u/nets/"},
        {"C:\\nets\\tank.nt3", "tank.nt3", "C:\\nets\\"},
        {"nets\\sub/tank.nt3", "tank.nt3", "nets\\sub/"},
        {"tank", "tank", ""},
        {"/home/u/nets/", "", "/home/u/nets/"},
        {"/x/net.backup", "net.bac", "/x/"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GetFileNamePart(c.path), c.file) << c.path;
        EXPECT_EQ(GetDirectoryPart(c.path), c.directory) << c.path;
    }
    EXPECT_EQ(GetFileNamePart("/x/" + std::string(70, 'b') + ".nt3"), std::string(59, 'b') + ".nt3");
}

TEST(FileNameRulesTest, VersionsMustShareMajorAndMinor)
{
    constexpr std::uint32_t k1200 = 0x01020000;
    struct Case {
        std::uint32_t firmware;
        std::uint32_t program;
        std::uint32_t netFirst;
        std::uint32_t netSecond;
        bool warns;
    };
    const Case cases[] = {
        {k1200, 0x0102FFFF, 0x01020001, 0x01020300, false},
        {k1200, 0x0102FFFF, 0x01030000, 0x01020300, true},
        {k1200, 0x0102FFFF, 0x01020001, 0x02020300, true},
        {k1200, 0x01030000, 0x01020001, 0x01030000, true},
    };
    for (const Case& c : cases) {
        const auto warning = CheckNetVersionCompatibility(c.netFirst, c.netSecond, c.firmware, c.program);
        EXPECT_EQ(warning.has_value(), c.warns);
    }
    EXPECT_FALSE(CheckNetVersionCompatibility(0x09090000, 0, std::nullopt, k1200));
    const auto text = CheckNetVersionCompatibility(0x01030000, k1200, k1200, k1200);
    ASSERT_TRUE(text);
    EXPECT_EQ(text->substr(0, 67), "This Program Net may be incompatible with the current version of  C");
    EXPECT_TRUE(text->ends_with("\n\nView the Global Icon dialog for version details."));
}

}  // namespace
}  // namespace file_name_rules_test
}  // namespace corvane
