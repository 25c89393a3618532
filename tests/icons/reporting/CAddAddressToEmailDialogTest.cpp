#include "icons/reporting/CAddAddressToEmailDialog.h"

#include "AddressBookTestSupport.h"
#include "ModalDriver.h"
#include "TestOutput.h"

#include "platform/ButtonControl.h"
#include "platform/ControlAutomation.h"
#include "platform/ListBoxControl.h"
#include "res/ResourceIds.h"

#include <functional>
#include <string>
#include <vector>

namespace corvane {
namespace c_add_address_to_email_dialog_test {
namespace {

namespace ca = control_automation;
using Mode = CAddAddressToEmailDialog::Mode;
using Values = std::vector<std::string>;

class AddressSelectionDialog : public test::PlatformTest {
protected:
    static void Click(Dialog& d, int id) { d.GetControlAs<ButtonControl>(id)->Click(); }
    static ListBoxControl& Book(Dialog& d) { return *d.GetControlAs<ListBoxControl>(res::kIdcSelectionBookList); }
    static ListBoxControl& Message(Dialog& d) { return *d.GetControlAs<ListBoxControl>(res::kIdcSelectionMessageList); }
    static Values Items(const ListBoxControl& list)
    {
        Values items;
        for (int i = 0; i < list.GetCount(); ++i)
            items.push_back(list.GetText(i));
        return items;
    }
    // Highlights exactly these book entries.
    static void Highlight(ListBoxControl& list, const std::vector<int>& items)
    {
        list.SetSel(-1, false);
        for (const int item : items)
            ASSERT_TRUE(list.SetSel(item));
    }

    int Run(Mode mode, std::string& field, const std::function<void(CAddAddressToEmailDialog&)>& drive)
    {
        CAddAddressToEmailDialog dialog(mode, field, s.book);
        test::ModalDriver driver(dialog, [&] { drive(dialog); });
        return dialog.DoModal();
    }
    // A book of n addresses "p0@x.org", "p1@x.org", ...
    void PutBook(int n)
    {
        std::vector<std::pair<std::string, std::string>> values;
        for (int i = 0; i < n; ++i)
            values.emplace_back(
                EmailAddressBook::ValueName(static_cast<std::size_t>(i)), "p" + std::to_string(i) + "@x.org");
        s.Put(values);
    }

    test::AddressBookStore s;
};

TEST_F(AddressSelectionDialog, TwoToAddressesOpenAsTwoEntriesAndOkWritesThemBackUnchanged)
{
    s.PutFour();
    std::string field = "zed@z.org,amy@y.org";
    const int end = Run(Mode::To, field, [&](CAddAddressToEmailDialog& d) {
        EXPECT_EQ(d.Caption(), "Select 'To' Addresses");
        EXPECT_EQ(Items(Message(d)), (Values{"zed@z.org", "amy@y.org"}));
        EXPECT_EQ(Items(Book(d)), (Values{"ann@a.org", "bob@b.org", "cy@c.org", "dee@d.org"}));
        EXPECT_TRUE(d.SaveImage(test::OutputFile("address-selection-to-dialog.png").string()));
        Click(d, kIdOk);
    });
    EXPECT_EQ(end, kIdOk);
    EXPECT_EQ(field, "zed@z.org,amy@y.org");
}

TEST_F(AddressSelectionDialog, ToAddressesAreAddedAndRemovedByButtonsAndDoubleClicks)
{
    s.PutFour();
    std::string field = "zed@z.org";
    const int end = Run(Mode::To, field, [&](CAddAddressToEmailDialog& d) {
        Highlight(Book(d), {1, 3});
        Click(d, res::kIdcSelectionAdd);
        EXPECT_EQ(Items(Message(d)), (Values{"zed@z.org", "bob@b.org", "dee@d.org"}));
        ASSERT_TRUE(ca::DoubleClickItem(Book(d), 0));
        EXPECT_EQ(Items(Message(d)), (Values{"zed@z.org", "bob@b.org", "dee@d.org", "ann@a.org"}));
        Highlight(Message(d), {0, 2});
        Click(d, res::kIdcSelectionRemove);
        EXPECT_EQ(Items(Message(d)), (Values{"bob@b.org", "ann@a.org"}));
        ASSERT_TRUE(ca::DoubleClickItem(Message(d), 1));
        EXPECT_EQ(Items(Message(d)), (Values{"bob@b.org"}));
        Click(d, kIdOk);
    });
    EXPECT_EQ(end, kIdOk);
    EXPECT_EQ(field, "bob@b.org");
    EXPECT_TRUE(Prompts().messageBoxes.empty());
}

TEST_F(AddressSelectionDialog, RefusedAddsAreToldAndChangeNothing)
{
    struct Case {
        const char* what;
        Mode mode;
        std::string field;
        std::vector<int> highlighted;
        std::string message;
    };
    const std::string longAddress = std::string(240, 'q') + "@x.org";
    const std::vector<Case> cases{
        {"sixteenth To address", Mode::To,
            "p0@x.org,p1@x.org,p2@x.org,p3@x.org,p4@x.org,p5@x.org,p6@x.org,p7@x.org,p8@x.org,p9@x.org,p10@x.org,"
            "p11@x.org,p12@x.org,p13@x.org",
            {14, 15}, "Only 15 'To' Addresses are Allowed"},
        {"To field full", Mode::To, longAddress, {0, 1},
            "The 'To' Addresses would exceed the 256 characters of the To field"},
        {"second From address", Mode::From, "p0@x.org", {1}, "Only one 'From' Address is allowed"},
        {"two From addresses at once", Mode::From, "", {1, 2}, "Only one 'From' Address is allowed"},
    };
    PutBook(16);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Prompts().messageBoxes.clear();
        std::string field = c.field;
        const int end = Run(c.mode, field, [&](CAddAddressToEmailDialog& d) {
            const Values before = Items(Message(d));
            Highlight(Book(d), c.highlighted);
            Click(d, res::kIdcSelectionAdd);
            EXPECT_EQ(Items(Message(d)), before);
            if (c.mode == Mode::From) {
                EXPECT_TRUE(d.SaveImage(test::OutputFile("address-selection-from-dialog.png").string()));
            }
            Click(d, kIdCancel);
        });
        EXPECT_EQ(end, kIdCancel);
        EXPECT_EQ(field, c.field) << "Cancel leaves the field as it was";
        ASSERT_EQ(Prompts().messageBoxes.size(), 1U);
        EXPECT_EQ(Prompts().messageBoxes[0].text, c.message);
        EXPECT_EQ(Prompts().messageBoxes[0].caption, "") << "the default caption";
    }
}

TEST_F(AddressSelectionDialog, FromModeTakesOneAddressFromTheBook)
{
    s.PutFour();
    std::string field;
    const int end = Run(Mode::From, field, [&](CAddAddressToEmailDialog& d) {
        EXPECT_EQ(d.Caption(), "Select 'From' Address");
        EXPECT_EQ(Message(d).GetCount(), 0);
        Highlight(Book(d), {2});
        Click(d, res::kIdcSelectionAdd);
        Click(d, kIdOk);
    });
    EXPECT_EQ(end, kIdOk);
    EXPECT_EQ(field, "cy@c.org");
}

}  // namespace
}  // namespace c_add_address_to_email_dialog_test
}  // namespace corvane
