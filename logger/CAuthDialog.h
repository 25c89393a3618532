#pragma once

#include "platform/Dialog.h"

#include <cstddef>
#include <string>

namespace corvane {

// "User Authentification": a user id and a password, read by the caller
// after OK. It sends nothing.
class CAuthDialog : public Dialog {
public:
    static constexpr std::size_t kUserIdLimit = 23;
    static constexpr std::size_t kPasswordLimit = 19;

    explicit CAuthDialog(Window* parent = nullptr);

    std::string UserId;
    std::string Password;

protected:
    bool OnInitDialog() override;
    void OnOK() override;
};

}  // namespace corvane
