#include "icons/function/LcdMessageTail.h"

#include "base/NoticeSink.h"
#include "netmodel/RecordTransfer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane {
namespace lcd_message_tail_test {
namespace {

class RecordingNotices final : public NoticeSink {
public:
    std::vector<std::string> texts;
    void ShowNotice(std::string_view text, std::string_view, NoticeStyle) override { texts.emplace_back(text); }
};

// A conditional message: input 1 is fed by a number, inputs 2 and 3 by on/off states.
LcdTailLayout Conditional(std::uint8_t line0, std::uint8_t line1 = 255, std::uint8_t line2 = 255)
{
    LcdTailLayout layout;
    layout.lineInserts = {line0, line1, line2};
    layout.dataSource[1] = true;
    return layout;
}

// Tail bytes: the three stored lines, then the given insert texts.
std::vector<std::uint8_t> TailBytes(const std::vector<std::string>& texts)
{
    std::vector<std::uint8_t> bytes;
    for (const std::string& text : texts) {
        bytes.insert(bytes.end(), text.begin(), text.end());
        bytes.push_back(0);
    }
    if (bytes.size() % 2 != 0)
        bytes.push_back(0);
    return bytes;
}

std::vector<std::uint8_t> Written(
    const LcdTailContent& content, const LcdTailLayout& layout, NoticeSink* notices = nullptr)
{
    RecordTransfer t = RecordTransfer::ForStoring();
    LcdMessageTail::Write(t, content, layout, "LCD", notices);
    return t.Written();
}

LcdTailContent ReadBack(
    const std::vector<std::uint8_t>& bytes, const LcdTailLayout& layout, std::size_t* used = nullptr)
{
    RecordTransfer t = RecordTransfer::ForLoading(bytes);
    LcdTailContent content = LcdMessageTail::Read(t, layout);
    EXPECT_FALSE(t.Failed()) << t.Error()->Describe();
    if (used != nullptr)
        *used = t.Position();
    return content;
}

TEST(LcdMessageTail, StoredLinesBecomeComposedLinesWithTheirInserts)
{
    struct Case {
        std::string stored;
        std::uint8_t map;
        std::string composed;
        int insert;
        LcdInsertTexts texts;
    };
    const std::vector<Case> cases{
        {"T=%3.1f C", 1, "T=^1 C", 1, {"##", "#"}},
        {"%5ld", 1, "^1", 1, {"#####", ""}},
        {"%11.0f", 1, "^1", 1, {"###########", ""}},
        {"%12.1f", 1, "12.1f", -1, {}},             // wider than 11: plain text
        {"%3.3f", 1, "3.3f", -1, {}},               // no integer digit: plain text
        {"a%3.1f b%2.0f", 1, "a^1 b2.0f", 1, {"##", "#"}},  // one insert per line
        {"%s", 1, "s", -1, {}},                     // a number needs a number format
        {"100%% done", 255, "100% done", -1, {}},
        {"50% x", 255, "50 x", -1, {}},             // a lone '%' without insert goes
        {"x^1\r\ny", 255, "x1y", -1, {}},           // no marker or break comes from stored text
        {"Door %s", 2, "Door ^2", 2, {"shut", "open"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        const auto bytes = TailBytes({"", c.stored, "", "", "", "shut", "open", "", ""});
        const LcdTailContent content = ReadBack(bytes, Conditional(255, c.map));
        EXPECT_EQ(content.message, "\r\n" + c.composed + "\r\n\r\n");
        EXPECT_EQ(content.lineInserts[1], c.insert);
        EXPECT_EQ(content.lineTexts[1], c.texts);
    }
}

TEST(LcdMessageTail, WritesTheExamplesOfTheMessageEditor)
{
    LcdTailContent content;
    content.message = "T=^1 C\r\nDoor ^2\r\n100% done\r\n";
    content.lineTexts[0] = {"xx", "x"};
    content.lineTexts[1] = {"shut", "open"};
    const LcdTailLayout layout = Conditional(1, 2);
    const auto bytes = Written(content, layout);
    EXPECT_EQ(bytes, TailBytes({"T=%3.1f C", "Door %s", "100%% done", "xx", "x", "shut", "open", "", ""}));

    const LcdTailContent back = ReadBack(bytes, layout);
    EXPECT_EQ(back.message, content.message);
    EXPECT_EQ(back.lineInserts, (std::array<int, 3>{1, 2, -1}));
    EXPECT_EQ(back.lineTexts[0], (LcdInsertTexts{"##", "#"}));
    EXPECT_EQ(back.lineTexts[1], (LcdInsertTexts{"shut", "open"}));
}

TEST(LcdMessageTail, NewLatchedMessageIsTwentyEightBytes)
{
    LcdTailLayout layout;
    layout.latched = true;
    const auto bytes = Written({}, layout);
    ASSERT_EQ(bytes.size(), 28u);
    EXPECT_EQ(bytes, TailBytes({"", "", "SELECT = Clear Msg  ", "", "", "", ""}));
    std::size_t used = 0;
    const LcdTailContent back = ReadBack(bytes, layout, &used);
    EXPECT_EQ(used, 28u);
    EXPECT_EQ(back.message, "\r\n\r\n") << "the fixed third line is not kept";
}

TEST(LcdMessageTail, MarkersWithoutTheirInsertAreLeftOutOfTheLine)
{
    LcdTailContent content;
    content.message = "a^2b^1c\r\nno ^1 here\r\n^ alone\r\n";
    content.lineTexts[0] = {"x", ""};
    // Line 0 shows input 1; line 1 names input 1 too but its map byte says
    // none (its input lost its link); line 2 has a '^' without a number.
    const auto bytes = Written(content, Conditional(1));
    EXPECT_EQ(bytes, TailBytes({"ab%1.0fc", "no  here", " alone", "x", "", "", "", "", ""}));
}

TEST(LcdMessageTail, AnInsertWhoseMarkerIsMissingIsNotWritten)
{
    LcdTailContent content;
    content.message = "plain\r\n\r\n\r\n";
    content.lineTexts[0] = {"xx", "x"};
    const LcdTailLayout layout = Conditional(1);
    EXPECT_EQ(LcdMessageTail::EffectiveInserts(content.message, layout.lineInserts, false),
        (std::array<std::uint8_t, 3>{255, 255, 255}));
    EXPECT_EQ(Written(content, layout), TailBytes({"plain", "", "", "", "", "", "", "", ""}));
}

TEST(LcdMessageTail, BlankIntegerPatternIsToldAndWrittenWithOneDigit)
{
    LcdTailContent content;
    content.message = "v^1 V\r\n\r\n\r\n";
    content.lineTexts[0] = {"", "xx"};
    RecordingNotices notices;
    const auto bytes = Written(content, Conditional(1), &notices);
    EXPECT_EQ(notices.texts, std::vector<std::string>{"The format for LCD input #1 was left blank"});
    EXPECT_EQ(bytes, TailBytes({"v%3.2f V", "", "", "", "xx", "", "", "", ""}));
}

TEST(LcdMessageTail, LongLinesAreCutToFortySevenBytesKeepingTheInsert)
{
    LcdTailContent content;
    content.message = std::string(30, '%') + "\r\n" + std::string(22, '%') + "^1" + std::string(5, 'z') + "\r\n\r\n";
    content.lineTexts[1] = {"xx", "x"};
    const auto bytes = Written(content, Conditional(255, 1));
    // Line 0: 25 characters are taken, 23 doubled '%' fit. Line 1: the
    // suffix goes first, then prefix characters, until the line fits.
    const std::string line0(46, '%');
    const std::string line1 = std::string(42, '%') + "%3.1f";
    EXPECT_EQ(bytes, TailBytes({line0, line1, "", "", "", "xx", "x", "", ""}));
    ReadBack(bytes, Conditional(255, 1));
}

TEST(LcdMessageTail, RefusesLinesAndTextsPastTheirLimits)
{
    struct Case {
        std::string what;
        std::vector<std::uint8_t> bytes;
        RecordErrorKind kind;
        std::size_t offset;
        std::string field;
    };
    const std::vector<Case> cases{
        {"line of 48 bytes", TailBytes({std::string(48, 'a'), "", "", "", "", "", "", "", ""}),
            RecordErrorKind::BadValue, 0, "message line"},
        {"insert text of 12 bytes", TailBytes({"", "", "", std::string(12, 'b'), "", "", "", "", ""}),
            RecordErrorKind::BadValue, 3, "insert text"},
        {"missing insert texts", TailBytes({"", "", ""}), RecordErrorKind::Truncated, 4, "insert text"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RecordTransfer t = RecordTransfer::ForLoading(c.bytes);
        (void)LcdMessageTail::Read(t, Conditional(255));
        ASSERT_TRUE(t.Failed());
        EXPECT_EQ(t.Error()->kind, c.kind);
        EXPECT_EQ(t.Error()->offset, c.offset);
        EXPECT_EQ(t.Error()->field, c.field);
    }
}

TEST(LcdMessageTail, ReadsOnlyWhatEveryTruncationLeaves)
{
    LcdTailContent content;
    content.message = "T=^1 C\r\nDoor ^2\r\n100% done\r\n";
    content.lineTexts[0] = {"xx", "x"};
    content.lineTexts[1] = {"shut", "open"};
    const auto bytes = Written(content, Conditional(1, 2));
    for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
        const std::vector<std::uint8_t> part(bytes.begin(), bytes.begin() + static_cast<long>(cut));
        RecordTransfer t = RecordTransfer::ForLoading(part);
        (void)LcdMessageTail::Read(t, Conditional(1, 2));
        EXPECT_TRUE(t.Failed()) << "cut at " << cut;
    }
}

}  // namespace
}  // namespace lcd_message_tail_test
}  // namespace corvane
