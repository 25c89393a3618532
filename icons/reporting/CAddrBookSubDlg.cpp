#include "icons/reporting/CAddrBookSubDlg.h"

#include "icons/reporting/CAddAddressToBookDialog.h"
#include "icons/reporting/EmailAddressBook.h"
#include "platform/Application.h"
#include "platform/ListBoxControl.h"
#include "platform/PromptSink.h"
#include "res/AddressBookDialogs.h"
#include "res/ResourceIds.h"

#include <vector>

namespace corvane {

CAddrBookSubDlg::CAddrBookSubDlg(EmailAddressBook& book, Window* parent)
    : Dialog(res::kAddressBookDialog, parent), book_(book)
{
    On(Notification::Clicked, res::kIdcAddressBookAdd, [this](NotifyEvent&) { OnAdd(); });
    On(Notification::Clicked, res::kIdcAddressBookDelete, [this](NotifyEvent&) { OnDelete(); });
}

ListBoxControl& CAddrBookSubDlg::List() const { return *GetControlAs<ListBoxControl>(res::kIdcAddressBookList); }

bool CAddrBookSubDlg::OnInitDialog()
{
    const bool result = Dialog::OnInitDialog();
    ListBoxControl& list = List();
    list.ResetContent();
    for (const std::string& address : book_.Load().value_or(std::vector<std::string>{}))
        list.AddString(address);
    return result;
}

void CAddrBookSubDlg::OnAdd()
{
    std::string address;
    CAddAddressToBookDialog entry(address, this);
    child_ = &entry;
    const int end = entry.DoModal();
    child_ = nullptr;
    if (end == kIdOk)
        List().AddString(address);
}

void CAddrBookSubDlg::OnDelete()
{
    ListBoxControl& list = List();
    std::vector<int> highlighted = list.GetSelItems();
    if (highlighted.size() > kMaxDeleted)
        highlighted.resize(kMaxDeleted);
    for (auto it = highlighted.rbegin(); it != highlighted.rend(); ++it)
        list.DeleteString(*it);
}

void CAddrBookSubDlg::OnOK()
{
    const ListBoxControl& list = List();
    std::vector<std::string> addresses;
    for (int i = 0; i < list.GetCount(); ++i)
        addresses.push_back(list.GetText(i));
    if (!book_.Rewrite(addresses)) {
        Application::Instance().Prompts().ShowMessageBox({Handle(), std::string(kSaveFailedText),
            std::string(res::kAddressBookDialog.caption), MessageBoxButtons::Ok, MessageBoxIcon::Warning});
        return;
    }
    EndDialog(kIdOk);
}

}  // namespace corvane
