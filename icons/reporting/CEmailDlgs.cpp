#include "icons/reporting/CEmailDlgs.h"

#include "base/Cp1252.h"
#include "icons/reporting/CEmailIcon.h"
#include "icons/reporting/CEmailMsgPage.h"
#include "icons/reporting/EmailAddressBook.h"
#include "icons/reporting/CEmailSheet.h"
#include "icons/reporting/CTagPickerPage.h"
#include "res/EmailDialog.h"
#include "res/ResourceIds.h"

namespace corvane {

namespace {

// The option word's bits the File Specification page owns.
constexpr std::uint16_t kAttachBits = 0x03FF;
// Bits 2 and 3: which data is attached; both clear attaches all new values.
constexpr std::uint16_t kDataChoiceBits = 0x000C;

}  // namespace

CEmailDlgs::CEmailDlgs(CEmailIcon& icon, std::string fromDefault, SettingsStore* store, Window* parent)
    : CIconDialog(res::kEmailDialog, icon, 0, parent), icon_(icon), fromDefault_(std::move(fromDefault)),
      book_(store != nullptr ? std::make_unique<EmailAddressBook>(*store) : nullptr), settings_(icon.Settings()), lists_(icon.Lists()), sheet_(std::make_unique<CEmailSheet>())
{}

CEmailDlgs::~CEmailDlgs() = default;

bool CEmailDlgs::OnInitDialog()
{
    SetSections(false, false, false);
    const bool result = CIconDialog::OnInitDialog();
    settings_.optionWord = icon_.OptionWord();
    settings_.flagWord = TransferSettings::kEmailFlag;
    attach_ = AttachSettings{Cp1252ToUtf8(settings_.baseFilename), settings_.optionWord, false};
    sheet_->MessagePage().Bind(icon_, settings_, fromDefault_, book_.get());
    sheet_->AttachPage().SetSettings(attach_);
    sheet_->PickerPage().SetOwner(settings_, lists_, icon_.NetDocument());
    (void)sheet_->CreateAsChild(*this, res::kIdcEmailSheetFrame);
    return result;
}

bool CEmailDlgs::ValidateFields()
{
    // The page on show keeps what was typed in its values.
    if (PropertyPage* current = sheet_->GetActivePage(); current != nullptr && current->IsOpen())
        (void)current->UpdateData(true);
    return sheet_->MessagePage().Validate() && sheet_->AttachPage().ValidateFilenameBase() &&
           sheet_->PickerPage().Validate();
}

void CEmailDlgs::ApplyToIcon()
{
    sheet_->MessagePage().WriteToIcon(icon_, settings_);
    sheet_->AttachPage().WriteSettings();
    (void)sheet_->PickerPage().Apply();
    settings_.optionWord =
        static_cast<std::uint16_t>((settings_.optionWord & ~kAttachBits) | (attach_.optionWord & kAttachBits));
    settings_.baseFilename = Utf8ToCp1252(attach_.baseFilename, TransferSettings::kBaseFilenameLimit);
    icon_.SetOptionWord(settings_.optionWord);
    icon_.SetAttachMarker((settings_.optionWord & kDataChoiceBits) == 0 ? CEmailIcon::kAllNewMarker : 0);
    icon_.Settings() = settings_;
    icon_.Lists() = lists_;
}

}  // namespace corvane
