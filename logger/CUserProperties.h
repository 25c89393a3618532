#pragma once

#include "logger/CCommDialog.h"
#include "logger/CUserInfo.h"
#include "logger/PermissionRows.h"

#include <cstdint>
#include <memory>
#include <optional>

namespace corvane {

class StatusSink;

// "User Properties": one logger user's name, password and permissions.
// Add mode sends the new user (CxPassMan operation 1) and, for the first
// user of the logger, switches passwords on (operation 5); edit mode sends
// the changed password and rights (operation 2), or closes with Cancel when
// nothing changed. The dialog works on its own copy and closes with OK on
// the logger's answer; Result() and User() then tell the caller what the
// logger now holds. Run it modal; it takes its own replies.
class CUserProperties : public CCommDialog {
public:
    enum class Mode { Add = 1, Edit = 2 };
    static constexpr int kResultNone = 0;
    static constexpr int kResultAdded = 1;
    static constexpr int kResultChanged = 2;
    static constexpr int kResultTimedOut = -1;
    static constexpr std::size_t kTextLimit = 15;

    CUserProperties(CConnectionDetails& connection, StatusSink& status, Mode mode, std::size_t index, CUserInfo user,
        Window* parent = nullptr);
    ~CUserProperties() override;

    // The first user must hold "Password Management", and so must the last
    // administrator: the row is fixed.
    void SetForcedAdministrator(bool forced) { forcedAdministrator_ = forced; }
    // The logged-in user is the one edited: without "Password Management"
    // the permissions cannot be changed.
    void SetEditingOneself(bool editingOneself) { editingOneself_ = editingOneself; }

    int Result() const { return result_; }
    const CUserInfo& User() const { return user_; }
    bool PasswordsSwitchedOn() const { return passwordsSwitchedOn_; }
    const PermissionRows& Rows() const { return rows_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCommReply(std::unique_ptr<CReplyMessage> reply) override;
    void OnCommTimeout(std::uint16_t requestType) override;

private:
    void OnPermissionClick(std::size_t row);
    void ShowRows();
    void Warn(std::string_view text);
    void OnAddedReply();

    StatusSink& status_;
    Mode mode_;
    std::size_t index_;
    CUserInfo user_;
    CUserInfo original_;
    bool forcedAdministrator_ = false;
    bool editingOneself_ = false;
    int result_ = kResultNone;
    bool passwordsSwitchedOn_ = false;
    PermissionRows rows_;
    // The operation sent and not yet answered.
    std::optional<std::uint8_t> pending_;
};

}  // namespace corvane
