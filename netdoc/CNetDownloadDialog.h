#pragma once

#include "platform/Dialog.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>

namespace corvane {

class CNetDoc;
class CReplyMessage;

// Reads the logger's program net into "quvBinDownload.bin" in the folder
// the services name and opens it as the net document. A status query, then block
// reads until the logger says the last block has come, then the open; each
// stage is started by a step message the dialog posts to itself. Every
// failure shows its text with the icon and leaves no partial image behind;
// the one button closes the dialog in every state.
class CNetDownloadDialog : public Dialog {
public:
    enum State { kQuery = 0, kTransfer = 1, kOpen = 2, kOpened = 3, kDone = 4, kFailed = 5 };

    static constexpr MessageId kStepMessage = 0x80C9;
    static constexpr std::uint32_t kHelpTopic = 156;

    static constexpr std::string_view kStartingText = "Initializing Download Sequence - Please Wait...";
    static constexpr std::string_view kDownloadingText = "Downloading Net";
    static constexpr std::string_view kCopyingText = "Copying Program Net Files to Working Folder";
    static constexpr std::string_view kSuccessText
        = "Program Net Downloaded Successfully\n\nClick Done to Close Dialog";
    static constexpr std::string_view kQueryFailedText
        = "Problem querying logger about current Program Net\n\nUnable to continue";
    static constexpr std::string_view kFileFailedText
        = "Unable to create the download file in the working folder\n\nUnable to continue";
    static constexpr std::string_view kWriteFailedText
        = "Unable to write the download file in the working folder\n\nUnable to continue";
    static constexpr std::string_view kRequestFailedText
        = "Problem downloading Program Net from logger\n\nUnable to continue";
    static constexpr std::string_view kParseFailedText = "Problem parsing Program Net\n\nUnable to continue";
    static constexpr std::string_view kStatusErrorText
        = "Error encountered while getting program net information\n\nUnable to continue.";
    static constexpr std::string_view kStatusInvalidText
        = "Invalid response while processing status request\n\nUnable to continue.";
    static constexpr std::string_view kNoNetText = "Logger does not have a Program Net in memory";
    static constexpr std::string_view kTooLargeText
        = "The logger's Program Net is larger than a net file can be\n\nUnable to continue.";
    static constexpr std::string_view kBlockErrorText
        = "Error encountered while downloading program net\n\nUnable to continue.";
    static constexpr std::string_view kBlockInvalidText
        = "Invalid response while processing net download\n\nUnable to continue.";
    static constexpr std::string_view kOverrunText
        = "The logger sent more of the Program Net than it announced\n\nUnable to continue.";
    static constexpr std::string_view kTimeoutText = "A Communication Timeout Occurred";

    CNetDownloadDialog(CNetDoc& doc, Window* parent = nullptr);
    ~CNetDownloadDialog() override;

    State CurrentState() const { return state_; }
    const std::string& StatusText() const { return status_; }
    // The net's size the logger announced and the bytes written so far.
    std::uint32_t TotalSize() const { return totalSize_; }
    std::uint32_t BytesReceived() const { return received_; }

    std::intptr_t OnMessage(Message& message) override;

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

private:
    void Step();
    void StartQuery();
    void StartTransfer();
    void OpenDownloadedNet();
    void OnReply(const CReplyMessage& reply);
    void OnStatusReply(const CReplyMessage& reply);
    void OnBlockReply(const CReplyMessage& reply);
    void RequestBlock();
    void ShowProgress();
    void SetStatus(std::string_view text);
    void SetButtonText(std::string_view text);
    // Ends in the failed state with the text; a partial image is removed.
    void Fail(std::string_view text, bool removeImage = true);
    void CloseAndRemoveImage();
    void Close();
    std::filesystem::path ImagePath() const;

    CNetDoc& doc_;
    std::string status_;
    std::ofstream file_;
    std::uint32_t nextRequest_ = 0;
    std::uint32_t received_ = 0;
    State state_ = kQuery;
    std::uint32_t totalSize_ = 0;
    // The request whose answer is awaited (0 none): replies and time-outs
    // of any other are stale and dropped.
    std::uint16_t awaiting_ = 0;
};

}  // namespace corvane
