#pragma once

#include "download/DownloadBlockCheck.h"
#include "platform/Dialog.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string_view>

namespace corvane {

class CReplyMessage;
class DownloadServices;
struct SessionEntry;

// "Filtered Data Download": one session of the logger's list downloaded
// and converted for the points and the time window the user picks. The
// session's head records are fetched first to list its points; "Get log
// data..." fetches the whole session and converts it through the filter
// into the entry's output file.
class CFilterDownloadDialog : public Dialog {
public:
    CFilterDownloadDialog(DownloadServices& services, SessionEntry& entry, Window* parent = nullptr);
    ~CFilterDownloadDialog() override;

    // Posted to itself when the last data block has arrived.
    static constexpr MessageId kDownloadEndMessage = 0x4CF;
    // Silence in the data phase that ends the download.
    static constexpr std::uint32_t kWatchdogTimer = 1;
    static constexpr std::uint32_t kWatchdogMs = 5000;
    static constexpr std::string_view kRawFileName = "quvBinDownload.bin";
    static constexpr std::string_view kTimeoutText = "Communication timeout during data download.";
    static constexpr std::string_view kSequenceErrorText = "Data sequence error during  data download.";
    static constexpr std::string_view kWriteFailedText = "Download bin file could not be written.";
    static constexpr std::string_view kRawTypeRefusedText
        = "A filtered download cannot be saved as a raw data file (.xid). Choose a .csv, .tsv or .txt file.";

    // What the dialog is waiting for.
    enum class Phase { Idle, Head, Data };
    Phase CurrentPhase() const { return phase_; }

    std::intptr_t OnMessage(Message& message) override;

protected:
    bool OnInitDialog() override;
    void OnCancel() override;

private:
    void OnResetTimeRange();
    void OnHalfOfDay(int timeId, bool afternoon);
    void OnCommReply(const CReplyMessage& reply);
    void OnHeadBlock(const CReplyMessage& reply);
    void OnDataBlock(const CReplyMessage& reply);
    void OnWatchdog();
    void LoadSessionFile();
    void OnGetLogData();
    void OnDownloadEnd();
    void BuildSelection();
    void SelectAll(bool select);

    bool CreateRawFile();
    bool StartPhase(Phase phase);
    void RestartWatchdog();
    // Stops the run (the logger is told in the data phase) and keeps the raw file as it is.
    void StopRun(std::uint32_t offset);
    // Stops the run, shows why and ends the dialog.
    void AbortRun(std::string_view text, std::uint32_t offset);
    // Checks the am or pm button of a time to match its hour.
    void ShowHalfOfDay(int timeId);

    DownloadServices& services_;
    SessionEntry& entry_;
    std::filesystem::path rawPath_;
    std::ofstream raw_;
    DownloadBlockCheck blocks_;
    Phase phase_ = Phase::Idle;
};

}  // namespace corvane
