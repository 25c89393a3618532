#pragma once

#include "download/DownloadServices.h"

namespace corvane {

class CCorvaneApp;

// The download dialogs' services as the application object gives them:
// the main frame's status bar, the application's time-column choice, the
// download folder of the folder options, the last downloaded file in the
// profile and the recent data-file list.
class DownloadShellServices final : public DownloadServices {
public:
    // The profile section and value naming the last downloaded file.
    static constexpr std::string_view kProfileSection = "Settings";
    static constexpr std::string_view kLastDownloadFileValue = "LastDownloadFile";

    explicit DownloadShellServices(CCorvaneApp& app) : app_(app) {}

    StatusSink& Status() override;
    TimeColumns TimeColumnChoice() const override;
    void SetTimeColumnChoice(TimeColumns choice) override;
    std::filesystem::path WorkingFolder() const override;
    std::string MakeDownloadFilePath(std::string_view text) const override;
    void SetDownloadFileFolder(std::string_view chosenPath) override;
    void NoteDownloadFile(std::string_view path) override;
    bool ShouldDeleteRawData() const override;

private:
    CCorvaneApp& app_;
};

}  // namespace corvane
