#pragma once

#include "icons/reporting/EmailAddressSelection.h"
#include "platform/Dialog.h"

#include <string>
#include <string_view>

namespace corvane {

class EmailAddressBook;
class ListBoxControl;

// "Email Address Selection": the addresses of a message's To or From field
// ("Email Message Address List") beside the address book ("Address
// Book"). "Add To Email" or a double-click in the book adds the
// highlighted entries, "Remove From Email" or a double-click in the
// message list removes them; a refused add is told in a message box and
// changes nothing. OK writes the list, joined with ",", into the caller's
// field text; Cancel leaves it as it was.
class CAddAddressToEmailDialog : public Dialog {
public:
    using Mode = EmailAddressSelection::Mode;
    static constexpr std::string_view kToCaption = "Select 'To' Addresses";
    static constexpr std::string_view kFromCaption = "Select 'From' Address";

    CAddAddressToEmailDialog(Mode mode, std::string& fieldText, EmailAddressBook& book, Window* parent = nullptr);

    const EmailAddressSelection& Selection() const { return selection_; }
    // The caption the dialog is shown with, by its mode.
    std::string_view Caption() const { return selection_.GetMode() == Mode::To ? kToCaption : kFromCaption; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    ListBoxControl& BookList() const;
    ListBoxControl& MessageList() const;
    void FillMessageList();
    void OnAdd();
    void OnRemove();

    std::string& fieldText_;
    EmailAddressBook& book_;
    EmailAddressSelection selection_;
};

}  // namespace corvane
