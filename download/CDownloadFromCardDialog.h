#pragma once

#include "data/LoggedDataConverter.h"
#include "platform/Dialog.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

class CFlashCardManager;
class DownloadServices;

// "SD Card DownloadDialog": the logging sessions on the memory card in the
// PC's card reader; one selected session is joined into a raw stream and
// converted into the file the user names, and selected sessions are
// deleted by the card manager's worker, which reports back by message.
class CDownloadFromCardDialog : public Dialog {
public:
    // Steps the progress bar and fills the list while a refresh is pending.
    static constexpr std::uint32_t kRefreshTimerId = 1;
    static constexpr std::uint32_t kRefreshTimerMs = 50;
    static constexpr std::uint32_t kHelpTopic = 231;

    CDownloadFromCardDialog(DownloadServices& services, CFlashCardManager& cards, Window* parent = nullptr);
    ~CDownloadFromCardDialog() override;

    std::intptr_t OnMessage(Message& message) override;

protected:
    bool OnInitDialog() override;
    // Close: a running card job is cancelled first.
    void OnCancel() override;

private:
    // What the worker reports; false for any other message.
    bool OnWorkerMessage(Message& message);
    void FillList();
    void OnDownloadData();
    void DownloadSession(int line, const std::string& outputPath, TimeColumns timeColumns);
    void OnEraseSelected();
    void CancelDownload();
    // "Download Data" shown, "Cancel Download" hidden.
    void ShowDownloadButton();
    TimeColumns ReadTimeColumns() const;
    void SetStatus(std::string_view text);
    void SetProgress(int position);

    DownloadServices& services_;
    CFlashCardManager& cards_;
    bool refreshPending_ = true;
};

}  // namespace corvane
