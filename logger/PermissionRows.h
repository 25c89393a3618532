#pragma once

#include "comms/RightsMask.h"
#include "comms/UserPermissionTable.h"

#include <array>
#include <cstddef>

namespace corvane {

// The check states of the permission list, one per row of
// kUserPermissionTable; the values are the list's state images.
enum class PermissionState : int {
    Unchecked = 1,
    Checked = 2,
    Fixed = 3,  // implied by another permission or a rule; not changeable
};

// The permission check list of the user properties dialog as plain data:
// the rows from a user's rights and back, the rules that fix rows, and a
// click on a row.
class PermissionRows {
public:
    static constexpr std::size_t kRowCount = kUserPermissionTable.size();
    // Rows by their place in kUserPermissionTable.
    static constexpr std::size_t kPasswordManagementRow = 0;
    static constexpr std::size_t kProgramAccessRow = 14;

    // Every row checked whose mask shares a bit with the rights.
    static PermissionRows FromRights(RightsMask rights);

    PermissionState State(std::size_t row) const { return states_.at(row); }
    void SetState(std::size_t row, PermissionState state) { states_.at(row) = state; }
    bool IsSet(std::size_t row) const { return states_.at(row) != PermissionState::Unchecked; }

    // The OR of the masks of all rows that are checked or fixed.
    RightsMask Rights() const;

    // Clears every fixed mark, then fixes what the rows now imply: with
    // forcedAdministrator "Password Management"; with it every other row;
    // "Active Message Clear" fixes "Active Message View"; "Net Program
    // Upload" and "Flash Programming and Debug" fix "Memory Clear" and
    // "Logger Enable/Stop"; "Set Date and Time" fixes "Logger Enable/Stop".
    void ApplyPermissionRules(bool forcedAdministrator);

    // A click on a row's check image: unchecked and checked swap, a fixed
    // row stays; false when nothing changed.
    bool Toggle(std::size_t row);

private:
    std::array<PermissionState, kRowCount> states_{};
};

}  // namespace corvane
