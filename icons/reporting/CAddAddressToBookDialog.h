#pragma once

#include "platform/Dialog.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace corvane {

// "Add Address To Address Book": one new e-mail address, checked on OK
// (not blank, with an '@' and a '.'); a refused address keeps the dialog
// open. OK stores the address into the caller's string; Cancel leaves it.
class CAddAddressToBookDialog : public Dialog {
public:
    static constexpr std::string_view kInvalidCaption = "Invalid Email Address";
    // No address longer than the message's To and From fields hold.
    static constexpr std::size_t kAddressLimit = 256;

    explicit CAddAddressToBookDialog(std::string& target, Window* parent = nullptr);

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(DataExchange& exchange) override;

private:
    std::string& target_;
    std::string address_;
};

}  // namespace corvane
