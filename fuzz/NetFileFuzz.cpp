// Opens arbitrary bytes as a net file; an accepted net must save to an
// image that opens again to the same image.
#include "netdoc/CNetDoc.h"
#include "netdoc/IconFactory.h"
#include "netmodel/CHardwarePoll.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/PromptSink.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <span>
#include <variant>

namespace {

using namespace corvane;

class QuietPrompts final : public PromptSink {
public:
    int ShowMessageBox(const MessageBoxRequest&) override { return kIdOk; }
    std::optional<FileDialogResult> ShowFileDialog(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::uint32_t> ChooseColour(WindowHandle, std::uint32_t) override { return std::nullopt; }
    std::optional<FontChoice> ChooseFont(WindowHandle, const FontChoice&) override { return std::nullopt; }
    std::optional<std::string> ChooseFolder(WindowHandle, const std::string&, const std::string&) override
    {
        return std::nullopt;
    }
    std::optional<PrintSetup> ShowPageSetupDialog(const PrintPromptRequest&) override { return std::nullopt; }
    std::optional<PrintSetup> ShowPrintDialog(const PrintPromptRequest&) override { return std::nullopt; }
    void ShowHelp(WindowHandle, std::uint32_t) override {}
};

class Services final : public NetDocServices {
public:
    bool IsConnected() const override { return false; }
    std::uint16_t PolledConfigWord() const override { return 0; }
    std::optional<std::string> CheckNetVersion(std::uint32_t, std::uint32_t) const override { return std::nullopt; }
    void SetNetOptionByte(std::uint8_t) override {}
    std::filesystem::path NetFileFolder() const override { return {}; }
    void SetNetFileFolder(const std::filesystem::path&) override {}
    std::filesystem::path WorkingFolder() const override { return {}; }
    bool KeepRawDownloads() const override { return true; }
    void AddRecentNet(const std::filesystem::path&) override {}
    void ShowNotice(std::string_view, NetNoticeCaption) override {}
    NoticeSink& Notices() override { return notices_; }
    int ShowAdvisory(int, std::string_view) override { return kIdOk; }
    void ConvertNet(const std::filesystem::path&) override {}
    bool QueryHardware(CHardwarePoll&) override { return false; }

private:
    struct QuietNotices final : NoticeSink {
        void ShowNotice(std::string_view, std::string_view, NoticeStyle) override {}
    } notices_;
};

// The toolkit is started once for the whole run: documents ask it for
// their prompts.
struct Environment {
    Environment()
    {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        app = std::make_unique<Application>(std::vector<std::string>{"corvane-fuzz"});
        app->SetPromptSink(&prompts);
    }
    QuietPrompts prompts;
    std::unique_ptr<Application> app;
    Services services;
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
