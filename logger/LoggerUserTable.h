#pragma once

#include "logger/CUserInfo.h"
#include "logger/PassManArguments.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace corvane {

// The users of the connected logger in the order the logger lists them
// (its operations address users by that index), with the rules on which
// user may be deleted and the request each change sends.
class LoggerUserTable {
public:
    // CheckDeleteAllowed's answers.
    static constexpr int kDeleteAllowed = 0;
    static constexpr int kDeleteLastAdministrator = 1;
    static constexpr int kDeleteLoggedInUser = 2;

    const std::vector<CUserInfo>& Users() const { return users_; }
    std::size_t Count() const { return users_.size(); }
    bool Empty() const { return users_.empty(); }
    const CUserInfo& At(std::size_t index) const { return users_.at(index); }

    void Append(CUserInfo user) { users_.push_back(std::move(user)); }
    // Replaces the user at index; false for a bad index.
    bool Replace(std::size_t index, CUserInfo user);
    // Removes the user at index; false for a bad index.
    bool Remove(std::size_t index);
    // No more users may be added (the logger keeps at most 101).
    bool IsFull() const;

    // True when the list holds exactly one user, or when the user at index
    // holds "Password Management" (bit 31) and fewer than two users do.
    bool IsLastAdministrator(std::size_t index) const;
    // kDeleteAllowed with a single user; else kDeleteLoggedInUser when the
    // user at index is the one logged in, kDeleteLastAdministrator when
    // the user is the last administrator, else kDeleteAllowed.
    int CheckDeleteAllowed(std::size_t index, std::string_view loggedInName) const;

    // The request that reads the user at index.
    static PassManArguments ReadArguments(std::size_t index);
    // The request that adds a user at the end of the list.
    PassManArguments AddArguments(const CUserInfo& user) const;
    // The request that changes the password and rights of the user at index.
    static PassManArguments ChangeArguments(std::size_t index, const CUserInfo& user);
    // Deleting the user at index: the named user while others exist, else
    // the only user (which switches passwords off).
    PassManArguments DeleteArguments(std::size_t index) const;
    // Passwords on (1) or off (0).
    static PassManArguments SwitchArguments(bool on);

private:
    std::vector<CUserInfo> users_;
};

}  // namespace corvane
