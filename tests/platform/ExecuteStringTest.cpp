#include "platform/ExecuteString.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

namespace corvane {
namespace execute_string_test {
namespace {

TEST(ExecuteStringTest, ParsesOpenCommands)
{
    using namespace std::string_literals;
    struct Case {
        std::string text;
        std::optional<std::string> path;
    };
    const Case cases[] = {
        {"[open(\"/home/user/plant.nt3\")]", "/home/user/plant.nt3"},
        {" \t\r\n[open(\"/a b/c.nt3\")]\r\n ", "/a b/c.nt3"},
        // Linux file names may hold quotes and brackets; the last `")]` ends the path.
        {"[open(\"/odd \"quoted\" [x].nt3\")]", "/odd \"quoted\" [x].nt3"},
        {"[open(\"/ends/with\")]\")]", "/ends/with\")]"},
        {"[open(\" spaced \")]", " spaced "},
        {"[open(\"caf\xC3\xA9.nt3\")]", "caf\xC3\xA9.nt3"},
        {"[open(\"\")]", std::nullopt},
        {"[open(\"/nul\0inside.nt3\")]"s, std::nullopt},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"[open(\")]", std::nullopt},
        {"[open(\"/a.nt3\")", std::nullopt},
        {"[open(\"/a.nt3\")] trailing", std::nullopt},
        {"x[open(\"/a.nt3\")]", std::nullopt},
        {"[OPEN(\"/a.nt3\")]", std::nullopt},
        {"[open( \"/a.nt3\" )]", std::nullopt},
        {"[open(/a.nt3)]", std::nullopt},
        {"[print(\"/a.nt3\")]", std::nullopt},
        {"/a.nt3", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseExecuteString(c.text), c.path) << "text: " << c.text;
}

TEST(ExecuteStringTest, FormattedCommandsParseBack)
{
    for (const std::string_view path : {"/home/user/plant.nt3", "/odd \"name\")] [x].nt3", " /lead and trail ", "x"}) {
        const std::string command = FormatOpenExecuteString(path);
        EXPECT_EQ(ParseExecuteString(command), std::string(path)) << command;
    }
    EXPECT_EQ(FormatOpenExecuteString("/a.nt3"), "[open(\"/a.nt3\")]");
}

}  // namespace
}  // namespace execute_string_test
}  // namespace corvane
