#include "halvix/protocol/UserRecords.h"

#include "base/ByteReader.h"
#include "base/ByteWriter.h"
#include "halvix/protocol/UserAuthLayout.h"

#include <algorithm>

namespace corvane {

namespace {

// A fixed field's text: up to its NUL, or the whole field without one.
std::string FieldText(std::span<const std::uint8_t> field)
{
    const auto end = std::find(field.begin(), field.end(), std::uint8_t{0});
    return std::string(field.begin(), end);
}

void PutText(ByteWriter& writer, std::size_t offset, std::string_view text, std::size_t fieldSize)
{
    const std::size_t length = std::min(text.size(), fieldSize - 1);
    writer.Seek(offset);
    writer.Bytes(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), length));
}

}  // namespace

ParsedUserRecord ParseUserRecord(std::span<const std::uint8_t> data)
{
    ParsedUserRecord parsed;
    ByteReader reader(data);
    UserRecord record;
    record.operation = reader.U8("operation");
    record.subCode = reader.U8("sub-code");
    record.name = FieldText(reader.Bytes(kUserRecordNameSize, "user name"));
    record.password = FieldText(reader.Bytes(kUserRecordPasswordSize, "password"));
    record.rightsLow = reader.U32LE("rights low");
    record.rightsHigh = reader.U32LE("rights high");
    if (reader.Failed()) {
        parsed.error = {UserBytesError::Kind::Truncated, reader.Error().offset, reader.Error().field};
        return parsed;
    }
    parsed.record = std::move(record);
    return parsed;
}

std::vector<std::uint8_t> EncodeUserRecord(const UserRecord& record)
{
    std::vector<std::uint8_t> bytes(kUserRecordSize);
    ByteWriter writer(bytes);
    writer.U8(record.operation);
    writer.U8(record.subCode);
    PutText(writer, kUserRecordNameOffset, record.name, kUserRecordNameSize);
    PutText(writer, kUserRecordPasswordOffset, record.password, kUserRecordPasswordSize);
    writer.Seek(kUserRecordRightsOffset);
    writer.U32LE(record.rightsLow);
    writer.U32LE(record.rightsHigh);
    return bytes;
}

ParsedPasswordChange ParsePasswordChange(std::span<const std::uint8_t> data)
{
    ParsedPasswordChange parsed;
    ByteReader reader(data);
    const std::uint16_t stage = reader.U16LE("stage");
    if (reader.Failed()) {
        parsed.error = {UserBytesError::Kind::Truncated, 0, "stage"};
        return parsed;
    }
    if (stage != kPasswordChangeStage) {
        parsed.error = {UserBytesError::Kind::BadStage, 0, "stage"};
        return parsed;
    }
    std::size_t offset = kPasswordChangeTextsOffset;
    std::string texts[3];
    constexpr std::string_view kFields[3] = {"user name", "current password", "new password"};
    constexpr std::size_t kLimits[3] = {kMaxUserNameBytes, kMaxPasswordBytes, kMaxPasswordBytes};
    for (std::size_t i = 0; i < 3; ++i) {
        const std::span<const std::uint8_t> rest = data.subspan(std::min(offset, data.size()));
        const std::size_t window = std::min(rest.size(), kLimits[i] + 1);
        const auto end = std::find(rest.begin(), rest.begin() + static_cast<std::ptrdiff_t>(window), std::uint8_t{0});
        if (end == rest.begin() + static_cast<std::ptrdiff_t>(window)) {
            parsed.error
                = {window < kLimits[i] + 1 ? UserBytesError::Kind::Truncated : UserBytesError::Kind::Unterminated,
                    offset, std::string(kFields[i])};
            return parsed;
        }
        texts[i].assign(rest.begin(), end);
        offset += texts[i].size() + 1;
    }
    parsed.change = PasswordChange{std::move(texts[0]), std::move(texts[1]), std::move(texts[2])};
    return parsed;
}

std::optional<std::vector<std::uint8_t>> EncodePasswordChange(const PasswordChange& change)
{
    const std::string_view texts[3] = {change.userName, change.currentPassword, change.newPassword};
    constexpr std::size_t kLimits[3] = {kMaxUserNameBytes, kMaxPasswordBytes, kMaxPasswordBytes};
    std::vector<std::uint8_t> bytes{
        static_cast<std::uint8_t>(kPasswordChangeStage & 0xFF), static_cast<std::uint8_t>(kPasswordChangeStage >> 8)};
    for (std::size_t i = 0; i < 3; ++i) {
        if (texts[i].size() > kLimits[i] || texts[i].find('\0') != std::string_view::npos)
            return std::nullopt;
        bytes.insert(bytes.end(), texts[i].begin(), texts[i].end());
        bytes.push_back(0);
    }
    return bytes;
}

}  // namespace corvane
