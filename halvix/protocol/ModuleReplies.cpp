#include "halvix/protocol/ModuleReplies.h"

#include "base/ByteReader.h"

namespace corvane {

namespace {

// Reply offsets: byte 0 unread, byte 1 the command, then the payload.
constexpr std::size_t kReplyPayloadOffset = 2;

}  // namespace

bool ModuleInformation::HasFirmware() const
{
    return !(firmware[0] == kNoFirmwareByte && firmware[1] == kNoFirmwareByte && firmware[2] == kNoFirmwareByte);
}

std::optional<ModuleInformation> ParseModuleInformation(std::span<const std::uint8_t> reply)
{
    if (reply.size() != kModuleInfoReplyBytes)
        return std::nullopt;
    ByteReader reader(reply);
    reader.Seek(kReplyPayloadOffset, "module type");
    ModuleInformation info;
    info.type = reader.U8("module type");
    for (std::uint8_t& part : info.firmware)
        part = reader.U8("firmware version");
    info.serial = reader.U32BE("serial number");
    // The name field is padded with NUL but need not end in one.
    info.name = std::string(reader.FixedText(kModuleNameBytes, "module name"));
    if (reader.Failed())
        return std::nullopt;
    return info;
}

std::optional<ModuleCalibration> ParseModuleCalibration(std::span<const std::uint8_t> reply)
{
    if (reply.size() != kModuleCalibrationReplyBytes)
        return std::nullopt;
    ByteReader reader(reply);
    reader.Seek(kReplyPayloadOffset, "last calibration");
    ModuleCalibration calibration;
    calibration.lastCalibration = reader.I32LE("last calibration");
    calibration.due = reader.U32LE("calibration due");
    calibration.comment = std::string(reader.FixedText(kModuleCommentBytes, "comment"));
    if (reader.Failed())
        return std::nullopt;
    return calibration;
}

}  // namespace corvane
