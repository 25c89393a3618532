#include "icons/reporting/CAddrBookSubDlg.h"

#include "AddressBookTestSupport.h"
#include "ChildDialogDriver.h"
#include "ModalDriver.h"
#include "TestOutput.h"

#include "icons/reporting/CAddAddressToBookDialog.h"
#include "platform/ButtonControl.h"
#include "platform/EditControl.h"
#include "platform/ListBoxControl.h"
#include "res/ResourceIds.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace corvane {
namespace c_addr_book_sub_dlg_test {
namespace {

using Values = std::vector<std::string>;

class AddressBookDialog : public test::PlatformTest {
protected:
    static void Click(Dialog& d, int id) { d.GetControlAs<ButtonControl>(id)->Click(); }
    static ListBoxControl& List(Dialog& d) { return *d.GetControlAs<ListBoxControl>(res::kIdcAddressBookList); }
    static Values Items(Dialog& d)
    {
        Values items;
        for (int i = 0; i < List(d).GetCount(); ++i)
            items.push_back(List(d).GetText(i));
        return items;
    }

    int Run(const std::function<void(CAddrBookSubDlg&)>& drive)
    {
        CAddrBookSubDlg dialog(s.book);
        test::ModalDriver driver(dialog, [&] { drive(dialog); });
        return dialog.DoModal();
    }
    // Clicks Add and drives the entry dialog it opens.
    static void AddThrough(CAddrBookSubDlg& d, const std::function<void(Dialog&)>& drive)
    {
        test::ChildDialogDriver child([&d] { return d.OpenChild(); }, drive);
        Click(d, res::kIdcAddressBookAdd);
        EXPECT_EQ(child.runs, 1);
    }

    test::AddressBookStore s;
};

TEST_F(AddressBookDialog, DeletingTheMiddleOfFourAndAddingOneSavesAGapFreeBookOnOk)
{
    s.UseFile();
    s.PutFour();
    EXPECT_EQ(Run([&](CAddrBookSubDlg& d) {
        EXPECT_EQ(Items(d), (Values{"ann@a.org", "bob@b.org", "cy@c.org", "dee@d.org"}));
        ASSERT_TRUE(List(d).SetSel(1));
        ASSERT_TRUE(List(d).SetSel(2));
        Click(d, res::kIdcAddressBookDelete);
        EXPECT_EQ(Items(d), (Values{"ann@a.org", "dee@d.org"}));
        AddThrough(d, [](Dialog& entry) {
            EXPECT_EQ(entry.GetControlAs<EditControl>(res::kIdcNewAddress)->LimitText(), 256U);
            entry.GetControl(res::kIdcNewAddress)->SetText("eve@e.org");
            EXPECT_TRUE(entry.SaveImage(test::OutputFile("address-book-entry-dialog.png").string()));
            Click(entry, kIdOk);
        });
        EXPECT_EQ(Items(d), (Values{"ann@a.org", "dee@d.org", "eve@e.org"}));
        EXPECT_TRUE(d.SaveImage(test::OutputFile("address-book-dialog.png").string()));
        EXPECT_EQ(s.Values().size(), 4U) << "nothing is written before OK";
        Click(d, kIdOk);
    }),
        kIdOk);
    const Values saved{"EmailAddr_000=ann@a.org", "EmailAddr_001=dee@d.org", "EmailAddr_002=eve@e.org"};
    EXPECT_EQ(s.Values(), saved);
    EXPECT_EQ(s.SavedValues(), saved);
    EXPECT_TRUE(Prompts().messageBoxes.empty());
}

TEST_F(AddressBookDialog, CancelAndACancelledEntryWriteNothing)
{
    s.PutFour();
    const Values before = s.Values();
    EXPECT_EQ(Run([&](CAddrBookSubDlg& d) {
        AddThrough(d, [](Dialog& entry) {
            entry.GetControl(res::kIdcNewAddress)->SetText("eve@e.org");
            Click(entry, kIdCancel);
        });
        EXPECT_EQ(List(d).GetCount(), 4);
        ASSERT_TRUE(List(d).SetSel(0));
        Click(d, res::kIdcAddressBookDelete);
        Click(d, kIdCancel);
    }),
        kIdCancel);
    EXPECT_EQ(s.Values(), before);
}

TEST_F(AddressBookDialog, BookThatCannotBeSavedIsReportedAndTheDialogStaysOpen)
{
    s.UseFile();
    s.PutFour();
    s.BreakSaving();
    bool stayedOpen = false;
    Run([&](CAddrBookSubDlg& d) {
        ASSERT_TRUE(List(d).SetSel(3));
        Click(d, res::kIdcAddressBookDelete);
        Click(d, kIdOk);
        stayedOpen = d.IsOpen();
        Click(d, kIdCancel);
    });
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(Prompts().messageBoxes.size(), 1U);
    EXPECT_EQ(Prompts().messageBoxes[0].text, "Unable to save the Address Book.");
    EXPECT_EQ(Prompts().messageBoxes[0].caption, "Address Book");
}

class AddressEntryDialog : public test::PlatformTest {};

TEST_F(AddressEntryDialog, RefusesInvalidAddressesInTurnAndStoresAValidOne)
{
    std::string target = "unchanged";
    CAddAddressToBookDialog dialog(target);
    std::vector<bool> openAfter;
    test::ModalDriver driver(dialog, [&] {
        for (const char* text : {"", "ann.example.org", "ann@example", "ann@example.org"}) {
            dialog.GetControl(res::kIdcNewAddress)->SetText(text);
            dialog.GetControlAs<ButtonControl>(kIdOk)->Click();
            openAfter.push_back(dialog.IsOpen());
            if (!dialog.IsOpen())
                break;
            EXPECT_EQ(target, "unchanged");
        }
    });
    EXPECT_EQ(dialog.DoModal(), kIdOk);
    EXPECT_EQ(openAfter, (std::vector<bool>{true, true, true, false}));
    EXPECT_EQ(target, "ann@example.org");
    ASSERT_EQ(Prompts().messageBoxes.size(), 3U);
    const Values texts{"Invalid email address: Address is Blank", "Invalid email address: Missing the '@' character.",
        "Invalid email address: Missing the '.' character."};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(Prompts().messageBoxes[i].text, texts[i]);
        EXPECT_EQ(Prompts().messageBoxes[i].caption, "Invalid Email Address");
        EXPECT_EQ(Prompts().messageBoxes[i].icon, MessageBoxIcon::Error);
    }
}

}  // namespace
}  // namespace c_addr_book_sub_dlg_test
}  // namespace corvane
