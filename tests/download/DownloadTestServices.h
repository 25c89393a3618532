#pragma once

// The program's services for the download dialogs' tests, as plain fields:
// a status bar that notes its texts and progress, the time choice, a
// working and a download folder, what was noted of chosen files, and where
// the raw download goes when a test replaces its file.

#include "RecordingStatusSink.h"

#include "download/DownloadServices.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace corvane::test {

class DownloadTestServices final : public DownloadServices {
public:

    explicit DownloadTestServices(std::filesystem::path folder)
        : working(folder / "work"), downloads(folder / "downloads")
    {
        std::filesystem::create_directories(working);
        std::filesystem::create_directories(downloads);
    }

    RecordingStatusSink status;
    TimeColumns timeColumns = TimeColumns::Local;
    std::filesystem::path working;
    std::filesystem::path downloads;
    std::vector<std::string> chosenFolders;
    std::vector<std::string> notedFiles;
    bool deleteRawData = true;
    // When set, the raw download is written here instead of to its file.
    std::function<std::unique_ptr<std::ostream>()> rawFile;

    StatusSink& Status() override { return status; }
    TimeColumns TimeColumnChoice() const override { return timeColumns; }
    void SetTimeColumnChoice(TimeColumns choice) override { timeColumns = choice; }
    std::filesystem::path WorkingFolder() const override { return working; }
    std::string MakeDownloadFilePath(std::string_view text) const override
    {
        return downloads.string() + "/" + std::string(text);
    }
    void SetDownloadFileFolder(std::string_view chosenPath) override { chosenFolders.emplace_back(chosenPath); }
    void NoteDownloadFile(std::string_view path) override { notedFiles.emplace_back(path); }
    bool ShouldDeleteRawData() const override { return deleteRawData; }
    std::unique_ptr<std::ostream> OpenRawFile(const std::filesystem::path& path) override
    {
        return rawFile ? rawFile() : DownloadServices::OpenRawFile(path);
    }
};

}  // namespace corvane::test
