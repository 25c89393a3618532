#pragma once

#include "data/LoggedDataConverter.h"

#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>

namespace corvane {

class StatusSink;

// What the logged-data download dialogs need of the program around them:
// the main window's status bar, the time columns the user chose last, where
// the raw download is written, the folder the file dialogs open in, and
// what the program remembers of a downloaded file. The shell fills it;
// tests fake it. It outlives the dialogs that use it.
class DownloadServices {
public:
    virtual ~DownloadServices() = default;

    virtual StatusSink& Status() = 0;

    // The time columns every download dialog starts with and writes back.
    virtual TimeColumns TimeColumnChoice() const = 0;
    virtual void SetTimeColumnChoice(TimeColumns choice) = 0;

    // The folder of "quvBinDownload.bin" (the program's per-user data folder).
    virtual std::filesystem::path WorkingFolder() const = 0;
    // The download folder followed by text ("*.csv", a file name).
    virtual std::string MakeDownloadFilePath(std::string_view text) const = 0;
    // The folder of a path the user chose becomes the download folder.
    virtual void SetDownloadFileFolder(std::string_view chosenPath) = 0;
    // A chosen output file: kept as "Settings"/"LastDownloadFile" and put
    // at the top of the recent data-file list.
    virtual void NoteDownloadFile(std::string_view path) = 0;
    // False when the administrator keeps raw downloads (DontDeleteRawData).
    virtual bool ShouldDeleteRawData() const = 0;
    // The raw download's file at path, emptied, for writing; null when it
    // cannot be opened. A file on disk unless a test writes elsewhere.
    virtual std::unique_ptr<std::ostream> OpenRawFile(const std::filesystem::path& path);
};

}  // namespace corvane
