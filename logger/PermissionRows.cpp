#include "logger/PermissionRows.h"

namespace corvane {

namespace {

constexpr std::size_t kFlashRow = 1;
constexpr std::size_t kSetTimeRow = 4;
constexpr std::size_t kNetUploadRow = 6;
constexpr std::size_t kMemoryClearRow = 9;
constexpr std::size_t kEnableStopRow = 10;
constexpr std::size_t kMessageViewRow = 11;
constexpr std::size_t kMessageClearRow = 12;

}  // namespace

PermissionRows PermissionRows::FromRights(RightsMask rights)
{
    PermissionRows rows;
    for (std::size_t row = 0; row < kRowCount; ++row) {
        const RightsMask mask = kUserPermissionTable[row].bits;
        const bool held = (mask.low & rights.low) != 0 || (mask.high & rights.high) != 0;
        rows.states_[row] = held ? PermissionState::Checked : PermissionState::Unchecked;
    }
    return rows;
}

RightsMask PermissionRows::Rights() const
{
    RightsMask rights;
    for (std::size_t row = 0; row < kRowCount; ++row) {
        if (!IsSet(row))
            continue;
        rights.low |= kUserPermissionTable[row].bits.low;
        rights.high |= kUserPermissionTable[row].bits.high;
    }
    return rights;
}

void PermissionRows::ApplyPermissionRules(bool forcedAdministrator)
{
    for (PermissionState& state : states_) {
        if (state == PermissionState::Fixed)
            state = PermissionState::Checked;
    }
    auto fix = [this](std::size_t row) { states_[row] = PermissionState::Fixed; };
    if (forcedAdministrator)
        fix(kPasswordManagementRow);
    if (IsSet(kPasswordManagementRow)) {
        for (std::size_t row = 0; row < kRowCount; ++row) {
            if (row != kPasswordManagementRow)
                fix(row);
        }
    }
    if (IsSet(kMessageClearRow))
        fix(kMessageViewRow);
    if (IsSet(kNetUploadRow) || IsSet(kFlashRow)) {
        fix(kMemoryClearRow);
        fix(kEnableStopRow);
    }
    if (IsSet(kSetTimeRow))
        fix(kEnableStopRow);
}

bool PermissionRows::Toggle(std::size_t row)
{
    if (row >= kRowCount)
        return false;
    switch (states_[row]) {
    case PermissionState::Unchecked: states_[row] = PermissionState::Checked; return true;
    case PermissionState::Checked: states_[row] = PermissionState::Unchecked; return true;
    case PermissionState::Fixed: return false;
    }
    return false;
}

}  // namespace corvane
