// Opens arbitrary bytes as a net file; an accepted net must save to an
// image that opens again to the same image.
#include "netdoc/CNetDoc.h"
#include "netdoc/IconFactory.h"
#include "netmodel/CHardwarePoll.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "testsupport/QuietNetDocServices.h"
#include "testsupport/QuietPrompts.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <span>
#include <variant>

namespace {

using namespace corvane;

// The toolkit is started once for the whole run: documents ask it for
// their prompts.
struct Environment {
    Environment()
    {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        app = std::make_unique<Application>(std::vector<std::string>{"corvane-fuzz"});
        app->SetPromptSink(&prompts);
    }
    testsupport::QuietPrompts prompts;
    std::unique_ptr<Application> app;
    testsupport::QuietNetDocServices services;
    IconFactory factory;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static Environment environment;
    const std::span<const std::uint8_t> input = size == 0 ? std::span<const std::uint8_t>{} : std::span(data, size);
    CNetDoc net(environment.services, environment.factory);
    if (net.LoadNetImage(input, false))
        return 0;
    auto saved = net.BuildSaveImage();
    if (!std::holds_alternative<std::vector<std::uint8_t>>(saved))
        return 0;  // a net can grow past the limit when records are normalised
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
