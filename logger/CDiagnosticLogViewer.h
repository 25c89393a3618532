#pragma once

#include "data/ConvertDiagnosticLog.h"
#include "platform/Dialog.h"

#include <cstdint>
#include <filesystem>
#include <optional>

namespace corvane {

// "Diagnostic Log Viewer": in conversion mode turns a downloaded raw
// diagnostic log (a name ending in "~") into the saved diagnostic file of
// the same name without the "~" and lists its events; in display mode lists
// the events of a saved diagnostic file. The work starts once the dialog is
// shown (a message it posts itself). It sends no requests.
class CDiagnosticLogViewer : public Dialog {
public:
    static constexpr std::uint32_t kConvertMessage = 0x806E;
    static constexpr std::uint32_t kDisplayMessage = 0x806F;
    static constexpr std::uint32_t kHelpTopic = 2121;

    explicit CDiagnosticLogViewer(Window* parent = nullptr);

    // Set before the dialog opens.
    std::filesystem::path FilePath;
    bool DisplayMode = false;

    // How the conversion went; nothing before it ran (or in display mode).
    const std::optional<DiagnosticConvertResult>& Conversion() const { return conversion_; }
    // The file was converted or read (or found unusable).
    bool Finished() const { return finished_; }

    std::intptr_t OnMessage(Message& message) override;

protected:
    bool OnInitDialog() override;

private:
    void ConvertRawLog();
    void LoadSavedFile();
    // A row of the event list from the file's 8-bit texts.
    void AddRow(std::string_view timeText, std::string_view description);
    void FileProblem(std::string_view text);

    std::optional<DiagnosticConvertResult> conversion_;
    bool finished_ = false;
};

}  // namespace corvane
