#pragma once

#include "platform/PromptSink.h"

#include <cstdint>
#include <optional>
#include <string>

namespace corvane::testsupport {

// A prompt sink that asks nobody: message boxes end with OK, every dialog
// is cancelled and help shows nothing.
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

}  // namespace corvane::testsupport
