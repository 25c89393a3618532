#pragma once

#include "download/DownloadDialogLink.h"

namespace corvane {

// Points a holder's link slot at a running download dialog for the scope's
// life and empties it again at the end, however the scope is left, so the
// holder never keeps a link to a dialog that has gone.
class DownloadDialogLinkScope {
public:
    DownloadDialogLinkScope(DownloadDialogLink*& slot, DownloadDialogLink& link) : slot_(slot) { slot_ = &link; }
    ~DownloadDialogLinkScope() { slot_ = nullptr; }

    DownloadDialogLinkScope(const DownloadDialogLinkScope&) = delete;
    DownloadDialogLinkScope& operator=(const DownloadDialogLinkScope&) = delete;

private:
    DownloadDialogLink*& slot_;
};

}  // namespace corvane
