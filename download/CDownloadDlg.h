#pragma once

#include "download/DownloadBlockCheck.h"
#include "download/DownloadDialogLink.h"
#include "download/SessionTable.h"
#include "platform/Dialog.h"

#include <cstdint>
#include <memory>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

class CReplyMessage;
class DownloadServices;
class ListBoxControl;
enum class TimeColumns : int;

// "Logged Data Listing": the logging sessions stored in the connected
// logger, downloaded one after another into "quvBinDownload.bin" and
// converted into the file the user chose, or erased. The session-list and
// erase requests are sent for the owner window (the Communication Window),
// which hands their replies back through the DownloadDialogLink; the
// download's own requests are answered to this dialog.
class CDownloadDlg : public Dialog, public DownloadDialogLink {
public:
    // Messages the dialog posts to itself.
    static constexpr MessageId kSessionCompleteMessage = 0x4CB;
    static constexpr MessageId kDownloadErrorMessage = 0x4CC;  // wParam: running total, lParam: offset
    static constexpr MessageId kNextSessionMessage = 0x4D2;

    // The watchdog: a download that stays silent this long is given up.
    static constexpr std::uint32_t kWatchdogTimer = 1;
    static constexpr std::uint32_t kWatchdogMs = 5000;
    // The raw download, in the working folder.
    static constexpr const char* kRawFileName = "quvBinDownload.bin";
    // The raw file is flushed after every so many blocks and at the end.
    static constexpr std::uint32_t kRawFlushBlocks = 32;

    CDownloadDlg(DownloadServices& services, WindowHandle owner, Window* parent = nullptr);
    ~CDownloadDlg() override;

    // DownloadDialogLink. One block of the session list (reply 96): its
    // sessions are listed; 1 when the next block was asked for, else 0.
    int ParseSessionList(const CReplyMessage& reply) override;
    int SessionLineCount() const override;
    void CancelIfNoSessions(bool doNotClose) override;
    void EndDownload(bool cancel) override;
    // The status text (with the progress animation while busy) and the
    // controls that may be used while not busy.
    void SetBusy(bool busy, std::string_view text) override;
    void ClearErasePending() override;
    bool IsTransferring() const override { return transferring_; }

    // Set while an erase request waits for its reply (103).
    bool IsErasePending() const;

    // The listed sessions; whether a run of chosen sessions is under way.
    const SessionTable& Sessions() const { return table_; }
    bool IsDownloading() const { return !selection_.empty(); }
    // The filtered download dialog while Filter Download runs it, else null.
    Dialog* OpenFilterDialog() const { return filterDialog_; }

    std::intptr_t OnMessage(Message& message) override;

protected:
    bool OnInitDialog() override;
    void OnCancel() override;

private:
    ListBoxControl* List() const;
    void EnableControl(int id, bool enable);
    void UpdateSelectionButtons();
    void SelectAllLines(bool select);
    TimeColumns CheckedTimeColumns() const;

    // The selected lines that name sessions; a box when there is none.
    std::vector<int> GetSelectedSessions();
    bool SelectOutputFile(bool filtered);
    void OnDownloadSelected();
    void OnFilterDownload();
    void OnEraseSelected();
    bool WaitForErase();
    void RemoveErasedEntries();

    void OnNextSession();
    void OnCommReply(const CReplyMessage& reply);
    void OnDataBlock(const CReplyMessage& reply);
    // Appends to the raw file; a failed write or flush ends the run with
    // its message.
    bool WriteRaw(std::span<const std::uint8_t> bytes);
    // Flushes and closes the raw file; false when a write or the flush failed.
    bool CloseRaw();
    void OnWatchdog();
    void OnDownloadError(std::uint32_t total, std::uint32_t offset);
    void OnSessionComplete();
    // Stops the transfer under way: watchdog, raw file, and the logger
    // told with CxSdlError.
    void StopTransfer(std::uint32_t total, std::uint32_t offset);
    void RestartWatchdog();

    DownloadServices& services_;
    WindowHandle owner_;
    SessionTable table_;
    std::vector<int> selection_;
    std::size_t position_ = 0;
    int current_ = -1;
    std::string chosenPath_;
    std::unique_ptr<std::ostream> raw_;
    std::uint32_t rawBlocks_ = 0;  // blocks written to raw_ since it was opened
    DownloadBlockCheck blocks_;
    std::uint32_t expectedSize_ = 0;
    bool transferring_ = false;
    bool sequenceError_ = false;
    bool timedOut_ = false;
    bool runFailed_ = false;  // a session of the run did not reach its file
    bool erasePending_ = false;
    Dialog* filterDialog_ = nullptr;
};

}  // namespace corvane
