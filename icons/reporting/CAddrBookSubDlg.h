#pragma once

#include "platform/Dialog.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace corvane {

class EmailAddressBook;
class ListBoxControl;

// "Address Book": the addresses of the user's address book in a list, to
// which Add appends a new address (through CAddAddressToBookDialog) and
// from which Delete removes the highlighted ones. The list is the dialog's
// own copy: OK writes it into the book as a whole, Cancel writes nothing.
// A book the settings store could not keep is reported and the dialog
// stays open.
class CAddrBookSubDlg : public Dialog {
public:
    // Of the highlighted addresses, at most this many are deleted at once.
    static constexpr std::size_t kMaxDeleted = 100;
    static constexpr std::string_view kSaveFailedText = "Unable to save the Address Book.";

    explicit CAddrBookSubDlg(EmailAddressBook& book, Window* parent = nullptr);

    // The entry dialog, while it is open.
    Dialog* OpenChild() const { return child_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    ListBoxControl& List() const;
    void OnAdd();
    void OnDelete();

    EmailAddressBook& book_;
    Dialog* child_ = nullptr;
};

}  // namespace corvane
