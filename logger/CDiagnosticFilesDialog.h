#pragma once

#include "logger/CCommDialog.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string_view>

namespace corvane {

class DiagnosticLogServices;

// "Diagnostic Files": downloads the logger's diagnostic log into a raw file
// (the chosen ".dlf" name with "~" appended), 1024 bytes a request, then has
// the viewer convert it to the chosen file and list it; or opens a saved
// file in the viewer. Either way the dialog closes after the viewer.
class CDiagnosticFilesDialog : public CCommDialog {
public:
    static constexpr std::uint32_t kHelpTopic = 2111;
    static constexpr std::uint32_t kProgressUpper = 0x100000;

    CDiagnosticFilesDialog(CConnectionDetails& connection, DiagnosticLogServices& services, Window* parent = nullptr);
    ~CDiagnosticFilesDialog() override;

    bool Downloading() const { return downloading_; }
    std::uint32_t BytesReceived() const { return bytesReceived_; }
    const std::filesystem::path& RawFilePath() const { return rawFilePath_; }

protected:
    bool OnInitDialog() override;
    void OnCommReply(std::unique_ptr<CReplyMessage> reply) override;
    void OnCommTimeout(std::uint16_t requestType) override;

private:
    void OnDownload();
    void OnViewSaved();
    void SetStatus(std::string_view text);
    void ShowProgress(bool show);
    // Ends a download that cannot go on: the raw file is closed and
    // deleted, and a new download may start.
    void AbandonDownload(std::string_view status);
    void CompleteDownload();
    // Runs the viewer on a file, then closes this dialog.
    void RunViewer(const std::filesystem::path& path, bool displayMode);

    DiagnosticLogServices& services_;
    std::filesystem::path rawFilePath_;
    bool downloading_ = false;
    std::unique_ptr<std::ofstream> rawFile_;
    std::uint32_t bytesReceived_ = 0;
};

}  // namespace corvane
