#include "icons/reporting/CAddAddressToEmailDialog.h"

#include "icons/reporting/EmailAddressBook.h"
#include "platform/Application.h"
#include "platform/ListBoxControl.h"
#include "platform/PromptSink.h"
#include "res/AddressBookDialogs.h"
#include "res/ResourceIds.h"

#include <vector>

namespace corvane {

CAddAddressToEmailDialog::CAddAddressToEmailDialog(
    Mode mode, std::string& fieldText, EmailAddressBook& book, Window* parent)
    : Dialog(res::kAddressSelectionDialog, parent), fieldText_(fieldText), book_(book), selection_(mode, fieldText)
{
    On(Notification::Clicked, res::kIdcSelectionAdd, [this](NotifyEvent&) { OnAdd(); });
    On(Notification::DoubleClicked, res::kIdcSelectionBookList, [this](NotifyEvent&) { OnAdd(); });
    On(Notification::Clicked, res::kIdcSelectionRemove, [this](NotifyEvent&) { OnRemove(); });
    On(Notification::DoubleClicked, res::kIdcSelectionMessageList, [this](NotifyEvent&) { OnRemove(); });
}

ListBoxControl& CAddAddressToEmailDialog::BookList() const
{
    return *GetControlAs<ListBoxControl>(res::kIdcSelectionBookList);
}

ListBoxControl& CAddAddressToEmailDialog::MessageList() const
{
    return *GetControlAs<ListBoxControl>(res::kIdcSelectionMessageList);
}

bool CAddAddressToEmailDialog::OnInitDialog()
{
    const bool result = Dialog::OnInitDialog();
    selection_ = EmailAddressSelection(selection_.GetMode(), fieldText_);
    SetCaption(Caption());
    FillMessageList();
    ListBoxControl& book = BookList();
    book.ResetContent();
    for (const std::string& address : book_.Load().value_or(std::vector<std::string>{}))
        book.AddString(address);
    return result;
}

void CAddAddressToEmailDialog::FillMessageList()
{
    ListBoxControl& list = MessageList();
    list.ResetContent();
    for (const std::string& address : selection_.Addresses())
        list.AddString(address);
}

void CAddAddressToEmailDialog::OnAdd()
{
    const ListBoxControl& book = BookList();
    std::vector<std::string> highlighted;
    for (const int index : book.GetSelItems())
        highlighted.push_back(book.GetText(index));
    const EmailAddressSelection::AddResult result = selection_.Add(highlighted);
    if (result != EmailAddressSelection::AddResult::Added) {
        Application::Instance().Prompts().ShowMessageBox(
            {Handle(), selection_.RefusalText(result), {}, MessageBoxButtons::Ok, MessageBoxIcon::None});
        return;
    }
    FillMessageList();
}

void CAddAddressToEmailDialog::OnRemove()
{
    selection_.Remove(MessageList().GetSelItems());
    FillMessageList();
}

void CAddAddressToEmailDialog::OnOK()
{
    fieldText_ = selection_.FieldText();
    EndDialog(kIdOk);
}

}  // namespace corvane
