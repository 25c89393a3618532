#include "netdoc/CNetUploadDialog.h"

#include "base/AtomicFile.h"
#include "base/ProgressRange.h"
#include "base/UniqueFd.h"
#include "halvix/HalvixLib.h"
#include "halvix/protocol/NetTransferLayout.h"
#include "netdoc/CNetDoc.h"
#include "netimage/NetImage.h"
#include "netdoc/NetTransferReplies.h"
#include "netdoc/RecordFields.h"
#include "platform/Application.h"
#include "platform/Control.h"
#include "platform/ProgressControl.h"
#include "platform/PromptSink.h"
#include "res/NetUploadDialog.h"
#include "res/ResourceIds.h"
#include "shell/CAdvisoryDlg.h"
#include "shell/ErrorBoxes.h"
#include "shell/Waits.h"

#include <stdlib.h>

#include <algorithm>
#include <cstdint>
#include <span>
#include <system_error>

namespace corvane {

namespace {

// The logger family is bits 24..27 of the logger's firmware word.
constexpr unsigned kFamilyShift = 24;
constexpr std::uint32_t kFamilyMask = 0xF;

// The two version words of the Program icon record that the version check
// compares with the logger and this program (the model word, then the
// second version word).
constexpr std::size_t kModelWordOffset = 96;
constexpr std::size_t kSecondVersionOffset = 100;

// The temporary image: "quv", six unique characters, ".tmp".
constexpr std::string_view kTempPattern = "quvXXXXXX.tmp";
constexpr int kTempSuffixLength = 4;

// The compile's sign that the net has no Memory icon.
constexpr std::string_view kNoMemoryIconMarker = "!!";

// The progress bar runs over this range while the image is sent.
constexpr int kProgressMax = 100;

// The largest image the container allows.
constexpr std::size_t kMaxImageSize = kNetImageMaxBody + kNetImageCrcSize;

// A stop reply succeeds when the logger stopped or was stopped already.
bool StopSucceeded(const CReplyMessage& reply)
{
    if (reply.Code() == kCodeAlreadyStopped)
        return true;
    return reply.Code() == 0 && !reply.ErrorFlag();
}

}  // namespace

CNetUploadDialog::CNetUploadDialog(CNetDoc& doc, Window* parent) : Dialog(res::kNetUploadDialog, parent), doc_(doc)
{
    On(Notification::Clicked, res::kIdcNetUploadButton, [this](NotifyEvent&) { StartUpload(Mode::Upload); });
}

CNetUploadDialog::~CNetUploadDialog()
{
    RemoveTemporaryFile();
    RestoreRetryTime();
}

std::vector<std::size_t> CNetUploadDialog::BlockCalls(std::size_t imageSize)
{
    std::vector<std::size_t> calls(imageSize / kNetBlockSize, kNetBlockSize);
    if (const std::size_t rest = imageSize % kNetBlockSize; rest != 0)
        calls.push_back(rest);
    calls.push_back(0);
    return calls;
}

bool CNetUploadDialog::OnInitDialog()
{
    Dialog::OnInitDialog();
    const auto loggerFamily = static_cast<int>((doc_.Services().LoggerFirmwareVersion() >> kFamilyShift) & kFamilyMask);
    if (loggerFamily != doc_.GetProgramLoggerType()
        && doc_.ShowAdvisory(CAdvisoryDlg::kOkCancel, kFamilyMismatchText) == kIdCancel) {
        mode_ = Mode::Cancelled;
        EndDialog(kIdCancel);
        return true;
    }
    SetStatus(kSelectModeText);
    if (auto* progress = GetControlAs<ProgressControl>(res::kIdcNetUploadProgressBar)) {
        progress->SetRange(0, kProgressMax);
        progress->SetPos(0);
    }
    if (!MakeTemporaryFile()) {
        Abort(kOpenFailedText);
        return true;
    }
    std::uint32_t saved = 0;
    // Added in 64 bits: the library clamps the sum, which must not wrap first.
    const std::uint64_t raised = std::uint64_t{doc_.Services().MessageTimeoutMs()} + kRetryTimeRaiseMs;
    if (CxGetRetryTime(saved) == kCxOk
        && CxSetRetryTime(static_cast<std::uint32_t>(std::min<std::uint64_t>(raised, UINT32_MAX))) == kCxOk) {
        savedRetryTime_ = saved;
        retryTimeChanged_ = true;
    }
    return true;
}

void CNetUploadDialog::OnOK() { StartUpload(Mode::UploadAndEnable); }

void CNetUploadDialog::OnCancel()
{
    mode_ = Mode::Cancelled;
    RemoveTemporaryFile();
    Dialog::OnCancel();
}

void CNetUploadDialog::StartUpload(Mode mode)
{
    // One run per dialog: a second press while the steps run would start
    // them again from the middle.
    if (started_ || state_ != kStateCompile || mode_ == Mode::Cancelled)
        return;
    started_ = true;
    mode_ = mode;
    enableAfterUpload_ = mode == Mode::UploadAndEnable;
    EnableUploadButtons(false);
    PostMessage(kStepMessage);
}

std::intptr_t CNetUploadDialog::OnMessage(Message& message)
{
    const bool running = mode_ != Mode::Cancelled && state_ != kStateAborted;
    if (message.id == kStepMessage) {
        if (running)
            RunStep();
        return 0;
    }
    if (message.id == kBlockMessage) {
        if (running)
            SendNextBlock();
        return 0;
    }
    if (message.id == kReplyMessage) {
        // The reply is dropped here whatever the state.
        const auto reply = message.TakePayload<CReplyMessage>();
        if (reply && running)
            OnReply(*reply);
        return 0;
    }
    if (message.id == kTimeoutMessage) {
        if (running)
            OnTimeout(static_cast<std::uint16_t>(message.wParam));
        return 0;
    }
    return Dialog::OnMessage(message);
}

void CNetUploadDialog::RunStep()
{
    switch (state_) {
    case kStateCompile:
        state_ = kStateStop;
        Compile();
        return;
    case kStateStop:
        SetStatus(kStoppingText);
        if (CxRun(Handle(), 0, 0) != kCxOk) {
            Abort(kStopFailedText);
            return;
        }
        state_ = kStateErase;
        return;
    case kStateErase:
        SetStatus(kErasingText);
        if (CxEraseAll(Handle()) != kCxOk) {
            Abort(kEraseFailedText);
            return;
        }
        state_ = kStateOpenImage;
        return;
    case kStateOpenImage:
        // The image is read whole with the first block; sending starts at once.
        state_ = kStateSend;
        [[fallthrough]];
    case kStateSend:
        SetStatus(kSendingText);
        state_ = kStateInit;
        PostMessage(kBlockMessage);
        return;
    case kStateInit:
        SetStatus(kInitializingText);
        state_ = kStateUploaded;
        if (CxNetInit(Handle()) != kCxOk)
            Abort(kInitFailedText);
        return;
    case kStateUploaded:
        SetStatus(kUploadedText);
        state_ = kStateWaitStart;
        RemoveTemporaryFile();
        FinishAfterUpload();
        return;
    default: return;
    }
}

void CNetUploadDialog::Compile()
{
    SetStatus(kCheckingText);
    findings_.clear();
    ShowFindings();
    std::vector<std::string> messages;
    bool compiled = doc_.CompileNet(messages, tempPath_, CompileMode::Upload);
    if (messages.size() == 1 && messages.front() == kNoMemoryIconMarker) {
        if (doc_.ShowAdvisory(CAdvisoryDlg::kOkCancel, kNoMemoryIconText) == kIdCancel) {
            Abort(kNoMemoryIconRefusedText);
            return;
        }
        // The image was written before the marker was added.
        messages.clear();
        compiled = true;
    }
    if (!messages.empty() || !compiled) {
        findings_ = std::move(messages);
        ShowFindings();
        Abort(kFindingsText);
        return;
    }
    PostMessage(kStepMessage);
}

bool CNetUploadDialog::LoadImage()
{
    FileContents contents = ReadWholeFile(tempPath_, kMaxImageSize);
    if (contents.error) {
        Abort(contents.error.kind == FileErrorKind::TooLarge ? kOversizeImageText : kOpenFailedText);
        return false;
    }
    if (contents.bytes.size() < kNetImageLengthSize + kProgramRecordPrefix) {
        Abort(kShortImageText);
        return false;
    }
    image_ = std::move(contents.bytes);
    const auto program = std::span<const std::uint8_t>(image_).subspan(kNetImageLengthSize, kProgramRecordPrefix);
    if (auto warning = doc_.Services().CheckNetVersion(
            RecordU32(program, kModelWordOffset).value_or(0), RecordU32(program, kSecondVersionOffset).value_or(0)))
        doc_.Services().ShowNotice(*warning, NetNoticeCaption::VersionWarning);
    calls_ = BlockCalls(image_.size());
    nextCall_ = 0;
    return true;
}

void CNetUploadDialog::SendNextBlock()
{
    if (calls_.empty() && !LoadImage())
        return;
    if (nextCall_ >= calls_.size())
        return;
    blockLength_ = calls_[nextCall_++];
    // The final call sends the kept value with no data.
    lastBlock_ = blockLength_ == 0;
    const auto block = std::span<const std::uint8_t>(image_).subspan(bytesSent_, blockLength_);
    if (CxNetSet(Handle(), netValue_, block) != kCxOk)
        Abort(kSendFailedText);
}

void CNetUploadDialog::FinishAfterUpload()
{
    state_ = kStateStart;
    WaitMilliseconds(kStartDelayMs);
    if (mode_ == Mode::Cancelled || state_ != kStateStart)
        return;
    if (!enableAfterUpload_) {
        EndDialog(kIdOk);
        return;
    }
    enableAfterUpload_ = false;
    if (CxRun(Handle(), 1, 0) != kCxOk)
        Abort(kStartFailedText);
}

void CNetUploadDialog::OnReply(const CReplyMessage& reply)
{
    switch (reply.RequestType()) {
    case kRequestRun:
        if (state_ == kStateErase) {
            if (!StopSucceeded(reply)) {
                FailWithReply(reply, kStopFailedText);
                return;
            }
            WaitMilliseconds(kStopSettleMs);
            if (mode_ != Mode::Cancelled && state_ == kStateErase)
                PostMessage(kStepMessage);
            return;
        }
        if (reply.Code() != 0 || reply.ErrorFlag()) {
            FailWithReply(reply, kStartFailedText);
            return;
        }
        EndDialog(kIdOk);
        return;
    case kRequestNetSet: OnNetBlockReply(reply); return;
    case kRequestNetInit:
        if (reply.Code() != 0 || reply.ErrorFlag()) {
            FailWithReply(reply, kInitFailedText);
            return;
        }
        SetStatus(kUploadedText);
        PostMessage(kStepMessage);
        return;
    case kRequestEraseAll:
        if (reply.ErrorFlag()) {
            FailWithReply(reply, kEraseFailedText);
            return;
        }
        PostMessage(kStepMessage);
        return;
    default: return;
    }
}

void CNetUploadDialog::OnNetBlockReply(const CReplyMessage& reply)
{
    if (reply.ErrorFlag()) {
        FailWithReply(reply, kUploadErrorText);
        return;
    }
    const std::optional<std::uint32_t> value = ParseNetValueReply(reply.Data());
    if (!value) {
        ShowCommError(Handle(), reply.Code(), kUnexpectedReplyText);
        Abort(kUploadErrorText);
        return;
    }
    netValue_ = *value;
    bytesSent_ += blockLength_;
    ShowProgress();
    PostMessage(lastBlock_ ? kStepMessage : kBlockMessage);
}

void CNetUploadDialog::ShowProgress()
{
    // The share of the image the logger has taken, in hundredths, cut down
    // (in whole numbers, so the whole image reads exactly 100).
    if (auto* progress = GetControlAs<ProgressControl>(res::kIdcNetUploadProgressBar))
        progress->SetPos(ProgressShare(bytesSent_, image_.size(), kProgressMax));
}

void CNetUploadDialog::OnTimeout(std::uint16_t requestType)
{
    if (requestType != kRequestRun && requestType != kRequestEraseAll)
        SetStatus(kTimeoutStatusText);
    MessageBoxRequest request;
    request.owner = Handle();
    request.text = "** TIMEOUT **";
    request.caption = "Communication Timeout";
    request.icon = MessageBoxIcon::Error;
    (void)Application::Instance().Prompts().ShowMessageBox(request);
    Abort({});
}

void CNetUploadDialog::FailWithReply(const CReplyMessage& reply, std::string_view text)
{
    if (reply.ErrorFlag())
        ShowReplyError(Handle(), reply);
    else
        ShowCommError(Handle(), reply.Code(), reply.ErrorText());
    Abort(text);
}

void CNetUploadDialog::Abort(std::string_view text)
{
    state_ = kStateAborted;
    if (!text.empty())
        SetStatus(text);
    EnableUploadButtons(false);
    RemoveTemporaryFile();
}

void CNetUploadDialog::SetStatus(std::string_view text)
{
    status_ = text;
    if (Control* line = GetControl(res::kIdcNetUploadProgress))
        line->SetText(status_);
}

void CNetUploadDialog::ShowFindings()
{
    std::string text;
    for (const std::string& line : findings_)
        text += line + "\n";
    if (Control* list = GetControl(res::kIdcNetUploadErrors))
        list->SetText(text);
}

bool CNetUploadDialog::MakeTemporaryFile()
{
    // mkstemps makes the name and the file in one step, so no other file
    // can take the name between the two.
    std::string pattern = (doc_.Services().WorkingFolder() / kTempPattern).string();
    const UniqueFd file(::mkstemps(pattern.data(), kTempSuffixLength));
    if (!file.Valid())
        return false;
    tempPath_ = pattern;
    return true;
}

void CNetUploadDialog::RemoveTemporaryFile()
{
    if (tempPath_.empty())
        return;
    std::error_code ignored;
    std::filesystem::remove(tempPath_, ignored);
    tempPath_.clear();
}

void CNetUploadDialog::RestoreRetryTime()
{
    if (!retryTimeChanged_)
        return;
    (void)CxSetRetryTime(savedRetryTime_);
    retryTimeChanged_ = false;
}

void CNetUploadDialog::EnableUploadButtons(bool enable)
{
    for (const int id : {kIdOk, res::kIdcNetUploadButton})
        if (Control* button = GetControl(id))
            button->Enable(enable);
}

}  // namespace corvane
