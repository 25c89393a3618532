#include "loggersim/UserRequests.h"

#include "halvix/protocol/RequestTypes.h"
#include "halvix/protocol/UserAuthLayout.h"
#include "halvix/protocol/UserRecords.h"

#include <algorithm>
#include <string>

namespace corvane {

namespace {

constexpr std::uint64_t kPasswordManagementRight = std::uint64_t{1} << 31;

std::uint64_t RightsOf(const UserRecord& record) { return (std::uint64_t{record.rightsHigh} << 32) | record.rightsLow; }

RequestOutcome Done(const Frame& request, std::uint8_t operation, bool changed)
{
    RequestOutcome outcome = AnswerRequest(request, {operation, 0});
    outcome.stateChanged = changed;
    return outcome;
}

bool FitsLogger(const UserRecord& record)
{
    return !record.name.empty() && record.name.size() <= kMaxLoggerUserName
        && record.password.size() <= kMaxLoggerPassword;
}

}  // namespace

RequestOutcome AnswerUserTable(LoggerState& state, const Frame& request)
{
    const ParsedUserRecord parsed = ParseUserRecord(request.payload);
    if (!parsed.record || request.payload.size() != kUserRecordSize)
        return RefuseRequest(request, kSimErrorBadRequestData, "User table request carries bad data");
    const UserRecord& record = *parsed.record;
    const std::size_t index = record.subCode;
    switch (record.operation) {
    case kPassManRead: {
        if (index >= state.users.size())
            return RefuseRequest(request, kSimErrorNoSuchUser, "No user at that index");
        const auto& [name, user] = state.users.AtIndex(index);
        UserRecord answer{kPassManRead, record.subCode, name, user.password, static_cast<std::uint32_t>(user.rights),
            static_cast<std::uint32_t>(user.rights >> 32)};
        return AnswerRequest(request, EncodeUserRecord(answer));
    }
    case kPassManAdd:
        if (!FitsLogger(record))
            return RefuseRequest(request, kSimErrorBadRequestData, "User name or password does not fit");
        if (state.users.count(record.name) != 0)
            return RefuseRequest(request, kCodeUserExists, "A user of that name exists");
        if (state.users.size() >= kMaxLoggerUsers)
            return RefuseRequest(request, kSimErrorUserTableFull, "The user table is full");
        state.users.Insert(index, record.name, LoggerUser{record.password, RightsOf(record), true});
        return Done(request, record.operation, true);
    case kPassManChange: {
        if (!FitsLogger(record))
            return RefuseRequest(request, kSimErrorBadRequestData, "User name or password does not fit");
        if (index >= state.users.size())
            return RefuseRequest(request, kSimErrorNoSuchUser, "No user at that index");
        auto& [name, user] = state.users.AtIndex(index);
        if (record.name != name && state.users.count(record.name) != 0)
            return RefuseRequest(request, kCodeUserExists, "A user of that name exists");
        name = record.name;
        user.password = record.password;
        user.rights = RightsOf(record);
        return Done(request, record.operation, true);
    }
    case kPassManDelete: {
        const auto found = state.users.find(record.name);
        if (found == state.users.end())
            return RefuseRequest(request, kSimErrorNoSuchUser, "No user of that name");
        if (state.users.size() < 2)
            return RefuseRequest(request, kSimErrorLastUser, "The only user is deleted with operation 4");
        state.users.Erase(found);
        return Done(request, record.operation, true);
    }
    case kPassManDeleteOnly:
        if (state.users.size() != 1)
            return RefuseRequest(request, kSimErrorLastUser, "Operation 4 deletes the only user");
        state.users.clear();
        state.passwordsOn = 0;
        state.fullAccess = 1;
        return Done(request, record.operation, true);
    case kPassManSwitch:
        if (record.subCode == 1) {
            const bool administrator = std::any_of(state.users.begin(), state.users.end(),
                [](const LoggerUserList::Entry& e) { return (e.second.rights & kPasswordManagementRight) != 0; });
            if (!administrator)
                return RefuseRequest(request, kSimErrorNoAdministrator, "No user may manage passwords");
            state.passwordsOn = 1;
            state.fullAccess = 0;
        } else {
            state.passwordsOn = 0;
            state.fullAccess = state.users.empty() ? 1 : 0;
        }
        state.pendingLogin.reset();
        return Done(request, record.operation, true);
    default: return RefuseRequest(request, kSimErrorBadRequestData, "Unknown user table operation");
    }
}

RequestOutcome AnswerPasswordChange(LoggerState& state, const Frame& request)
{
    const ParsedPasswordChange parsed = ParsePasswordChange(request.payload);
    if (!parsed.change)
        return RefuseRequest(request, kSimErrorBadRequestData, "Password change carries bad data");
    const PasswordChange& change = *parsed.change;
    const auto user = state.users.find(change.userName);
    if (user == state.users.end() || user->second.password != change.currentPassword)
        return RefuseRequest(request, kCodeLoginRefused, "Current password refused");
    user->second.password = change.newPassword;
    RequestOutcome outcome = AnswerRequest(request, {0, 0});
    outcome.stateChanged = true;
    return outcome;
}

}  // namespace corvane
