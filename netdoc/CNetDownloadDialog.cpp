#include "netdoc/CNetDownloadDialog.h"

#include "base/Cp1252.h"
#include "base/ProgressRange.h"
#include "halvix/HalvixLib.h"
#include "halvix/protocol/NetTransferLayout.h"
#include "netdoc/CNetDoc.h"
#include "netdoc/NetTransferReplies.h"
#include "platform/Application.h"
#include "platform/BitmapCatalog.h"
#include "platform/Control.h"
#include "platform/PictureControl.h"
#include "platform/ProgressControl.h"
#include "platform/PromptSink.h"
#include "res/NetDownloadDialog.h"
#include "res/ResourceIds.h"

#include <optional>
#include <span>
#include <system_error>

namespace corvane {
namespace {

constexpr int kProgressMax = 100;

}  // namespace

CNetDownloadDialog::CNetDownloadDialog(CNetDoc& doc, Window* parent)
    : Dialog(res::kNetDownloadDialog, parent), doc_(doc)
{
    On(Notification::Clicked, kIdHelp,
        [this](NotifyEvent&) { Application::Instance().Prompts().ShowHelp(Handle(), kHelpTopic); });
}

CNetDownloadDialog::~CNetDownloadDialog()
{
    if (file_.is_open())
        CloseAndRemoveImage();
}

bool CNetDownloadDialog::OnInitDialog()
{
    Dialog::OnInitDialog();
    SetStatus(kStartingText);
    if (auto* progress = GetControlAs<ProgressControl>(res::kIdcNetDownloadProgress))
        progress->SetRange(0, kProgressMax);
    SetButtonText("Cancel");
    if (auto* icon = GetControlAs<PictureControl>(res::kIdcNetDownloadIcon)) {
        const std::string png = Application::Instance().Bitmaps().Get(res::kBitmapWarning).PngBytes();
        icon->SetImage(std::span(reinterpret_cast<const std::uint8_t*>(png.data()), png.size()));
    }
    PostMessage(kStepMessage);
    return true;
}

std::intptr_t CNetDownloadDialog::OnMessage(Message& message)
{
    // Once the dialog is closed, or the download has ended, late steps,
    // replies and time-outs are dropped (a reply's payload with the message),
    // and so are answers to anything but the request under way.
    const bool finished = !IsOpen() || state_ == kDone || state_ == kFailed;
    if (message.id == kStepMessage) {
        if (!finished)
            Step();
        return 0;
    }
    if (message.id == kReplyMessage) {
        auto reply = message.TakePayload<CReplyMessage>();
        if (reply && !finished && awaiting_ != 0 && reply->RequestType() == awaiting_) {
            awaiting_ = 0;
            OnReply(*reply);
        }
        return 0;
    }
    if (message.id == kTimeoutMessage) {
        if (!finished && awaiting_ != 0 && message.wParam == awaiting_)
            Fail(kTimeoutText);
        return 0;
    }
    return Dialog::OnMessage(message);
}

void CNetDownloadDialog::Step()
{
    switch (state_) {
    case kQuery: StartQuery(); break;
    case kTransfer: StartTransfer(); break;
    case kOpen: OpenDownloadedNet(); break;
    case kOpened:
        state_ = kDone;
        SetStatus(kSuccessText);
        SetButtonText("&Done");
        break;
    case kDone:
    case kFailed: break;
    }
}

void CNetDownloadDialog::StartQuery()
{
    file_.open(ImagePath(), std::ios::binary | std::ios::out | std::ios::trunc);
    if (!file_.is_open()) {
        Fail(kFileFailedText);
        return;
    }
    if (CxNetParm(Handle()) != kCxOk) {
        Fail(kQueryFailedText);
        return;
    }
    awaiting_ = kRequestNetParm;
    state_ = kTransfer;
}

void CNetDownloadDialog::StartTransfer()
{
    SetStatus(kDownloadingText);
    nextRequest_ = 0;
    received_ = 0;
    RequestBlock();
    if (state_ != kFailed)
        state_ = kOpen;
}

void CNetDownloadDialog::OnReply(const CReplyMessage& reply)
{
    if (reply.RequestType() == kRequestNetParm)
        OnStatusReply(reply);
    else if (reply.RequestType() == kRequestNetGet)
        OnBlockReply(reply);
}

void CNetDownloadDialog::OnStatusReply(const CReplyMessage& reply)
{
    if (reply.ErrorFlag()) {
        Fail(kStatusErrorText);
        return;
    }
    const std::optional<NetStatusReply> status = ParseNetStatusReply(reply.Data());
    if (!status) {
        Fail(kStatusInvalidText);
        return;
    }
    totalSize_ = status->size;
    doc_.SetLoggerNetText(Cp1252ToUtf8(status->name));
    if (status->status != kNetStatusPresent) {
        Fail(kNoNetText);
        return;
    }
    // The image is written to a file that is opened as a net file later; a
    // net larger than any net file is refused before anything is read.
    if (totalSize_ > CNetDoc::kMaxNetFileBytes) {
        Fail(kTooLargeText);
        return;
    }
    PostMessage(kStepMessage);
}

void CNetDownloadDialog::OnBlockReply(const CReplyMessage& reply)
{
    if (reply.ErrorFlag()) {
        Fail(kBlockErrorText);
        return;
    }
    const std::optional<NetBlockReply> parsed = ParseNetBlockReply(reply.Data());
    if (!parsed) {
        Fail(kBlockInvalidText);
        return;
    }
    const std::span<const std::uint8_t> block = parsed->block;
    // Nothing past the announced size is written: the file stays within
    // what the status reply promised (and so within a net file's limit).
    if (block.size() > totalSize_ - received_) {
        Fail(kOverrunText);
        return;
    }
    file_.write(reinterpret_cast<const char*>(block.data()), static_cast<std::streamsize>(block.size()));
    if (!file_) {
        Fail(kWriteFailedText);
        return;
    }
    received_ += static_cast<std::uint32_t>(block.size());
    ShowProgress();
    nextRequest_ = parsed->next;
    if (nextRequest_ == 0) {
        file_.close();
        if (!file_) {
            Fail(kWriteFailedText);
            return;
        }
        PostMessage(kStepMessage);
        return;
    }
    RequestBlock();
}

void CNetDownloadDialog::RequestBlock()
{
    if (CxNetGet(Handle(), nextRequest_) != kCxOk) {
        Fail(kRequestFailedText);
        return;
    }
    awaiting_ = kRequestNetGet;
}

void CNetDownloadDialog::OpenDownloadedNet()
{
    // Opening asks first whether to save a changed net; Cancel there
    // closes this dialog.
    const bool asksToSave = doc_.IsModified();
    std::filesystem::path path;
    if (doc_.OpenNetFile(true, false, path)) {
        doc_.SetModified(true);
        if (auto* progress = GetControlAs<ProgressControl>(res::kIdcNetDownloadProgress))
            progress->SetPos(kProgressMax);
        SetStatus(kCopyingText);
        state_ = kOpened;
        PostMessage(kStepMessage);
        return;
    }
    if (asksToSave && doc_.SaveQuestionOutcome() == 2) {
        Close();
        return;
    }
    // A refused image is kept for a look only where raw downloads are kept.
    Fail(kParseFailedText, !doc_.Services().KeepRawDownloads());
}

void CNetDownloadDialog::ShowProgress()
{
    // No size announced: the bar stays where it is.
    if (totalSize_ == 0)
        return;
    if (auto* progress = GetControlAs<ProgressControl>(res::kIdcNetDownloadProgress))
        progress->SetPos(ProgressShare(received_, totalSize_, kProgressMax));
}

void CNetDownloadDialog::SetStatus(std::string_view text)
{
    status_ = text;
    if (Control* control = GetControl(res::kIdcNetDownloadStatus))
        control->SetText(status_);
}

void CNetDownloadDialog::SetButtonText(std::string_view text)
{
    if (Control* button = GetControl(kIdOk))
        button->SetText(text);
}

void CNetDownloadDialog::Fail(std::string_view text, bool removeImage)
{
    state_ = kFailed;
    awaiting_ = 0;
    if (Control* icon = GetControl(res::kIdcNetDownloadIcon))
        icon->Show(true);
    if (Control* progress = GetControl(res::kIdcNetDownloadProgress))
        progress->Show(false);
    if (removeImage)
        CloseAndRemoveImage();
    SetButtonText("Close");
    SetStatus(text);
}

void CNetDownloadDialog::CloseAndRemoveImage()
{
    if (file_.is_open())
        file_.close();
    std::error_code ignored;
    std::filesystem::remove(ImagePath(), ignored);
}

void CNetDownloadDialog::OnOK() { Close(); }

void CNetDownloadDialog::OnCancel() { Close(); }

void CNetDownloadDialog::Close()
{
    // Closed during the transfer: the partial image goes.
    if (file_.is_open())
        CloseAndRemoveImage();
    EndDialog(kIdOk);
}

std::filesystem::path CNetDownloadDialog::ImagePath() const
{
    return doc_.Services().WorkingFolder() / CNetDoc::kDownloadFileName;
}

}  // namespace corvane
