#pragma once

// The program's services for the download dialogs' tests, as plain fields:
// a status bar that notes its texts and progress, the time choice, a
// working and a download folder, what was noted of chosen files, and where
// the raw download goes when a test replaces its file.

#include "download/DownloadServices.h"
#include "shell/StatusSink.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace corvane::test {

class DownloadTestServices final : public DownloadServices {
public:
    struct Status final : StatusSink {
        std::vector<std::string> messages;  // both panes, in order
        bool progress = false;
        int position = 0;
        std::uint16_t range = 10;
        bool animating = false;
        void SetStatusText(std::string_view text) override { messages.emplace_back(text); }
        void SetStatusMessage(std::string_view text) override { messages.emplace_back(text); }
        bool HasProgress() const override { return progress; }
        void CreateProgress() override { progress = true; }
        void SetProgressPos(int value) override { position = value; }
        void SetProgressRange(std::uint16_t upper) override { range = upper; }
        void StartProgressAnimation() override { animating = true; }
        void StopProgressAnimation() override
        {
            animating = false;
            progress = false;
        }
        std::string Last() const { return messages.empty() ? std::string() : messages.back(); }
    };

    explicit DownloadTestServices(std::filesystem::path folder)
        : working(folder / "work"), downloads(folder / "downloads")
    {
        std::filesystem::create_directories(working);
        std::filesystem::create_directories(downloads);
    }

    Status status;
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
