#include "icons/reporting/EmailPreview.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane {
namespace email_preview_test {
namespace {

std::vector<EmailPreviewInput> Inputs()
{
    std::vector<EmailPreviewInput> inputs(13);
    inputs[0] = {true, true, "xx", "x", "Tank level"};
    inputs[1] = {true, false, "Closed", "Open", "Door"};
    inputs[2] = {false, true, "xx", "x", ""};
    inputs[12] = {true, true, "xxx", "", "Flow"};
    return inputs;
}

TEST(EmailPreview, HeaderLinesFollowTheLoggerIdChoice)
{
    const auto inputs = Inputs();
    EXPECT_EQ(EmailPreview::Compose("Hello", inputs, EmailDisplayMode::Numbers, false).preview,
        "Date/Time\r\nUnit Name\r\n\r\nHello");
    EXPECT_EQ(EmailPreview::Compose("Hello", inputs, EmailDisplayMode::Numbers, true).preview,
        "Date/Time\r\nUnit Name\r\nUnit ID\r\nSerial #\r\n\r\nHello");
}

TEST(EmailPreview, MarkersOfLinkedInputsBecomePlaceholdersAndReferences)
{
    const auto inputs = Inputs();
    struct Case {
        std::string_view message;
        EmailDisplayMode mode;
        std::string composed;
        std::vector<int> references;
    };
    const Case cases[] = {
        {"L=^0 D=^1", EmailDisplayMode::Numbers, "L=##.# D=Closed", {0, 1}},
        {"L=^0 D=^1", EmailDisplayMode::EditText, "L=##.# D=Closed", {0, 1}},
        {"L=^0 D=^1", EmailDisplayMode::Names, "L=Tank level D=Door", {0, 1}},
        {"unlinked ^2 and ^5 stay", EmailDisplayMode::Numbers, "unlinked ^2 and ^5 stay", {}},
        {"F=^12 ^1^0", EmailDisplayMode::Numbers, "F=### Closed##.#", {12, 1, 0}},
        {"^", EmailDisplayMode::Numbers, "^", {}},
    };
    for (const Case& c : cases) {
        const EmailComposition result = EmailPreview::Compose(c.message, inputs, c.mode, false);
        EXPECT_EQ(result.composed, c.composed) << c.message;
        EXPECT_EQ(result.references, c.references) << c.message;
    }
}

TEST(EmailPreview, PlaceholdersOfNumbersAndNames)
{
    struct Case {
        EmailPreviewInput input;
        std::string placeholder;
    };
    const Case cases[] = {
        {{true, true, "xxx", "xx", ""}, "###.##"},
        {{true, true, "xxx", "", ""}, "###"},
        {{true, true, "", "xx", ""}, ""},
        {{true, true, "xxxxxxxxxxx", "x", ""}, "###########"},
        {{true, false, "Off", "Running", ""}, "Running"},
        {{true, false, "Low", "Hi", ""}, "Low"},
        {{true, false, "Abc", "Def", ""}, "Abc"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EmailPreview::Placeholder(c.input, EmailDisplayMode::Numbers), c.placeholder)
            << c.input.low << "/" << c.input.high;
}

TEST(EmailPreview, PreviewIsCutAtTheSizeLimitAndTheScanAt3227)
{
    const auto inputs = Inputs();
    const std::string longText(4000, 'a');
    const EmailComposition result = EmailPreview::Compose(longText, inputs, EmailDisplayMode::Numbers, true);
    EXPECT_EQ(result.preview.size(), 2880u);
    EXPECT_EQ(result.composed.size(), 3227u);
    const std::string late = std::string(3226, 'a') + "^0";
    EXPECT_TRUE(EmailPreview::Compose(late, inputs, EmailDisplayMode::Numbers, false).references.empty())
        << "a marker cut by the scan limit is text";
}

TEST(EmailPreview, DigitCountsKeepTheNumberWithinElevenPlaces)
{
    struct Case {
        DigitCounts in;
        bool integerLast;
        DigitCounts out;
    };
    const Case cases[] = {
        {{2, 1}, true, {2, 1}},
        {{8, 3}, true, {8, 2}},
        {{8, 3}, false, {7, 3}},
        {{0, 3}, false, {1, 3}},
        {{11, 4}, true, {11, 0}},
        {{15, 0}, true, {11, 0}},
        {{1, 11}, false, {1, 9}},
        {{5, 11}, false, {1, 9}},
        {{10, 0}, false, {10, 0}},
        {{11, 0}, false, {9, 1}},
        {{-1, -2}, false, {0, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EmailPreview::TrimDigitCounts(c.in, c.integerLast), c.out)
            << c.in.integer << "+" << c.in.fraction << (c.integerLast ? " integer last" : " fraction last");
}

}  // namespace
}  // namespace email_preview_test
}  // namespace corvane
