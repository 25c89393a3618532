#include "icons/reporting/CEmailDlgs.h"

#include "AddressBookTestSupport.h"
#include "ModalDriver.h"
#include "ReportingIconTestSupport.h"
#include "TestOutput.h"

#include "icons/reporting/CEmailAttachPage.h"
#include "icons/reporting/CEmailIcon.h"
#include "icons/reporting/CEmailMsgPage.h"
#include "icons/reporting/CEmailSheet.h"
#include "icons/reporting/CTagPickerPage.h"
#include "platform/ButtonControl.h"
#include "platform/EditControl.h"
#include "platform/ListBoxControl.h"
#include "res/ResourceIds.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace corvane {
namespace c_email_dlgs_test {
namespace {

using test::Link;
using test::Place;

constexpr Rect kDrop{100, 100, 132, 164};

class EmailDialog : public test::ReportingNetTest {
protected:
    // An e-mail icon with input 0 fed by a constant (a number) and input 1
    // by a clock (state names), a message showing both, and its addresses.
    CEmailIcon& PlaceConfigured()
    {
        auto& email = Place<CEmailIcon>(doc, kDrop);
        auto& clock = Place<test::ClockIcon>(doc);
        Link(Place<test::SourceIcon>(doc, test::kTestConstType), 0, email, 0);
        Link(clock, 0, email, 1);
        Link(clock, 0, email, kTriggerSlot);
        EmailTailContent& content = email.Content();
        content.message = "Level ^0 m, pump ^1";
        content.references[0] = 0;
        content.references[1] = 1;
        content.inputTexts[0] = {"xxx", "x"};
        content.inputTexts[1] = {"off", "on"};
        email.SetTextSection(CEmailIcon::TextSection::To, "ops@plant.example");
        email.SetTextSection(CEmailIcon::TextSection::From, "logger@plant.example");
        email.SetTextSection(CEmailIcon::TextSection::Subject, "Tank");
        return email;
    }

