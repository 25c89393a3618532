#pragma once

#include "card/CLogDataSessionInfo.h"
#include "card/CardJob.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

class Application;
class CCardManagerWorkerThread;
class CardSettings;
class RemovableMediaProbe;

// The memory card read in the PC: where it is mounted (the "DriveLetter"
// setting, re-read before each use that reaches the card), whether it is
// there, the logging sessions on it, and the worker thread that deletes,
// renders and copies sessions. The card holds:
//
//   <mount point>/Log/<session>/HEADER        unit header and point definitions
//   <mount point>/Log/<session>/XXXXXXXX.vrd  data files, in name order
//   <mount point>/Log/<session>/<stop>.vre    once the session has stopped
//
// <session> is the start time and <stop> the stop time in seconds, as
// hexadecimal digits; names match without regard to case.
//
// Used on the UI thread only; it talks to its worker by posted messages.
class CFlashCardManager {
public:
    // Longest session name a deletion takes.
    static constexpr std::size_t kMaxDeleteNameLength = 15;

    // Reads the setting and starts the worker; without a worker (the
    // thread could not be started) the posting operations do nothing.
    CFlashCardManager(Application& app, const CardSettings& settings, const RemovableMediaProbe& probe);
    ~CFlashCardManager();
    CFlashCardManager(const CFlashCardManager&) = delete;
    CFlashCardManager& operator=(const CFlashCardManager&) = delete;

    // Stops the worker within its bound (it is never killed).
    void StopWorker();
    void ReadDriveSetting();
    std::string GetDrive() const { return drive_; }
    // The card's "Log" folder; empty when no usable mount point is set.
    const std::filesystem::path& GetLogFolder() const { return logFolder_; }
    std::uint32_t GetWorkerThreadId() const { return workerThreadId_; }

    // "Drive not Specified" and false without a mount point; otherwise
    // whether the mount point is on a removable medium.
    bool CheckDrive();
    // Whether the mount point can be opened and its medium is in the reader.
    bool IsCardPresent();
    // Entries of the log folder, files as well as folders.
    int CountSessions();
    // CountSessions; at 0 the "SD Card Error" message. True for 1 or more.
    bool AnalyzeCard();
    // Rebuilds the session list from the log folder's entries, by name.
    int ScanSessions();
    int GetSessionCount() const { return static_cast<int>(sessions_.size()); }
    // Copies record index of the last scan; false for an index out of range.
    bool GetSessionInfo(int index, CLogDataSessionInfo& info) const;
    void FreeSessionList();

    std::uint32_t ReadSessionMode(std::string_view session) const;
    // The name's leading hexadecimal number; 0 when it has none.
    static std::uint32_t ReadStartTime(std::string_view session);
    std::uint32_t ReadStopTime(std::string_view session) const;
    std::uint32_t ReadDataSize(std::string_view session) const;

    // Has the worker delete the session's files; the expected file count
    // only scales the progress. False when nothing was posted.
    bool DeleteSession(int expectedFileCount, std::string_view session);
    // Fills in the job's session folder and data size and has the worker
    // run it; false when nothing was posted.
    bool PostCardJob(CardJob job, bool deleteAfter);
    void CancelJob();
    void ClearCancel();

private:
    std::filesystem::path SessionFolder(std::string_view session) const;

    Application& app_;
    const CardSettings& settings_;
    const RemovableMediaProbe& probe_;
    std::unique_ptr<CCardManagerWorkerThread> worker_;
    std::vector<std::unique_ptr<CLogDataSessionInfo>> sessions_;
    std::uint32_t workerThreadId_ = 0;
    std::filesystem::path logFolder_;
    std::string drive_;
};

}  // namespace corvane
