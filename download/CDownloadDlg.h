#pragma once

#include "platform/Dialog.h"

#include <cstdint>
#include <string_view>

namespace corvane {

class CReplyMessage;
class DownloadServices;

// "Logged Data Listing": the logging sessions stored in the connected
// logger, downloaded one after another into "quvBinDownload.bin" and
// converted into the file the user chose, or erased. The session-list and
// erase requests are sent for the owner window (the Communication Window),
// which hands their replies back through ParseSessionList and the erase
// mark; the download's own requests are answered to this dialog.
class CDownloadDlg : public Dialog {
public:
    // Messages the dialog posts to itself.
    static constexpr MessageId kSessionCompleteMessage = 0x4CB;
    static constexpr MessageId kDownloadErrorMessage = 0x4CC;  // wParam: running total, lParam: offset
    static constexpr MessageId kNextSessionMessage = 0x4D2;

    CDownloadDlg(DownloadServices& services, WindowHandle owner, Window* parent = nullptr);
    ~CDownloadDlg() override;

    // One block of the session list (reply 96): its sessions are listed;
    // 1 when the next block was asked for, else 0 (the list is complete).
    int ParseSessionList(const CReplyMessage& reply);
    // An empty list ends the dialog unless doNotClose is set.
    void CancelIfNoSessions(bool doNotClose);
    // Ends the dialog; a download under way is stopped first.
    void EndDownload(bool cancel);
    // The status text (with the progress animation while busy) and the
    // controls that may be used while not busy.
    void SetBusy(bool busy, std::string_view text);
    // Set while an erase request waits for its reply (103).
    bool IsErasePending() const;
    void ClearErasePending();
    // Lines in the session list.
    int SessionLineCount() const;

    std::intptr_t OnMessage(Message& message) override;

protected:
    bool OnInitDialog() override;
    void OnCancel() override;
};

}  // namespace corvane
