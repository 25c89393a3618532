#pragma once

#include <string_view>

namespace corvane {

class CReplyMessage;

// What the Communication Window's view tells the open data-download
// dialog: the replies to the session-list and erase requests the dialog
// sends for the view's window, and the ends of those requests. The
// download dialog implements it; the view reaches it only while the
// dialog runs (DownloadDialogLinkScope).
class DownloadDialogLink {
public:
    virtual ~DownloadDialogLink() = default;

    // One block of the session list: 1 when the next block was asked for,
    // else 0 (the list is complete).
    virtual int ParseSessionList(const CReplyMessage& reply) = 0;
    // Lines in the session list.
    virtual int SessionLineCount() const = 0;
    // An empty list ends the dialog unless doNotClose is set.
    virtual void CancelIfNoSessions(bool doNotClose) = 0;
    // Ends the dialog; a download under way is stopped first.
    virtual void EndDownload(bool cancel) = 0;
    // The status text and the controls that may be used while not busy.
    virtual void SetBusy(bool busy, std::string_view text) = 0;
    // The erase request has its answer.
    virtual void ClearErasePending() = 0;
    // True while a session is being received.
    virtual bool IsTransferring() const = 0;
};

}  // namespace corvane
