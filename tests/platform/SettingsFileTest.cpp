#include "platform/SettingsFile.h"

#include "tests/platform/SettingsPrinters.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane {
namespace settings_file_test {
namespace {

SettingsKey Key(std::string name, std::vector<SettingsNamedValue> values, std::vector<SettingsKey> subkeys = {})
{
    return {std::move(name), std::move(values), std::move(subkeys)};
}

SettingsParseResult ParseOk(std::string_view text)
{
    SettingsParseResult result = ParseSettings(text);
    EXPECT_FALSE(result.error) << result.error.Describe();
    return result;
}

// Every type, with the texts a naive format would break on.
SettingsKey AwkwardTree()
{
    std::string allBytes;
    SettingsBinary allBinary;
    for (int i = 0; i < 256; ++i) {
        allBytes += static_cast<char>(i);
        allBinary.push_back(static_cast<std::uint8_t>(i));
    }
    const std::string awkward[] = {
        "",
        "line one\nline two\r\n\ttabbed",
        "\"quoted\" and \\back\\slashed\\",
        std::string("nul\0inside", 10),
        "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80",      // valid UTF-8 stays readable
        "\xFF\xC3 lone \xED\xA0\x80 surrogate \xC0\xAF",  // invalid UTF-8 kept byte for byte
        "\x7F del; # not a comment = [not] a section",
        allBytes,
    };
    std::vector<SettingsNamedValue> values;
    for (std::size_t i = 0; i < std::size(awkward); ++i)
        values.push_back({"Text" + std::to_string(i), SettingsValue::String(awkward[i])});
    values.push_back({"Zero", SettingsValue::Dword(0)});
    values.push_back({"Max", SettingsValue::Dword(0xFFFFFFFFu)});
    values.push_back({"NoBytes", SettingsValue::Binary({})});
    values.push_back({"AllBytes", SettingsValue::Binary(allBinary)});
    values.push_back({"NoTexts", SettingsValue::Multi({})});
    values.push_back({"OneEmpty", SettingsValue::Multi({""})});
    values.push_back({"Texts", SettingsValue::Multi({awkward, awkward + std::size(awkward)})});
    values.push_back({"", SettingsValue::String("the default value")});
    values.push_back({"with spaces = and \"quotes\"", SettingsValue::Dword(1)});
    values.push_back({"[looks like a section]", SettingsValue::Dword(2)});
    values.push_back({"; looks like a comment", SettingsValue::Dword(3)});
    values.push_back({"Gr\xC3\xB6\xC3\x9F"
                      "e\n2",
        SettingsValue::Dword(4)});

    return Key("", {{"TopLevel", SettingsValue::Dword(7)}},
        {
            Key("Software", {},
                {Key("Tarnwick", {},
                    {Key("Corvane", std::move(values),
                        {Key("Admin", {{"ShowProduction", SettingsValue::Dword(1)}}), Key("Empty", {}),
                            Key(" spaced ] odd\"name ", {{"x", SettingsValue::Dword(5)}}),
                            Key("Unicod\xC3\xA9 key", {}, {Key("Deeper", {})}), Key("bad\xFFutf8", {})})})}),
            Key("Zeta", {{"z", SettingsValue::String("last")}}),
            Key("Alpha", {}),
        });
}

TEST(SettingsFileTest, RoundTripsEveryTypeAndAwkwardText)
{
    const SettingsKey tree = AwkwardTree();
    const std::string text = FormatSettings(tree);
    const SettingsParseResult parsed = ParseOk(text);
    EXPECT_EQ(parsed.root, tree) << text;
    EXPECT_EQ(FormatSettings(parsed.root), text);  // the text is stable
    // The file stays UTF-8: valid sequences as they are, anything else escaped.
    EXPECT_NE(text.find("caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80"), std::string::npos);
    EXPECT_NE(text.find(R"(\xff\xc3 lone \xed\xa0\x80 surrogate \xc0\xaf)"), std::string::npos);
    EXPECT_NE(text.find(R"(["Software\\Tarnwick\\Corvane\\bad\xffutf8"])"), std::string::npos);
}

TEST(SettingsFileTest, WritesReadableText)
{
    const SettingsKey tree = Key("", {},
        {Key("Software", {},
            {Key("Tarnwick", {},
                {Key("Corvane",
                    {{"LoggerRetryTime", SettingsValue::Dword(5000)}, {"WindowPosX", SettingsValue::String("12")},
                        {"Mask", SettingsValue::Binary({0x0a, 0xff, 0x10})},
                        {"Recent", SettingsValue::Multi({"a.net", "b c.net"})},
                        {"Quote \"me\"", SettingsValue::String("two\nlines")}},
                    {Key("Admin", {{"ShowProduction", SettingsValue::Dword(0)}}), Key("Folders", {})})})})});
    EXPECT_EQ(FormatSettings(tree),
        "[Software\\Tarnwick\\Corvane]\n"
        "LoggerRetryTime = dword:5000\n"
        "WindowPosX = string:\"12\"\n"
        "Mask = binary:0a ff 10\n"
        "Recent = multi:\"a.net\", \"b c.net\"\n"
        "\"Quote \\\"me\\\"\" = string:\"two\\nlines\"\n"
        "\n"
        "[Software\\Tarnwick\\Corvane\\Admin]\n"
        "ShowProduction = dword:0\n"
        "\n"
        "[Software\\Tarnwick\\Corvane\\Folders]\n");
}

TEST(SettingsFileTest, ReadsHandWrittenTextInFileOrder)
{
    const SettingsParseResult parsed = ParseOk("\xEF\xBB\xBF; written by hand\r\n"
                                               "Top=dword:0x10\r\n"
                                               "\n"
                                               "  # indented comment\n"
                                               "[ b \\ Inner ]\n"
                                               "  Second =  string:\"2\"  \n"
                                               "first\t=\tbinary: 0A Ff \n"
                                               "[a]\n"
                                               "[B]\n"  // b was created by [b\Inner] and gets its own section now
                                               "m = multi:\"x\" ,\"y\"\n"
                                               "[B\\inner\\Leaf]\n"
                                               "d = dword:007");
    const SettingsKey expected = Key("", {{"Top", SettingsValue::Dword(16)}},
        {Key("b", {{"m", SettingsValue::Multi({"x", "y"})}},
             {Key("Inner", {{"Second", SettingsValue::String("2")}, {"first", SettingsValue::Binary({0x0a, 0xff})}},
                 {Key("Leaf", {{"d", SettingsValue::Dword(7)}})})}),
            Key("a", {})});
    EXPECT_EQ(parsed.root, expected);
}

TEST(SettingsFileTest, EmptyOrBlankTextIsAnEmptyTree)
{
    for (const std::string_view text : {"", "\n\n", "; only a comment", "\xEF\xBB\xBF"})
        EXPECT_EQ(ParseOk(text).root, SettingsKey{}) << text;
}

TEST(SettingsFileTest, ReportsTheLineAndTheFault)
{
    struct Case {
        std::string text;
        std::size_t line;
        std::string what;
    };
    const std::string longName(kMaxSettingsValueName + 1, 'n');
    const std::string longKey(kMaxSettingsKeyName + 1, 'k');
    std::string deepPath;
    for (std::size_t i = 0; i <= kMaxSettingsKeyDepth; ++i)
        deepPath += i == 0 ? "k" : "\\k";
    const Case cases[] = {
        {"a = dword:1\nb dword:2\n", 2, "expected '=' after the value name"},
        {"[K]\nv = text:\"x\"", 2, "unknown value type 'text'"}, {"v = \"x\"", 1, "expected a type"},
        {"v = string:x", 1, "expected a quoted text after 'string:'"},
        {"v = string:\"open", 1, "quoted text is not closed"}, {"v = string:\"a\\q\"", 1, "unknown escape \\q"},
        {"v = string:\"a\\x4\"", 1, "expected two hex digits after \\x"},
        {"v = string:\"ends\\", 1, "quoted text ends in a lone backslash"},
        {"v = string:\"a\x01\"", 1, "control character in quoted text"},
        {"v = string:\"a\"b", 1, "unexpected text after the value"},
        {"\n\nv = dword:4294967296", 3, "number out of range"}, {"v = dword:0x100000000", 1, "number out of range"},
        {"v = dword:-1", 1, "expected a number"}, {"v = dword:12abc", 1, "unexpected text after the value"},
        {"v = binary:0a f", 1, "expected two hex digits"}, {"v = binary:0a0b", 1, "expected a blank between the bytes"},
        {"v = binary:zz", 1, "expected two hex digits"}, {"v = multi:\"a\" \"b\"", 1, "expected ',' between the texts"},
        {"v = multi:\"a\",", 1, "expected a quoted text in the multi value"},
        {"v = multi:a", 1, "expected a quoted text in the multi value"}, {"= dword:1", 1, "expected a value name"},
        {"\x01 = dword:1", 1, "expected a value name"}, {"[open", 1, "not closed with ']'"},
        {"[a]]", 1, "unexpected text after the section header"}, {"[a\\\\b]", 1, "empty key name"},
        {"[a\\]", 1, "empty key name"}, {"[]", 1, "empty key name"}, {"[a\"b]", 1, "unexpected character in key path"},
        {"[\"a\" x]", 1, "expected ']' after the quoted key path"},
        {"[" + longKey + "]", 1, "key name longer than 255 bytes"},
        {"[" + deepPath + "]", 1, "key path deeper than 512 keys"},
        {longName + " = dword:1", 1, "value name longer than 2047 bytes"},
        {"[A]\nx = dword:1\n[B]\n[a]", 4, "key \"A\" has a second section (first on line 1)"},
        {"[A]\nName = dword:1\nNAME = dword:2", 3, "value \"NAME\" appears twice in its key (first on line 2)"},
        {"Top = dword:1\n[A]\nTop = dword:1", 0, ""},  // the same name in another key is fine
    };
    for (const Case& c : cases) {
        const SettingsParseResult parsed = ParseSettings(c.text);
        EXPECT_EQ(parsed.error.line, c.line) << c.text.substr(0, 60) << " -> " << parsed.error.Describe();
        EXPECT_NE(parsed.error.what.find(c.what), std::string::npos)
            << c.text.substr(0, 60) << " -> " << parsed.error.what;
        if (parsed.error) {
            EXPECT_EQ(parsed.root, SettingsKey{});
            EXPECT_EQ(parsed.error.Describe(), "line " + std::to_string(c.line) + ": " + parsed.error.what);
        }
    }
}

TEST(SettingsFileTest, FindsNamesInAnyAsciiCase)
{
    SettingsKey key = Key("K", {{"LoggerRetryTime", SettingsValue::Dword(1)}}, {Key("Admin", {})});
    EXPECT_EQ(key.FindValue("LOGGERretrytime"), &key.values[0]);
    EXPECT_EQ(key.FindSubkey("aDMIN"), &key.subkeys[0]);
    EXPECT_EQ(key.FindValue("LoggerRetryTim"), nullptr);
    EXPECT_TRUE(SettingsNamesEqual("Gr\xC3\xB6SSE", "gr\xC3\xB6sse"));
    EXPECT_FALSE(SettingsNamesEqual("\xC3\x96", "\xC3\xB6"));  // only ASCII letters fold
}

}  // namespace
}  // namespace settings_file_test
}  // namespace corvane
