#pragma once

#include "logger/CCommDialog.h"

#include <cstdint>
#include <memory>
#include <string>

namespace corvane {

class StatusSink;

// "User Login": asks for a user name and password and logs the user in on
// the connected logger with CxUserAuth's challenge and response; the
// password never goes to the logger. On success the name, password and
// rights land in the connection state, which is how the caller learns the
// outcome: the dialog closes with OK after a login, after one refused for
// too few rights and after a refused or malformed challenge; a refused
// password, a time-out or a send failure leave it open for another try.
// Run it modal; it takes its own replies.
class CUserLoginDialog : public CCommDialog {
public:
    CUserLoginDialog(CConnectionDetails& connection, StatusSink& status, Window* parent = nullptr);
    ~CUserLoginDialog() override;

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCommReply(std::unique_ptr<CReplyMessage> reply) override;
    void OnCommTimeout(std::uint16_t requestType) override;

private:
    void OnChallengeReply(const CReplyMessage& reply);
    void OnResultReply(const CReplyMessage& reply);
    // Answers a challenge with the digest response (stage 1).
    void BuildDigestResponse(std::string nonce, std::string realm);
    // Stores the login and applies the program-access rule; tooFewRightsText
    // is the box shown when the user lacks it.
    void CompleteLogin(std::uint32_t rightsLow, std::uint32_t rightsHigh, std::string_view tooFewRightsText);
    void Warn(std::string_view text, std::string_view caption);

    StatusSink& status_;
    std::string userName_;
    std::string password_;
    std::string clientNonce_;
    int stage_ = 0;
};

}  // namespace corvane
