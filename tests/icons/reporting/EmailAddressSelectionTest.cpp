#include "icons/reporting/EmailAddressSelection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane {
namespace email_address_selection_test {
namespace {

using Mode = EmailAddressSelection::Mode;
using Result = EmailAddressSelection::AddResult;
using List = std::vector<std::string>;

// n addresses "a0@x.org", "a1@x.org", ...
List Addresses(std::size_t n, const std::string& stem = "a")
{
    List list;
    for (std::size_t i = 0; i < n; ++i)
        list.push_back(stem + std::to_string(i) + "@x.org");
    return list;
}

TEST(EmailAddressSelectionTest, FieldTextIsCutAtCommasAndJoinedBackUnchanged)
{
    struct Case {
        std::string text;
        List addresses;
        std::string joined;
    };
    const std::vector<Case> cases{
        {"", {}, ""},
        {"a@b.c", {"a@b.c"}, "a@b.c"},
        {"a@b.c,d@e.f", {"a@b.c", "d@e.f"}, "a@b.c,d@e.f"},
        {"a@b.c, d@e.f", {"a@b.c", " d@e.f"}, "a@b.c, d@e.f"},
        {",a@b.c,,d@e.f,", {"a@b.c", "d@e.f"}, "a@b.c,d@e.f"},
        {",", {}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        for (const Mode mode : {Mode::To, Mode::From}) {
            const EmailAddressSelection selection(mode, c.text);
            EXPECT_EQ(selection.Addresses(), c.addresses);
            EXPECT_EQ(selection.FieldText(), c.joined);
        }
    }
}

TEST(EmailAddressSelectionTest, AddFollowsTheModesLimits)
{
    const std::string l122(122, 'l');
    const std::string l121(121, 'l');
    struct Case {
        const char* what;
        Mode mode;
        std::string start;
        List highlighted;
        Result result;
        std::size_t countAfter;
    };
    const std::vector<Case> cases{
        {"from: one to an empty list", Mode::From, "", {"a@b.c"}, Result::Added, 1},
        {"from: a second address", Mode::From, "a@b.c", {"d@e.f"}, Result::OneFromOnly, 1},
        {"from: two highlighted", Mode::From, "", {"a@b.c", "d@e.f"}, Result::OneFromOnly, 0},
        {"from: none highlighted", Mode::From, "", {}, Result::OneFromOnly, 0},
        {"to: appended", Mode::To, "z@z.org", {"a@b.c", "d@e.f"}, Result::Added, 3},
        {"to: reaching 15", Mode::To, EmailAddressSelection::Join(Addresses(13)), Addresses(2, "b"), Result::Added, 15},
        {"to: passing 15", Mode::To, EmailAddressSelection::Join(Addresses(14)), Addresses(2, "b"), Result::TooManyTo,
            14},
        {"to: 16 highlighted, 15 taken", Mode::To, "", Addresses(16), Result::Added, 15},
        {"to: 256 bytes exactly", Mode::To, l122 + "@x.org", {l121 + "@y.org"}, Result::Added, 2},
        {"to: past 256 bytes", Mode::To, l122 + "@x.org", {l122 + "@y.org"}, Result::FieldFull, 1},
        {"from: past 256 bytes", Mode::From, "", {std::string(251, 'f') + "@x.org"}, Result::FieldFull, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EmailAddressSelection selection(c.mode, c.start);
        const List before = selection.Addresses();
        EXPECT_EQ(selection.Add(c.highlighted), c.result);
        ASSERT_EQ(selection.Addresses().size(), c.countAfter);
        if (c.result != Result::Added) {
            EXPECT_EQ(selection.Addresses(), before) << "a refused add changes nothing";
            continue;
        }
        EXPECT_LE(selection.FieldText().size(), EmailAddressSelection::kFieldBytes);
        EXPECT_EQ(selection.Addresses().back(), c.highlighted.at(c.countAfter - before.size() - 1));
    }
}

TEST(EmailAddressSelectionTest, FieldLimitCountsWindows1252Bytes)
{
    // 127 "é" are 254 UTF-8 bytes but 127 bytes in the record: joined with
    // a second address they make 139 bytes, which fit the field.
    std::string accents;
    for (int i = 0; i < 127; ++i)
        accents += "\xC3\xA9";
    EmailAddressSelection selection(Mode::To, accents + "@x.org");
    EXPECT_EQ(selection.Add(List{"a@b.c"}), Result::Added);
    EXPECT_EQ(selection.Add(List{std::string(115, 'z') + "@y.org"}), Result::FieldFull);
}

TEST(EmailAddressSelectionTest, RefusalsAreWordedForTheMode)
{
    const EmailAddressSelection to(Mode::To, "");
    const EmailAddressSelection from(Mode::From, "");
    EXPECT_EQ(to.RefusalText(Result::TooManyTo), "Only 15 'To' Addresses are Allowed");
    EXPECT_EQ(from.RefusalText(Result::OneFromOnly), "Only one 'From' Address is allowed");
    EXPECT_EQ(to.RefusalText(Result::FieldFull), "The 'To' Addresses would exceed the 256 characters of the To field");
    EXPECT_EQ(
        from.RefusalText(Result::FieldFull), "The 'From' Address would exceed the 256 characters of the From field");
    EXPECT_EQ(to.RefusalText(Result::Added), "");
}

TEST(EmailAddressSelectionTest, RemoveTakesTheFirstFifteenHighlightedEntries)
{
    struct Case {
        const char* what;
        std::vector<int> highlighted;
        List after;
    };
    const List twenty = Addresses(20);
    const std::vector<Case> cases{
        {"none", {}, twenty},
        {"first and last", {0, 19}, List(twenty.begin() + 1, twenty.end() - 1)},
        {"out of range ignored", {-1, 25}, twenty},
        {"all: only fifteen taken", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19},
            List(twenty.begin() + 15, twenty.end())},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EmailAddressSelection selection(Mode::To, EmailAddressSelection::Join(twenty));
        selection.Remove(c.highlighted);
        EXPECT_EQ(selection.Addresses(), c.after);
    }
}

}  // namespace
}  // namespace email_address_selection_test
}  // namespace corvane
