#include "shell/ErrorBoxes.h"

#include "PlatformTestSupport.h"
#include "halvix/CReplyMessage.h"

namespace corvane {
namespace error_boxes_test {
namespace {

class ErrorBoxesTest : public test::PlatformTest {};

std::vector<std::uint8_t> ErrorData(std::uint16_t code, std::string_view text, bool nul = true)
{
    std::vector<std::uint8_t> data{static_cast<std::uint8_t>(code & 0xFF), static_cast<std::uint8_t>(code >> 8)};
    data.insert(data.end(), text.begin(), text.end());
    if (nul)
        data.push_back(0);
    return data;
}

TEST_F(ErrorBoxesTest, ReplyErrorsShowCodeAndTextFromTheData)
{
    struct Case {
        const char* what;
        std::uint16_t ownCode;
        std::string ownText;
        std::vector<std::uint8_t> data;
        const char* expected;
    };
    const Case cases[] = {
        {"code and text", 0x99, "own", ErrorData(0x1A, "Busy"), "Error (001A) while processing request.\n\nBusy"},
        {"text without its NUL", 0x99, "own", ErrorData(0xBEEF, "Lost", false),
            "Error (BEEF) while processing request.\n\nLost"},
        {"text with trailing bytes", 0, "", ErrorData(0x2, std::string_view("ab\0cd", 5)),
            "Error (0002) while processing request.\n\nab"},
        {"Windows-1252 text", 0, "", ErrorData(0x3, "50\xB0"),
            "Error (0003) while processing request.\n\n50\xC2\xB0"},
        {"only a code", 0x99, "Timed out", ErrorData(0x7, "", false),
            "Error (0007) while processing request.\n\nTimed out"},
        {"one byte", 0x42, "Short", {0x5}, "Error (0042) while processing request.\n\nShort"},
        {"no data", 0xFFFF, "No reply", {}, "Error (FFFF) while processing request.\n\nNo reply"},
    };
    for (const Case& c : cases) {
        Prompts().messageBoxes.clear();
        const CReplyMessage reply(1, c.ownCode, true, c.ownText, c.data);
        ShowReplyError(WindowHandle{}, reply);
        ASSERT_EQ(Prompts().messageBoxes.size(), 1u) << c.what;
        const MessageBoxRequest& box = Prompts().messageBoxes[0];
        EXPECT_EQ(box.text, c.expected) << c.what;
        EXPECT_EQ(box.caption, "Communication Error");
        EXPECT_EQ(box.icon, MessageBoxIcon::Error);
        EXPECT_EQ(box.buttons, MessageBoxButtons::Ok);
    }
}

TEST_F(ErrorBoxesTest, ReplyWithoutErrorFlagShowsNothing)
{
    const CReplyMessage reply(1, 0x1A, false, "Busy", ErrorData(0x1A, "Busy"));
    ShowReplyError(WindowHandle{}, reply);
    EXPECT_TRUE(Prompts().messageBoxes.empty());
}

TEST_F(ErrorBoxesTest, CommErrorIsAlwaysShown)
{
    ShowCommError(WindowHandle{}, 0, "");
    ShowCommError(WindowHandle{}, 0xABCD, "Logger refused");
    ASSERT_EQ(Prompts().messageBoxes.size(), 2u);
    EXPECT_EQ(Prompts().messageBoxes[0].text, "Error (0000) while processing request.\n\n");
    EXPECT_EQ(Prompts().messageBoxes[1].text, "Error (ABCD) while processing request.\n\nLogger refused");
}

}  // namespace
}  // namespace error_boxes_test
}  // namespace corvane
