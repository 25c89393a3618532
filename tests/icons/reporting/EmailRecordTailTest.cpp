#include "icons/reporting/EmailRecordTail.h"

#include "RecordingNoticeSink.h"

#include "netmodel/RecordTransfer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane {
namespace email_record_tail_test {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Tail bytes, appended piece by piece.
class TailBytes {
public:
    TailBytes& U8(std::uint8_t v)
    {
        bytes_.push_back(v);
        return *this;
    }
    TailBytes& U32(std::uint32_t v)
    {
        for (int shift = 0; shift < 32; shift += 8)
            U8(static_cast<std::uint8_t>(v >> shift));
        return *this;
    }
    // A text and its NUL.
    TailBytes& Str(std::string_view text)
    {
        bytes_.insert(bytes_.end(), text.begin(), text.end());
        return U8(0);
    }
    // Base filename, From and Subject.
    TailBytes& Texts(std::string_view base, std::string_view from, std::string_view subject)
    {
        return Str(base).Str(from).Str(subject);
    }
    const Bytes& Get() const { return bytes_; }

private:
    Bytes bytes_;
};

// A layout whose first inputs are linked, by name or as a number.
EmailTailLayout Layout(std::string_view inputs)
{
    EmailTailLayout layout;
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        layout.linked[i] = inputs[i] != '-';
        layout.number[i] = inputs[i] == 'n';
    }
    return layout;
}

EmailTailContent Content(std::string_view message, std::vector<int> references)
{
    EmailTailContent content;
    content.message = message;
    for (std::size_t i = 0; i < references.size(); ++i)
        content.references[i] = references[i];
    content.from = "logger@plant.example";
    content.subject = "Alarm";
    content.to = "ops@plant.example";
    return content;
}

Bytes Write(const EmailTailContent& content, const EmailTailLayout& layout, NoticeSink* notices = nullptr)
{
    RecordTransfer t = RecordTransfer::ForStoring();
    EmailRecordTail::Write(t, content, layout, "Email", notices);
    return t.Written();
}

// Reads with the counts the fixed part would give.
EmailTailContent Read(const Bytes& bytes, EmailTailLayout layout, std::size_t references, std::size_t tags,
    std::optional<RecordError>* error = nullptr)
{
    layout.referenceCount = references;
    layout.tagCount = tags;
    RecordTransfer t = RecordTransfer::ForLoading(bytes);
    EmailTailContent content = EmailRecordTail::Read(t, layout);
    if (error != nullptr)
        *error = t.Error();
    else
        EXPECT_FALSE(t.Failed()) << t.Error()->Describe();
    return content;
}