    // Opens the icon's own dialog, runs drive inside it and returns whether
    // it ended with OK.
    bool Run(CEmailIcon& email, const std::function<void(CEmailDlgs&)>& drive)
    {
        std::unique_ptr<IconDialog> made = email.CreateIconDialog();
        auto* dialog = dynamic_cast<CEmailDlgs*>(made.get());
        EXPECT_NE(dialog, nullptr);
        if (dialog == nullptr)
            return false;
        test::ModalDriver driver(*dialog, [&] { drive(*dialog); });
        return dialog->RunModal();
    }
    static CEmailMsgPage& Message(CEmailDlgs& d) { return d.Sheet().MessagePage(); }
    static void Click(Dialog& d, int id) { d.GetControlAs<ButtonControl>(id)->Click(); }
    static std::string Text(Dialog& d, int id) { return d.GetControl(id)->GetText(); }
    static void SetText(Dialog& d, int id, std::string_view text) { d.GetControl(id)->SetText(text); }
};

TEST_F(EmailDialog, ShowsTheIconsMessageWithItsPreviewAndEveryPage)
{
    auto& email = PlaceConfigured();
    EXPECT_TRUE(email.HasProperties());
    const auto before = Saved(email);
    const bool ok = Run(email, [&](CEmailDlgs& d) {
        CEmailMsgPage& page = Message(d);
        EXPECT_EQ(Text(page, res::kIdcEmailTo), "ops@plant.example");
        EXPECT_EQ(Text(page, res::kIdcEmailFrom), "logger@plant.example");
        EXPECT_EQ(Text(page, res::kIdcEmailMessage), "Level ^0 m, pump ^1");
        auto& inputs = *page.GetControlAs<ListBoxControl>(res::kIdcEmailInputList);
        ASSERT_GE(inputs.GetCount(), 2);
        EXPECT_EQ(inputs.GetCurSel(), 0);
        EXPECT_EQ(Text(page, res::kIdcEmailInputLabel), CEmailMsgPage::kNumberLabel);
        EXPECT_EQ(Text(page, res::kIdcEmailLowText), "xxx");
        EXPECT_TRUE(d.Sheet().SaveImage(test::OutputFile("email-message-page.png").string()));

        Click(page, res::kIdcEmailModeNumbers);
        EXPECT_FALSE(page.GetControl(res::kIdcEmailMessage)->IsVisible());
        EXPECT_TRUE(page.GetControl(res::kIdcEmailPreview)->IsVisible());
        EXPECT_EQ(page.Composition().preview, "Date/Time\r\nUnit Name\r\n\r\nLevel ###.# m, pump off");
        Click(page, res::kIdcEmailLoggerId);
        EXPECT_EQ(page.Composition().preview,
            "Date/Time\r\nUnit Name\r\nUnit ID\r\nSerial #\r\n\r\nLevel ###.# m, pump off");
        inputs.SetCurSel(1);
        NotifyEvent select{Notification::SelectionChanged, res::kIdcEmailInputList};
        page.Notify(select);
        EXPECT_EQ(Text(page, res::kIdcEmailInputLabel), CEmailMsgPage::kNameLabel);
        EXPECT_TRUE(d.Sheet().SaveImage(test::OutputFile("email-message-preview.png").string()));

        EXPECT_TRUE(d.Sheet().SetActivePage(1));
        EXPECT_TRUE(d.Sheet().SaveImage(test::OutputFile("email-file-specification-page.png").string()));
        EXPECT_TRUE(d.Sheet().SetActivePage(2));
        EXPECT_TRUE(d.Sheet().SaveImage(test::OutputFile("email-tag-picker-page.png").string()));
        EXPECT_TRUE(d.SaveImage(test::OutputFile("email-dialog.png").string()));
        Click(d, kIdCancel);
    });
    EXPECT_FALSE(ok);
    EXPECT_EQ(Saved(email), before) << "Cancel leaves the icon as it was";
}

TEST_F(EmailDialog, OkWritesTheMessageInsertedInputsAndLoggerIdIntoTheIcon)
{
    auto& email = PlaceConfigured();
    const bool ok = Run(email, [&](CEmailDlgs& d) {
        CEmailMsgPage& page = Message(d);
        SetText(page, res::kIdcEmailSubject, "Tank alarm");
        auto& message = *page.GetControlAs<EditControl>(res::kIdcEmailMessage);
        const int end = static_cast<int>(Text(page, res::kIdcEmailMessage).size());
        message.SetSel(end, end);
        Click(page, res::kIdcEmailInsert);
        EXPECT_EQ(Text(page, res::kIdcEmailMessage), "Level ^0 m, pump ^1^0");
        Click(page, res::kIdcEmailLoggerId);
        Click(d, kIdOk);
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(email.GetTextSection(CEmailIcon::TextSection::Subject), "Tank alarm");
    EXPECT_EQ(email.GetTextSection(CEmailIcon::TextSection::Message), "Level ^0 m, pump ^1^0");
    EXPECT_EQ(email.Content().references[0], 0);
    EXPECT_EQ(email.Content().references[1], 1);
    EXPECT_EQ(email.Content().references[2], 0);
    EXPECT_EQ(email.Content().references[3], -1);
    EXPECT_EQ(email.WrittenReferenceCount(), 3U);
    EXPECT_EQ(email.OptionWord() & CEmailMsgPage::kLoggerIdBit, CEmailMsgPage::kLoggerIdBit);
    EXPECT_EQ(email.Settings().optionWord, email.OptionWord());
}

TEST_F(EmailDialog, OkKeepsTheMessagesLineBreaksAsTheLoggerHasThem)
{
    auto& email = PlaceConfigured();
    email.SetTextSection(CEmailIcon::TextSection::Message, "Level ^0 m\r\npump ^1\r\n");
    const auto before = Saved(email);
    const bool ok = Run(email, [&](CEmailDlgs& d) {
        EXPECT_EQ(Text(Message(d), res::kIdcEmailMessage), "Level ^0 m\npump ^1\n");
        Click(d, kIdOk);
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(email.GetTextSection(CEmailIcon::TextSection::Message), "Level ^0 m\r\npump ^1\r\n");
    EXPECT_EQ(Saved(email), before) << "OK without a change writes the same record";
}

TEST_F(EmailDialog, RefusedMessagesKeepTheDialogOpenAndTheIconUntouched)
{
    std::string tooLong(2881, 'a');
    std::string manyMarkers;
    for (int i = 0; i < 25; ++i)
        manyMarkers += "^0 ";
    const struct {
        const char* field;
        int id;
        std::string text;
        std::string expected;
    } cases[] = {
        {"subject", res::kIdcEmailSubject, "", "To, From and Subject are required fields for Message"},
        {"to", res::kIdcEmailTo, "", "To, From and Subject are required fields for Message"},
        {"message", res::kIdcEmailMessage, tooLong, "Message exceeds Settings limit"},
        {"markers", res::kIdcEmailMessage, manyMarkers, "Only 24 input values can be inserted in the message"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        Prompts().messageBoxes.clear();
        auto& email = PlaceConfigured();
        const auto before = Saved(email);
        bool stayedOpen = false;
        std::string shownMessage;
        const bool ok = Run(email, [&](CEmailDlgs& d) {
            SetText(Message(d), c.id, c.text);
            Click(d, kIdOk);
            stayedOpen = d.IsOpen();
            shownMessage = Text(Message(d), res::kIdcEmailMessage);
            Click(d, kIdCancel);
        });
        EXPECT_FALSE(ok);
        EXPECT_TRUE(stayedOpen);
        ASSERT_EQ(Prompts().messageBoxes.size(), 1U);
        EXPECT_EQ(Prompts().messageBoxes[0].text, c.expected);
        EXPECT_EQ(Prompts().messageBoxes[0].caption, "Email Icon");
        EXPECT_EQ(Prompts().messageBoxes[0].icon, MessageBoxIcon::Error);
        EXPECT_EQ(Saved(email), before);
        if (c.text == tooLong) {
            EXPECT_EQ(shownMessage.size(), 2880U) << "the message is cut at the limit";
        }
    }
}

TEST_F(EmailDialog, NewIconOffersTheLoggerInfoAsFromAndTheAddressBookWhenThereIsOne)
{
    test::AddressBookStore book;
    book.PutFour();
    services.loggerInfo = "unit7@plant.example";
    auto& email = Place<CEmailIcon>(doc, kDrop);
    (void)Run(email, [&](CEmailDlgs& d) {
        EXPECT_EQ(Text(Message(d), res::kIdcEmailFrom), "unit7@plant.example");
        EXPECT_FALSE(Message(d).GetControl(res::kIdcEmailAddressBook)->IsEnabled());
        Click(d, kIdCancel);
    });
    services.userSettings = &book.store;
    (void)Run(email, [&](CEmailDlgs& d) {
        for (const int id : {res::kIdcEmailAddressBook, res::kIdcEmailSelectTo, res::kIdcEmailSelectFrom})
            EXPECT_TRUE(Message(d).GetControl(id)->IsEnabled()) << id;
        Click(d, kIdCancel);
    });
    EXPECT_TRUE(email.GetTextSection(CEmailIcon::TextSection::From).empty());
}

}  // namespace
}  // namespace c_email_dlgs_test
}  // namespace corvane
