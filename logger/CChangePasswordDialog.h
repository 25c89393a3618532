#pragma once

#include "logger/CCommDialog.h"

#include <cstdint>
#include <memory>
#include <string>

namespace corvane {

class StatusSink;

// "Change Password": the logged-in user gives the current password and the
// new one twice; CxPassWd changes it in the logger. The dialog closes with
// OK on the logger's success and stays open after a refusal, a failed send
// or a time-out. Opened while nobody is logged in, it says so and closes.
// The password kept in the connection state from the login stays as it is.
class CChangePasswordDialog : public CCommDialog {
public:
    static constexpr std::size_t kPasswordLimit = 19;

    CChangePasswordDialog(CConnectionDetails& connection, StatusSink& status, Window* parent = nullptr);
    ~CChangePasswordDialog() override;

    bool IsPending() const { return pending_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCommReply(std::unique_ptr<CReplyMessage> reply) override;
    void OnCommTimeout(std::uint16_t requestType) override;

private:
    std::string Text(int id) const;

    StatusSink& status_;
    std::string userName_;
    bool pending_ = false;
};

}  // namespace corvane
