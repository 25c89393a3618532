// Feeds arbitrary bytes to the readers of the logger's user bytes: the
// 54-byte user record of a user-table reply and the password change
// request. Texts must stay inside their fields, a short record must be
// refused, and what is read must encode back to the same record.
#include "halvix/protocol/UserAuthLayout.h"
#include "halvix/protocol/UserRecords.h"

#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> input = size == 0 ? std::span<const std::uint8_t>{} : std::span(data, size);
    using namespace corvane;

    const ParsedUserRecord record = ParseUserRecord(input);
    if (record.record.has_value() != (input.size() >= kUserRecordSize))
        __builtin_trap();
    if (record.record) {
        if (record.record->name.size() > kUserRecordNameSize
            || record.record->password.size() > kUserRecordPasswordSize)
            __builtin_trap();
        if (record.error)
            __builtin_trap();
    } else if (!record.error) {
        __builtin_trap();
    }

    const ParsedPasswordChange change = ParsePasswordChange(input);
    if (change.change.has_value() == static_cast<bool>(change.error))
        __builtin_trap();
    if (change.change) {
        if (change.change->userName.size() > kMaxUserNameBytes
            || change.change->currentPassword.size() > kMaxPasswordBytes
            || change.change->newPassword.size() > kMaxPasswordBytes)
            __builtin_trap();
        const auto again = EncodePasswordChange(*change.change);
        if (!again || ParsePasswordChange(*again).change != change.change)
            __builtin_trap();
    }
    return 0;
}
