#pragma once

#include "icons/reporting/EmailPreview.h"
#include "icons/reporting/EmailRecordTail.h"
#include "platform/PropertyPage.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

class CEmailIcon;
class EmailAddressBook;
struct TransferSettings;

// "Message", the e-mail sheet's page for To, From and Subject and for the
// message into which the values of the icon's linked inputs are inserted
// ("^" and the input index), with a preview of what the logger sends. The
// page works on its own copy of the icon's texts and state names, taken
// when it is bound; WriteToIcon stores them, and nothing reaches the icon
// otherwise. The address book buttons are enabled when the page is given a
// book.
class CEmailMsgPage : public PropertyPage {
public:
    static constexpr std::string_view kCaption = "Email Icon";
    static constexpr std::string_view kRequiredText = "To, From and Subject are required fields for Message";
    static constexpr std::string_view kLimitText = "Message exceeds Settings limit";
    static constexpr std::string_view kTooManyInputsText = "Only %d input values can be inserted in the message";
    static constexpr std::string_view kNumberLabel = "Input the number of integer and fraction digits";
    static constexpr std::string_view kNameLabel = "Input names for Low and High state conditions";
    static constexpr std::size_t kFieldLimit = 256;
    static constexpr std::size_t kMessageEditLimit = 6035;
    static constexpr std::uint16_t kLoggerIdBit = 0x0400;

    CEmailMsgPage();

    // Copies the icon's texts, state names and inputs; fromDefault is the
    // From text shown when the icon has none. book may be null.
    void Bind(const CEmailIcon& icon, const TransferSettings& settings, std::string_view fromDefault,
        EmailAddressBook* book);
    // The sheet's check: To, From and Subject are required, the composed
    // message must fit the size limit and name at most 24 inputs. A
    // refusal is told in a message box.
    bool Validate();
    // Stores the page's values into the icon and the logger-id bit and the
    // reference count into settings.
    void WriteToIcon(CEmailIcon& icon, TransferSettings& settings) const;

    const EmailComposition& Composition() const { return composition_; }
    const std::string& MessageText() const { return message_; }

protected:
    bool OnInitDialog() override;
    bool OnSetActive() override;
    void DoDataExchange(DataExchange& exchange) override;

private:
    void FillInputList();
    void OnSelectInput();
    void OnInputTextChanged(bool integerField);
    void OnInsert();
    void OnModeClicked();
    void OnSelectAddresses(bool to);
    void OnAddressBook();
    void Compose();
    void ShowError(std::string_view text) const;
    std::string ControlText(int id) const;

    std::string to_;
    std::string from_;
    std::string subject_;
    std::string message_;  // UTF-8, with markers
    int mode_ = 0;
    int includeLoggerId_ = 0;
    int selected_ = -1;
    std::size_t sizeLimit_ = EmailPreview::kSizeLimit;
    std::vector<EmailPreviewInput> inputs_;
    std::vector<std::string> rows_;
    EmailComposition composition_;
    EmailAddressBook* book_ = nullptr;
    bool filling_ = false;
};

}  // namespace corvane
