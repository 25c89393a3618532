#include "logger/LoggerUserTable.h"

#include <algorithm>

namespace corvane {

namespace {

constexpr std::uint32_t kPasswordManagementBit = 0x80000000u;
constexpr std::size_t kMaxUsers = 101;

constexpr std::uint8_t kOperationRead = 0;
constexpr std::uint8_t kOperationAdd = 1;
constexpr std::uint8_t kOperationChange = 2;
constexpr std::uint8_t kOperationDelete = 3;
constexpr std::uint8_t kOperationDeleteOnly = 4;
constexpr std::uint8_t kOperationSwitch = 5;

bool IsAdministrator(const CUserInfo& user) { return (user.rights.low & kPasswordManagementBit) != 0; }

// Indexes travel in the one-byte sub-code; the logger never has more than
// 101 users, so a larger index is never sent.
std::uint8_t IndexByte(std::size_t index) { return static_cast<std::uint8_t>(std::min<std::size_t>(index, 0xFF)); }

}  // namespace

bool LoggerUserTable::Replace(std::size_t index, CUserInfo user)
{
    if (index >= users_.size())
        return false;
    users_[index] = std::move(user);
    return true;
}

bool LoggerUserTable::Remove(std::size_t index)
{
    if (index >= users_.size())
        return false;
    users_.erase(users_.begin() + static_cast<std::ptrdiff_t>(index));
    return true;
}

bool LoggerUserTable::IsFull() const { return users_.size() >= kMaxUsers; }

bool LoggerUserTable::IsLastAdministrator(std::size_t index) const
{
    if (users_.size() == 1)
        return true;
    if (index >= users_.size() || !IsAdministrator(users_[index]))
        return false;
    return std::count_if(users_.begin(), users_.end(), IsAdministrator) < 2;
}

int LoggerUserTable::CheckDeleteAllowed(std::size_t index, std::string_view loggedInName) const
{
    if (users_.size() == 1 || index >= users_.size())
        return kDeleteAllowed;
    if (users_[index].name == loggedInName)
        return kDeleteLoggedInUser;
    if (IsLastAdministrator(index))
        return kDeleteLastAdministrator;
    return kDeleteAllowed;
}

PassManArguments LoggerUserTable::ReadArguments(std::size_t index)
{
    return {kOperationRead, IndexByte(index), {}, {}, {}};
}

PassManArguments LoggerUserTable::AddArguments(const CUserInfo& user) const
{
    return {kOperationAdd, IndexByte(users_.size()), user.name, user.password, user.rights};
}

PassManArguments LoggerUserTable::ChangeArguments(std::size_t index, const CUserInfo& user)
{
    return {kOperationChange, IndexByte(index), user.name, user.password, user.rights};
}

PassManArguments LoggerUserTable::DeleteArguments(std::size_t index) const
{
    if (users_.size() > 1 && index < users_.size())
        return {kOperationDelete, 0, users_[index].name, {}, {}};
    return {kOperationDeleteOnly, 0, {}, {}, {}};
}

PassManArguments LoggerUserTable::SwitchArguments(bool on)
{
    return {kOperationSwitch, static_cast<std::uint8_t>(on ? 1 : 0), {}, {}, {}};
}

}  // namespace corvane
