#pragma once

#include "platform/Dialog.h"
#include "platform/Message.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

class CNetDoc;
class CReplyMessage;

// "Upload Program Net": compiles the open net into a temporary image file
// and sends it to the connected logger: stop the logger, erase its logged
// data, send the image in blocks, have the logger verify and take it, and
// with "Upload and Enable" start the logger again. Each step is one state,
// entered by the posted step message; each block by the block message;
// the answers arrive as replies and time-outs. Every failure ends in the
// aborted state with its text in the progress line. The progress bar shows
// how much of the image the logger has taken.
class CNetUploadDialog : public Dialog {
public:
    static constexpr MessageId kStepMessage = 0x80C9;
    static constexpr MessageId kBlockMessage = 0x80CA;

    // States (the step message runs the current one).
    static constexpr int kStateCompile = 0;
    static constexpr int kStateStop = 1;
    static constexpr int kStateErase = 2;
    static constexpr int kStateOpenImage = 3;
    static constexpr int kStateSend = 4;
    static constexpr int kStateInit = 5;
    static constexpr int kStateUploaded = 6;
    static constexpr int kStateStart = 8;
    static constexpr int kStateWaitStart = 9;
    static constexpr int kStateAborted = 10;

    // How the upload was started.
    enum class Mode { UploadAndEnable = 0, Upload = 1, Cancelled = 2 };

    // The comm retry time is raised by this much while the dialog is open.
    static constexpr std::uint32_t kRetryTimeRaiseMs = 2000;
    static constexpr std::uint32_t kStopSettleMs = 1000;
    static constexpr std::uint32_t kStartDelayMs = 2000;

    // The net's family differs from the logger's (our text).
    static constexpr std::string_view kFamilyMismatchText
        = "This program net was written for a different logger family than the connected logger.\n\n"
          "Upload it anyway?";
    // The net has no Memory icon (our text).
    static constexpr std::string_view kNoMemoryIconText
        = "This program net has no Memory icon: the logger will not store any data while it runs.\n\n"
          "Upload it anyway?";
    static constexpr std::string_view kSelectModeText = "Select Upload mode to continue...";
    static constexpr std::string_view kCheckingText = "Checking Program Net - Please Wait...";
    static constexpr std::string_view kStoppingText = "Stopping Logger";
    static constexpr std::string_view kErasingText = "Erasing Previous Session Data";
    static constexpr std::string_view kSendingText = "Sending Program Net Data";
    static constexpr std::string_view kInitializingText = "Verifying and Initializing Program Net";
    static constexpr std::string_view kUploadedText = "Program Net Uploaded Successfully";
    static constexpr std::string_view kStopFailedText = "Problem sending request to stop logger\n\nUnable to continue";
    static constexpr std::string_view kEraseFailedText
        = "Problem sending request to erase logger data\n\nUnable to continue";
    // The start after the upload failed (our text).
    static constexpr std::string_view kStartFailedText
        = "Problem sending request to start logger\n\nThe program net was uploaded; the logger is stopped.";
    static constexpr std::string_view kInitFailedText
        = "Communication Error while Initializing Net\n\nUnable to continue";
    static constexpr std::string_view kNoMemoryIconRefusedText
        = "The program net without a Memory icon was not sent to the logger.";
    static constexpr std::string_view kFindingsText = "Errors detected while checking program net. Unable to continue.";
    static constexpr std::string_view kShortImageText = "Internal Error (1) While Opening Net File";
    static constexpr std::string_view kOversizeImageText = "Internal Error (2) While Opening Net File";
    static constexpr std::string_view kOpenFailedText = "Temporary File Could Not Be Opened";
    static constexpr std::string_view kSendFailedText = "Error Sending Program Net Data";
    static constexpr std::string_view kUploadErrorText = "Error During Net Upload\n\nUnable to continue";
    static constexpr std::string_view kUnexpectedReplyText = "Unexpected reply from the logger";
    static constexpr std::string_view kTimeoutStatusText = "Timeout";

    CNetUploadDialog(CNetDoc& doc, Window* parent = nullptr);
    ~CNetUploadDialog() override;

    // The length of every block call that sends an image of imageSize
    // bytes, in order: full blocks, the rest when there is one, then the
    // one final call of length 0.
    static std::vector<std::size_t> BlockCalls(std::size_t imageSize);

    int State() const { return state_; }
    Mode UploadMode() const { return mode_; }
    // The progress line (control 1412).
    const std::string& StatusText() const { return status_; }
    // The findings shown in control 1001, one per line.
    const std::vector<std::string>& Findings() const { return findings_; }
    // The temporary image; empty once it has been removed.
    const std::filesystem::path& TemporaryPath() const { return tempPath_; }

    std::intptr_t OnMessage(Message& message) override;

protected:
    bool OnInitDialog() override;
    // "Upload and Enable".
    void OnOK() override;
    void OnCancel() override;

private:
    void StartUpload(Mode mode);
    void RunStep();
    void Compile();
    bool LoadImage();
    void SendNextBlock();
    void FinishAfterUpload();
    void OnReply(const CReplyMessage& reply);
    void OnNetBlockReply(const CReplyMessage& reply);
    void OnTimeout(std::uint16_t requestType);
    void FailWithReply(const CReplyMessage& reply, std::string_view text);
    void Abort(std::string_view text);
    void SetStatus(std::string_view text);
    // The progress bar follows the bytes the logger has taken.
    void ShowProgress();
    void ShowFindings();
    bool MakeTemporaryFile();
    void RemoveTemporaryFile();
    void RestoreRetryTime();
    void EnableUploadButtons(bool enable);

    CNetDoc& doc_;
    std::vector<std::string> findings_;
    std::string status_;
    std::filesystem::path tempPath_;
    std::vector<std::uint8_t> image_;
    std::vector<std::size_t> calls_;
    std::size_t nextCall_ = 0;
    bool enableAfterUpload_ = false;
    Mode mode_ = Mode::Upload;
    int state_ = kStateCompile;
    std::size_t blockLength_ = 0;
    std::size_t bytesSent_ = 0;
    bool lastBlock_ = false;
    std::uint32_t netValue_ = 0;
    std::uint32_t savedRetryTime_ = 0;
    bool retryTimeChanged_ = false;
    bool started_ = false;
};

}  // namespace corvane
