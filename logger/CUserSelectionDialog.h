#pragma once

#include "logger/CCommDialog.h"
#include "logger/LoggerUserTable.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace corvane {

class StatusSink;

// "Password Management": lists the logger's users (CxPassMan operation 0,
// one user per request, in the logger's order) and adds, edits, copies
// and deletes them through "User Properties" and operations 3 and 4, and
// switches passwords off (operation 5). The list is kept up to date here
// after each change; it is not read again. Run it modal; it takes its own
// replies. Changed() tells the caller whether the logger's users or its
// password state changed.
class CUserSelectionDialog : public CCommDialog {
public:
    enum class Mode { Idle = 0, Listing = 1, Deleting = 2, Disabling = 3 };

    CUserSelectionDialog(CConnectionDetails& connection, StatusSink& status, Window* parent = nullptr);
    ~CUserSelectionDialog() override;

    // How the link is closed when the logger's last user is deleted (the
    // logger then has no passwords and the link must be made again); by
    // default CxDisco.
    void SetDisconnect(std::function<void()> disconnect) { disconnect_ = std::move(disconnect); }

    Mode GetMode() const { return mode_; }
    const LoggerUserTable& Users() const { return users_; }
    bool Changed() const { return changed_; }
    bool PasswordsSwitchedOn() const { return passwordsSwitchedOn_; }

    bool IsLastAdministrator(std::size_t index) const { return users_.IsLastAdministrator(index); }
    int CheckDeleteAllowed(std::size_t index) const;

protected:
    bool OnInitDialog() override;
    void OnCommReply(std::unique_ptr<CReplyMessage> reply) override;
    void OnCommTimeout(std::uint16_t requestType) override;

private:
    void OnAddUser();
    void OnEditUser();
    void OnCopyUser();
    void OnDeleteUser();
    void OnDisablePasswords();
    // Add and Copy: User Properties in add mode with the rights given.
    void AddThroughProperties(RightsMask rights);
    void OnListingReply(const CReplyMessage& reply);
    void EndListing();
    void OnDeleteReply(const CReplyMessage& reply);
    void OnPasswordsOff();
    // The only selected row; nothing with none or several.
    std::optional<std::size_t> SingleSelection() const;
    void AddRow(const CUserInfo& user);
    void EnableWindowControls(bool enable);
    void EnableDisableButton(bool enable);

    StatusSink& status_;
    LoggerUserTable users_;
    std::function<void()> disconnect_;
    std::size_t nextIndex_ = 0;
    int pendingDelete_ = -1;
    Mode mode_ = Mode::Idle;
    bool passwordsSwitchedOn_ = false;
    bool changed_ = false;
};

}  // namespace corvane
