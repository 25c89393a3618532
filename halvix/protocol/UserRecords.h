#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// One user of a logger's password system as CxPassMan carries it (layout
// in UserAuthLayout.h): the request's operation and sub-code, then name,
// password and rights. Texts are Windows-1252 bytes.
struct UserRecord {
    std::uint8_t operation = 0;
    std::uint8_t subCode = 0;
    std::string name;
    std::string password;
    std::uint32_t rightsLow = 0;
    std::uint32_t rightsHigh = 0;

    friend bool operator==(const UserRecord&, const UserRecord&) = default;
};

// Why user bytes were refused: the kind, where the field starts and its name.
struct UserBytesError {
    enum class Kind { None, Truncated, BadStage, Unterminated };
    Kind kind = Kind::None;
    std::size_t offset = 0;
    std::string field;

    explicit operator bool() const { return kind != Kind::None; }
};

struct ParsedUserRecord {
    std::optional<UserRecord> record;
    UserBytesError error;  // set when record is empty
};

// Reads a 54-byte user record (bytes beyond it are ignored). A text without
// its NUL is read to the end of its field; a shorter input is an error
// naming the field it cuts.
ParsedUserRecord ParseUserRecord(std::span<const std::uint8_t> data);

// The 54 bytes of a record; texts longer than their field leaves room for
// (23 and 19 bytes) are cut there.
std::vector<std::uint8_t> EncodeUserRecord(const UserRecord& record);

// CxPassWd's request: the user's name, the current and the new password.
struct PasswordChange {
    std::string userName;
    std::string currentPassword;
    std::string newPassword;

    friend bool operator==(const PasswordChange&, const PasswordChange&) = default;
};

struct ParsedPasswordChange {
    std::optional<PasswordChange> change;
    UserBytesError error;  // set when change is empty
};

// Reads the request: the stage word must be kPasswordChangeStage and each
// text must end with its NUL within its limit and the data.
ParsedPasswordChange ParsePasswordChange(std::span<const std::uint8_t> data);
// Nothing when a text is longer than its limit or holds a NUL.
std::optional<std::vector<std::uint8_t>> EncodePasswordChange(const PasswordChange& change);

}  // namespace corvane
