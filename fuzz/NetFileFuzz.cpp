// Opens arbitrary bytes as a net file with every icon class of the
// program; an accepted net must save to an image that opens again to the
// same image. Unless the first byte's low bit is set, the length field
// and the CRC are made right first, so that the records are reached.
#include "base/Crc32.h"
#include "icons/function/RegisterFunctionIcons.h"
#include "icons/function/RegisterMathIcon.h"
#include "icons/hardware/RegisterHardwareIcons.h"
#include "icons/program/ProgramSheetServices.h"
#include "icons/program/RegisterProgramIcon.h"
#include "icons/reporting/RegisterMqttIcon.h"
#include "icons/reporting/RegisterReportingIcons.h"
#include "netdoc/CNetDoc.h"
#include "netdoc/IconFactory.h"
#include "netmodel/CHardwarePoll.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "testsupport/QuietNetDocServices.h"
#include "testsupport/QuietPrompts.h"
#include "platform/PromptSink.h"
#include "platform/SettingsStore.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace {

using namespace corvane;

class SheetServices final : public ProgramSheetServices {
public:
    std::optional<std::string> CheckNetVersion(std::uint32_t, std::uint32_t) const override { return std::nullopt; }
    std::uint32_t ProgramVersionWord() const override { return 0; }
    std::uint32_t LoggerFirmwareWord() const override { return 0; }
};

// The toolkit is started once for the whole run: documents ask it for
// their prompts.
struct Environment {
    Environment()
    {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        app = std::make_unique<Application>(std::vector<std::string>{"corvane-fuzz"});
        app->SetPromptSink(&prompts);
        RegisterFunctionIcons(factory);
        RegisterMathIcon(factory, settings);
        RegisterHardwareIcons(factory);
        RegisterReportingIcons(factory);
        RegisterMqttIcon(factory, settings);
        RegisterProgramIcon(factory, sheet);
    }
    testsupport::QuietPrompts prompts;
    std::unique_ptr<Application> app;
    testsupport::QuietNetDocServices services;
    SettingsStore settings;
    SheetServices sheet;
    IconFactory factory;
};

// The input with its length field and its CRC set as a save sets them.
std::vector<std::uint8_t> Sealed(std::span<const std::uint8_t> input)
{
    std::vector<std::uint8_t> image(input.begin(), input.end());
    if (image.size() < 8)
        return image;
    const auto size = static_cast<std::uint32_t>(image.size());
    for (std::size_t i = 0; i < 4; ++i)
        image[i] = static_cast<std::uint8_t>(size >> (8 * i));
    const std::uint32_t crc = Crc32(std::span(image).first(image.size() - 4));
    for (std::size_t i = 0; i < 4; ++i)
        image[image.size() - 4 + i] = static_cast<std::uint8_t>(crc >> (24 - 8 * i));
    return image;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static Environment environment;
    const std::span<const std::uint8_t> raw = size == 0 ? std::span<const std::uint8_t>{} : std::span(data, size);
    const std::vector<std::uint8_t> input
        = !raw.empty() && (raw[0] & 1) != 0 ? std::vector<std::uint8_t>(raw.begin(), raw.end()) : Sealed(raw);
    CNetDoc net(environment.services, environment.factory);
    if (net.LoadNetImage(input, false))
        return 0;
    auto saved = net.BuildSaveImage();
    if (const auto* refusal = std::get_if<std::string>(&saved)) {
        // A net can grow past the limit when records are normalised; any
        // other refusal is a net that opened but does not save.
        if (*refusal != "Program net size exceeds maximum limit")
            std::abort();
        return 0;
    }
    const auto& image = std::get<std::vector<std::uint8_t>>(saved);
    CNetDoc again(environment.services, environment.factory);
    if (again.LoadNetImage(image, false))
        std::abort();
    if (std::get<std::vector<std::uint8_t>>(again.BuildSaveImage()) != image)
        std::abort();
    std::vector<std::string> messages;
    (void)net.CompileNet(messages, {}, CompileMode::CheckOnly);
    return 0;
}
