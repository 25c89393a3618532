#include "netmodel/InputFormat.h"

#include "base/NoticeSink.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane {
namespace input_format_test {
namespace {

class RecordingNotices final : public NoticeSink {
public:
    std::vector<std::string> texts;
    void ShowNotice(std::string_view text, std::string_view, NoticeStyle) override { texts.emplace_back(text); }
};

TEST(InputFormat, ParsesFormatsIntoMarkers)
{
    struct Case {
        const char* text;
        bool numeric;
        int index;
        bool isFormat;
        std::size_t consumed;
        const char* out;
        int width;
        int precision;
    };
    const Case cases[] = {
        {"%%rest", true, 0, false, 2, "%", 0, 0},
        {"%5.2f C", true, 3, true, 5, "^3", 5, 2},
        {"%12.1g", true, 1, true, 6, "^1", 12, 1},
        {"%4ld", true, 2, true, 4, "^2", 4, 0},
        {"%s", false, 0, true, 2, "^0", 0, 0},
        {"%d", false, 0, false, 0, "", 0, 0},
        {"%0.2f", true, 0, false, 0, "", 0, 0},
        {"%123.1f", true, 0, false, 0, "", 0, 0},
        {"%5.2x", true, 0, false, 0, "", 0, 0},
        {"%5", true, 0, false, 0, "", 0, 0},
        {"%5l", true, 0, false, 0, "", 0, 0},
        {"%5.2f", true, -1, false, 0, "", 0, 0},
        {"x", true, 0, false, 0, "", 0, 0},
    };
    for (const Case& c : cases) {
        std::string out;
        const ParsedInputFormat parsed = ParseFormatSpec(c.text, out, c.numeric, c.index);
        EXPECT_EQ(parsed.isFormat, c.isFormat) << c.text;
        EXPECT_EQ(parsed.consumed, c.consumed) << c.text;
        EXPECT_EQ(out, c.out) << c.text;
        if (c.isFormat) {
            EXPECT_EQ(parsed.width, c.width) << c.text;
            EXPECT_EQ(parsed.precision, c.precision) << c.text;
        }
    }
}

TEST(InputFormat, WritesInputFormatsAndWarnsOfABlankWidth)
{
    RecordingNotices notices;
    struct Case {
        bool numeric;
        int width;
        int precision;
        const char* out;
    };
    for (const Case& c : {Case{false, 0, 0, "%s"}, Case{true, 3, 0, "%3.0f"}, Case{true, 3, 2, "%5.2f"},
             Case{true, 0, 2, "%"}}) {
        std::string out;
        WriteInputFormat(2, c.numeric, c.width, c.precision, out, "Tank", &notices);
        EXPECT_EQ(out, c.out);
    }
    ASSERT_EQ(notices.texts.size(), 1u);
    EXPECT_EQ(notices.texts[0], "The format for Tank input #2 was left blank");
    std::string out;
    WriteInputFormat(1, true, 0, 0, out, std::string(200, 'n'), &notices);
    EXPECT_LE(notices.texts.back().size(), 79u);
}

TEST(InputFormat, ExpandsTemplatesBackToFormatStrings)
{
    std::string out;
    ExpandTextTemplate("50% of ^0 left\rignored", std::nullopt, out, 1, 3, 1, true, "Tank", nullptr);
    EXPECT_EQ(out, "50%% of %4.1f left");
    out.clear();
    ExpandTextTemplate("Level ^0", std::nullopt, out, -1, 3, 1, true, "Tank", nullptr);
    EXPECT_EQ(out, "Level ^0") << "no input: the marker stays text";
    out.clear();
    ExpandTextTemplate("A%B tail", std::size_t{3}, out, 0, 0, 0, false, "Tank", nullptr);
    EXPECT_EQ(out, "A%%B%s");
}

}  // namespace
}  // namespace input_format_test
}  // namespace corvane