TEST(EmailRecordTail, WritesTheEdgeCasesByteForByteAndReadsThemBack)
{
    struct Case {
        const char* name;
        EmailTailContent content;
        EmailTailLayout layout;
        Bytes expected;
        std::string messageBack;
    };
    auto numbered = Content("T=^0 C", {0});
    numbered.inputTexts[0] = {"##", "#"};
    auto percent = Content("50% of ^0!", {0});
    percent.inputTexts[0] = {"Off", "On"};
    auto noTo = Content("Hi", {});
    noTo.to.clear();
    auto odd = Content("^0^1^2", {0, 1, 2});
    odd.inputTexts[0] = {"#", ""};
    odd.inputTexts[1] = {"Lo", "Hi"};
    odd.inputTexts[2] = {"###", "##"};
    auto named = Content("^1 is ^1", {1, 1});
    named.inputTexts[1] = {"Stopped", "Running"};
    const std::string head = "logger@plant.example";
    const Case cases[] = {
        {"no markers", Content("Level normal", {}), Layout(""),
            TailBytes().Texts("", head, "Alarm").Str("ops@plant.example").U8(0).Str("Level normal").U8(0).U8(0).Get(),
            "Level normal"},
        {"a number between texts", numbered, Layout("n"),
            TailBytes().U8(0).U8(0).Texts("", head, "Alarm").Str("ops@plant.example").U8(0).Str("T=%3.1f").Str(" C").U8(0).U8(0).Get(),
            "T=^0 C"},
        {"a percent sign before a name", percent, Layout("s"),
            TailBytes().U8(0).U8(0).Texts("", head, "Alarm").Str("ops@plant.example").U8(0).Str("50%% of %s").Str("!").U8(0)
                .Str("Off").Str("On").U8(0).U8(0).Get(),
            "50% of ^0!"},
        {"an empty To", noTo, Layout(""),
            TailBytes().Texts("", head, "Alarm").U8(0).Str("Hi").U8(0).U8(0).Get(), "Hi"},
        {"three references", odd, Layout("nsn"),
            TailBytes().U8(0).U8(1).U8(2).U8(0).Texts("", head, "Alarm").Str("ops@plant.example").U8(0)
                .Str("%1.0f").Str("%s").Str("%5.2f").U8(0).Str("Lo").Str("Hi").U8(0).Get(),
            "^0^1^2"},
        {"one input twice by name", named, Layout("-s"),
            TailBytes().U8(1).U8(1).Texts("", head, "Alarm").Str("ops@plant.example").U8(0).Str("%s").Str(" is %s").U8(0)
                .Str("Stopped").Str("Running").Str("Stopped").Str("Running").U8(0).U8(0).Get(),
            "^1 is ^1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Bytes written = Write(c.content, c.layout);
        EXPECT_EQ(written, c.expected);
        const std::size_t references = EmailRecordTail::PlaceReferences(c.content, c.layout).size();
        const EmailTailContent back = Read(written, c.layout, references, 0);
        EXPECT_EQ(back.message, c.messageBack);
        EXPECT_EQ(back.to, c.content.to);
        EXPECT_EQ(back.from, c.content.from);
        EXPECT_EQ(Write(back, c.layout), written) << "what is read writes the same bytes";
        for (std::size_t i = 0; i < references; ++i) {
            const auto input = static_cast<std::size_t>(c.content.references[i]);
            EXPECT_EQ(back.references[i], c.content.references[i]);
            EXPECT_EQ(back.inputTexts[input].low.size(), c.content.inputTexts[input].low.size());
            EXPECT_EQ(back.inputTexts[input].high.size(), c.content.inputTexts[input].high.size());
        }
    }
}

TEST(EmailRecordTail, NumberTemplatesComeBackAsHashRuns)
{
    auto content = Content("Flow ^3 l/s", {3});
    content.inputTexts[3] = {"xxxx", "xx"};
    const auto layout = Layout("---n");
    const EmailTailContent back = Read(Write(content, layout), layout, 1, 0);
    EXPECT_EQ(back.inputTexts[3], (EmailInputTexts{"####", "##"}));
    EXPECT_EQ(back.message, "Flow ^3 l/s");
}

TEST(EmailRecordTail, AllTwentyFourInputsAndTagIdsRoundTrip)
{
    std::string message;
    std::vector<int> references;
    std::string layoutText;
    for (int i = 0; i < 24; ++i) {
        message += "v" + std::to_string(i) + "=^" + std::to_string(i) + ";";
        references.push_back(i);
        layoutText += i % 2 == 0 ? 'n' : 's';
    }
    auto content = Content(message, references);
    for (std::size_t i = 0; i < 24; ++i)
        content.inputTexts[i] = i % 2 == 0 ? EmailInputTexts{"##", "#"} : EmailInputTexts{"low" + std::to_string(i), "high"};
    content.tagIds = {7, 0x0102, 65535};
    content.baseFilename = "plant";
    const auto layout = Layout(layoutText);
    ASSERT_EQ(EmailRecordTail::PlaceReferences(content, layout).size(), 24u);
    const Bytes written = Write(content, layout);
    EXPECT_EQ(written.size() % 2, 0u);
    const EmailTailContent back = Read(written, layout, 24, 3);
    EXPECT_EQ(back.tagIds, content.tagIds);
    EXPECT_EQ(back.baseFilename, "plant");
    EXPECT_EQ(back.message, message);
    EXPECT_EQ(back.references, content.references);
    EXPECT_EQ(back.inputTexts[1], content.inputTexts[1]);
    EXPECT_EQ(back.inputTexts[22], (EmailInputTexts{"##", "#"}));
}

TEST(EmailRecordTail, WritesOnlyReferencesWhoseInputIsLinkedAndWhoseMarkerFollows)
{
    // Input 1 is not linked; input 2 has no marker; the second reference to
    // input 0 finds no marker after the first.
    auto content = Content("A^0 B^1 C", {0, 1, 2, 0});
    content.inputTexts[0] = {"#", ""};
    const auto layout = Layout("n-n");
    const auto placed = EmailRecordTail::PlaceReferences(content, layout);
    ASSERT_EQ(placed.size(), 1u);
    EXPECT_EQ(placed[0].input, 0);
    const Bytes written = Write(content, layout);
    EXPECT_EQ(written, TailBytes().U8(0).U8(0).Texts("", "logger@plant.example", "Alarm").Str("ops@plant.example").U8(0)
                           .Str("A%1.0f").Str(" B^1 C").U8(0).U8(0).U8(0).Get());
    EXPECT_EQ(Read(written, layout, 1, 0).message, "A^0 B^1 C");
}

TEST(EmailRecordTail, MarkersAreReadAsTheMessageScanReadsThem)
{
    struct Case {
        std::string_view text;
        int input;
        std::size_t length;
    };
    const Case cases[] = {
        {"^0", 0, 2}, {"^05", 0, 2}, {"^7", 7, 2}, {"^12", 12, 3}, {"^123", 12, 3}, {"^x", -1, 0}, {"^", -1, 0},
    };
    for (const Case& c : cases) {
        std::size_t length = 0;
        EXPECT_EQ(EmailRecordTail::MarkerAt(c.text, 0, length), c.input) << c.text;
        if (c.input >= 0) {
            EXPECT_EQ(length, c.length) << c.text;
        }
    }
    std::size_t length = 0;
    EXPECT_EQ(EmailRecordTail::FindMarker("^12 ^1", 1, 0, length), 4u) << "input 1 is not the start of ^12";
}

TEST(EmailRecordTail, EmptyPiecesOfTheToTextAreLeftOut)
{
    for (const std::string_view to : {",a@b.c,,d@e.f,", "a@b.c,d@e.f", ",,a@b.c,d@e.f"}) {
        auto content = Content("x", {});
        content.to = to;
        const Bytes written = Write(content, Layout(""));
        EXPECT_EQ(written, TailBytes().Texts("", "logger@plant.example", "Alarm").Str("a@b.c").Str("d@e.f").U8(0)
                               .Str("x").U8(0).U8(0).U8(0).Get())
            << to;
        EXPECT_EQ(Read(written, Layout(""), 0, 0).to, "a@b.c,d@e.f");
    }
}

TEST(EmailRecordTail, ANumberWithoutIntegerDigitsIsALonePercentWithAWarning)
{
    auto content = Content("V=^0 and ^1", {0, 1});
    content.inputTexts[0] = {"", "##"};
    content.inputTexts[1] = {"#", ""};
    const auto layout = Layout("nn");
    test::RecordingNoticeSink notices;
    const Bytes written = Write(content, layout, &notices);
    ASSERT_EQ(notices.shown.size(), 1u);
    EXPECT_EQ(notices.shown[0].text, "The format for Email input #0 was left blank");
    EXPECT_EQ(written, TailBytes().U8(0).U8(1).Texts("", "logger@plant.example", "Alarm").Str("ops@plant.example").U8(0)
                           .Str("V=%").Str(" and %1.0f").U8(0).U8(0).Get());
    const EmailTailContent back = Read(written, layout, 2, 0);
    EXPECT_EQ(back.message, "V=^0 and ^1");
    EXPECT_EQ(back.inputTexts[0], EmailInputTexts{}) << "the marker with empty digit templates";
    EXPECT_EQ(Write(back, layout), written);
}

TEST(EmailRecordTail, TextsAreCutAtTheirLimitsWhenWritten)
{
    auto content = Content(std::string(3300, 'm'), {});
    content.baseFilename = std::string(60, 'b');
    content.from = std::string(300, 'f');
    content.to = std::string(300, 't');
    const Bytes written = Write(content, Layout(""));
    const EmailTailContent back = Read(written, Layout(""), 0, 0);
    EXPECT_EQ(back.baseFilename.size(), 45u);
    EXPECT_EQ(back.from.size(), 256u);
    EXPECT_EQ(back.to.size(), 256u);
    EXPECT_EQ(back.message.size(), 3227u);
}

TEST(EmailRecordTail, RefusesWhatDoesNotFitWithItsOffset)
{
    const std::string head = "logger@plant.example";
    const std::string address200(200, 'a');
    struct Case {
        const char* name;
        Bytes bytes;
        std::size_t references;
        std::size_t tags;
        RecordErrorKind kind;
        std::size_t offset;
        std::string field;
    };
    const Case cases[] = {
        {"an input reference past 23", TailBytes().U8(24).U8(0).Texts("", head, "S").U8(0).Str("%s").U8(0).U8(0).Get(), 1, 0,
            RecordErrorKind::BadValue, 0, "input reference"},
        {"more than 24 references", Bytes(40, 0), 25, 0, RecordErrorKind::BadCount, 0, "input references"},
        {"more than 256 tag ids", Bytes(2000, 0), 0, 257, RecordErrorKind::BadCount, 0, "tag ids"},
        {"a base filename of 46 bytes", TailBytes().Str(std::string(46, 'b')).Get(), 0, 0, RecordErrorKind::BadValue, 0,
            "base filename"},
        {"a joined To of 401 bytes", TailBytes().Texts("", head, "S").Str(address200).Str(address200).U8(0).Get(), 0, 0,
            RecordErrorKind::BadValue, 225, "To"},
        {"a message of 3228 bytes", TailBytes().Texts("", "", "").U8(0).Str(std::string(3228, 'm')).U8(0).U8(0).Get(), 0, 0,
            RecordErrorKind::BadValue, 4, "message"},
        {"a state name of 12 bytes",
            TailBytes().U8(0).U8(0).Texts("", "", "").U8(0).Str("%s").U8(0).Str(std::string(12, 'n')).Get(), 1, 0,
            RecordErrorKind::BadValue, 10, "state name"},
        {"text where the message ends", TailBytes().Texts("", "", "").U8(0).Str("rest").U8(7).U8(0).Get(), 0, 0,
            RecordErrorKind::BadValue, 9, "message end"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::optional<RecordError> error;
        (void)Read(c.bytes, Layout("s"), c.references, c.tags, &error);
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(error->kind, c.kind);
        EXPECT_EQ(error->offset, c.offset);
        EXPECT_EQ(error->field, c.field);
    }
}

TEST(EmailRecordTail, RejectsEveryTruncation)
{
    auto content = Content("T=^0 C and ^1", {0, 1});
    content.inputTexts[0] = {"##", "#"};
    content.inputTexts[1] = {"Off", "On"};
    content.tagIds = {4, 5};
    const auto layout = Layout("ns");
    const Bytes written = Write(content, layout);
    for (std::size_t cut = 0; cut + 1 < written.size(); ++cut) {
        const Bytes part(written.begin(), written.begin() + static_cast<long>(cut));
        std::optional<RecordError> error;
        (void)Read(part, layout, 2, 2, &error);
        EXPECT_TRUE(error.has_value()) << "cut at " << cut;
    }
}

}  // namespace
}  // namespace email_record_tail_test
}  // namespace corvane
