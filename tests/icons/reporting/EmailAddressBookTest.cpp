#include "icons/reporting/EmailAddressBook.h"

#include "AddressBookTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace corvane {
namespace email_address_book_test {
namespace {

using Values = std::vector<std::string>;

TEST(EmailAddressBookTest, NumbersTheNonEmptyAddressesWithoutGaps)
{
    using Numbered = std::vector<std::pair<std::string, std::string>>;
    struct Case {
        const char* what;
        std::vector<std::string> list;
        Numbered values;
    };
    const std::vector<Case> cases{
        {"empty", {}, {}},
        {"one", {"a@b.c"}, {{"EmailAddr_000", "a@b.c"}}},
        {"empty items skipped", {"", "a@b.c", "", "d@e.f", ""},
            {{"EmailAddr_000", "a@b.c"}, {"EmailAddr_001", "d@e.f"}}},
        {"duplicates kept", {"a@b.c", "a@b.c"}, {{"EmailAddr_000", "a@b.c"}, {"EmailAddr_001", "a@b.c"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(EmailAddressBook::NumberAddresses(c.list), c.values);
    }
    EXPECT_EQ(EmailAddressBook::ValueName(7), "EmailAddr_007");
    EXPECT_EQ(EmailAddressBook::ValueName(123), "EmailAddr_123");
    EXPECT_EQ(EmailAddressBook::ValueName(1000), "EmailAddr_1000");
}

TEST(EmailAddressBookTest, LoadTakesEveryValueWhateverItsNameAndCreatesAMissingKey)
{
    test::AddressBookStore s;
    EXPECT_EQ(s.book.Load(), std::vector<std::string>{});
    EXPECT_TRUE(s.store.KeyExists(EmailAddressBook::kKey));
    s.Put({{"EmailAddr_001", "b@b.org"}, {"Other", "x@y.z"}, {"EmailAddr_000", "a@a.org"}, {"Blank", ""}});
    EXPECT_EQ(s.book.Load(), (std::vector<std::string>{"b@b.org", "x@y.z", "a@a.org"}));
}

TEST(EmailAddressBookTest, RewriteLeavesExactlyTheNewBookInOrder)
{
    struct Case {
        const char* what;
        std::vector<std::pair<std::string, std::string>> before;
        std::vector<std::string> list;
        Values after;
    };
    const std::vector<Case> cases{
        {"middle of four deleted",
            {{"EmailAddr_000", "a@a.org"}, {"EmailAddr_001", "b@b.org"}, {"EmailAddr_002", "c@c.org"},
                {"EmailAddr_003", "d@d.org"}},
            {"a@a.org", "c@c.org", "d@d.org"},
            {"EmailAddr_000=a@a.org", "EmailAddr_001=c@c.org", "EmailAddr_002=d@d.org"}},
        {"grown", {{"EmailAddr_000", "a@a.org"}}, {"a@a.org", "b@b.org"},
            {"EmailAddr_000=a@a.org", "EmailAddr_001=b@b.org"}},
        {"emptied", {{"EmailAddr_000", "a@a.org"}}, {}, {}},
        {"foreign names and order", {{"Zed", "z@z.org"}, {"EmailAddr_001", "b@b.org"}, {"emailaddr_000", "a@a.org"}},
            {"a@a.org", "b@b.org"}, {"EmailAddr_000=a@a.org", "EmailAddr_001=b@b.org"}},
        {"no key yet", {}, {"a@a.org"}, {"EmailAddr_000=a@a.org"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::AddressBookStore s;
        s.UseFile();
        if (!c.before.empty())
            s.Put(c.before);
        EXPECT_TRUE(s.book.Rewrite(c.list));
        EXPECT_EQ(s.Values(), c.after);
        EXPECT_EQ(s.SavedValues(), c.after);
        EXPECT_FALSE(s.store.HasUnsavedChanges());
    }
}

TEST(EmailAddressBookTest, RewriteReportsAStoreThatCannotSave)
{
    test::AddressBookStore s;
    s.UseFile();
    s.PutFour();
    s.BreakSaving();
    EXPECT_FALSE(s.book.Rewrite(std::vector<std::string>{"a@a.org"}));
}

}  // namespace
}  // namespace email_address_book_test
}  // namespace corvane
