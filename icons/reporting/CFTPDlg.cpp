#include "icons/reporting/CFTPDlg.h"

#include "base/Cp1252.h"
#include "icons/reporting/CFTPDestPage.h"
#include "icons/reporting/CFTPIcon.h"
#include "icons/reporting/CFTPSheet.h"
#include "icons/reporting/CTagPickerPage.h"
#include "res/FtpDialog.h"
#include "res/ResourceIds.h"

namespace corvane {

namespace {

// The option word's bits the File Specification page owns.
constexpr std::uint16_t kAttachBits = 0x03FF;
// The directory's text block.
constexpr int kDirectoryBlock = 1;

}  // namespace

CFTPDlg::CFTPDlg(CFTPIcon& icon, Window* parent)
    : CIconDialog(res::kFtpDialog, icon, 0, parent), icon_(icon), settings_(icon.Settings()), lists_(icon.Lists()),
      sheet_(std::make_unique<CFTPSheet>())
{}

CFTPDlg::~CFTPDlg() = default;

bool CFTPDlg::OnInitDialog()
{
    SetSections(false, false, false);
    const bool result = CIconDialog::OnInitDialog();
    settings_.optionWord = icon_.OptionWord();
    settings_.flagWord = TransferSettings::kFtpFlag;
    attach_ = AttachSettings{Cp1252ToUtf8(settings_.baseFilename), settings_.optionWord, true};
    sheet_->DestPage().Bind(Cp1252ToUtf8(icon_.SelectTextBlock(kDirectoryBlock)), settings_.optionWord);
    sheet_->AttachPage().SetSettings(attach_);
    sheet_->PickerPage().SetOwner(settings_, lists_, icon_.NetDocument());
    (void)sheet_->CreateAsChild(*this, res::kIdcFtpSheetFrame);
    return result;
}

void CFTPDlg::OnCancel()
{
    sheet_->PickerPage().Cancel();
    CIconDialog::OnCancel();
}

bool CFTPDlg::ValidateFields()
{
    // The page on show keeps what was typed in its values.
    if (PropertyPage* current = sheet_->GetActivePage(); current != nullptr && current->IsOpen())
        (void)current->UpdateData(true);
    return sheet_->AttachPage().ValidateFilenameBase() && sheet_->PickerPage().Validate();
}

void CFTPDlg::ApplyToIcon()
{
    sheet_->AttachPage().WriteSettings();
    (void)sheet_->PickerPage().Apply();
    const std::uint16_t options = sheet_->DestPage().ApplyToOptions(settings_.optionWord);
    settings_.optionWord = static_cast<std::uint16_t>((options & ~kAttachBits) | (attach_.optionWord & kAttachBits));
    settings_.baseFilename = Utf8ToCp1252(attach_.baseFilename, TransferSettings::kBaseFilenameLimit);
    icon_.SetOptionWord(settings_.optionWord);
    icon_.SetConfirmedMarker(CFTPIcon::kConfirmedMarker);
    icon_.Settings() = settings_;
    icon_.Lists() = lists_;
    icon_.SetTextBlock(kDirectoryBlock, sheet_->DestPage().Directory());
}

}  // namespace corvane
