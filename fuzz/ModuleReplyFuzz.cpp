// Feeds arbitrary bytes to the readers of a bus module's bytes: the module
// information and calibration replies, and the firmware file header check.
// Texts must stay inside their fields, and a reply of another length than
// its own must be refused.
#include "commwindow/ModuleFirmwareFile.h"
#include "commwindow/ModuleNodeTexts.h"
#include "halvix/protocol/ModuleReplies.h"

#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> input = size == 0 ? std::span<const std::uint8_t>{} : std::span(data, size);
    using namespace corvane;

    const auto info = ParseModuleInformation(input);
    if (info.has_value() != (input.size() == kModuleInfoReplyBytes))
        __builtin_trap();
    if (info) {
        if (info->name.size() > kModuleNameBytes || FirmwareVersionText(*info).empty()
            || ModuleTypeText(info->type).empty())
            __builtin_trap();
    }

    const auto calibration = ParseModuleCalibration(input);
    if (calibration.has_value() != (input.size() == kModuleCalibrationReplyBytes))
        __builtin_trap();
    if (calibration && calibration->comment.size() > kModuleCommentBytes)
        __builtin_trap();

    for (std::uint8_t type : {kModuleTypeAnalog, kModuleTypeDigital}) {
        const auto check = ModuleFirmwareFile::CheckHeader(input, type);
        if ((check == ModuleFirmwareFile::HeaderCheck::Short) != (input.size() < ModuleFirmwareFile::kHeaderBytes))
            __builtin_trap();
        if (check == ModuleFirmwareFile::HeaderCheck::Valid && input[ModuleFirmwareFile::kModuleTypeOffset] != type)
            __builtin_trap();
    }
    return 0;
}
