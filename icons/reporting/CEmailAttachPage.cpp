#include "icons/reporting/CEmailAttachPage.h"

#include "platform/Application.h"
#include "platform/Control.h"
#include "platform/DataExchange.h"
#include "platform/EditControl.h"
#include "platform/PromptSink.h"
#include "res/EmailAttachPage.h"
#include "res/ResourceIds.h"

#include <array>

namespace corvane {
namespace {

constexpr std::array kDataChoiceIds = {res::kIdcAttachAllNew, res::kIdcAttachLastAcquired, res::kIdcAttachNone};
constexpr std::array kFormatIds = {
    res::kIdcAttachCommaSeparated, res::kIdcAttachTabSeparated, res::kIdcAttachOmbrelixFormat, res::kIdcAttachRawData};

}  // namespace

CEmailAttachPage::CEmailAttachPage() : PropertyPage(res::kEmailAttachPage)
{
    for (const int id : kDataChoiceIds)
        On(Notification::Clicked, id, [this](NotifyEvent&) { OnChoiceClicked(); });
    for (const int id : kFormatIds)
        On(Notification::Clicked, id, [this](NotifyEvent&) { OnChoiceClicked(); });
}

void CEmailAttachPage::SetSettings(AttachSettings& settings)
{
    settings_ = &settings;
    shown_ = false;
}

void CEmailAttachPage::LoadFromIcon()
{
    if (settings_ == nullptr)
        return;
    baseFilename_ = settings_->baseFilename;
    bits_ = FileSpecificationBits::Decode(settings_->optionWord, settings_->ftp);
    bits_.format = SettleFileFormat(bits_.dataChoice, bits_.format);
    appendDateTime_ = bits_.appendDateTime ? 1 : 0;
    appendSerialNumber_ = bits_.appendSerialNumber ? 1 : 0;
    appendLoggerName_ = bits_.appendLoggerName ? 1 : 0;
    if (!IsOpen())
        return;
    UpdateData(false);
    UpdateEnabling();
}

bool CEmailAttachPage::OnSetActive()
{
    if (!PropertyPage::OnSetActive())
        return false;
    if (!shown_) {
        if (auto* edit = GetControlAs<EditControl>(res::kIdcAttachBaseFilename))
            edit->SetLimitText(kBaseFilenameLimit);
        if (Control* group = GetControl(res::kIdcAttachDataGroup))
            group->SetText(Ftp() ? "Data to Transfer" : "Data to Attach");
        if (Control* group = GetControl(res::kIdcAttachFilenameGroup))
            group->SetText(Ftp() ? "FTP Base Filename" : "Attachment Base Filename");
        LoadFromIcon();
        shown_ = true;
    }
    UpdateEnabling();
    return true;
}

bool CEmailAttachPage::OnKillActive()
{
    if (!PropertyPage::OnKillActive())
        return false;
    WriteSettings();
    return true;
}

bool CEmailAttachPage::OnApply() { return ValidateFilenameBase(); }

void CEmailAttachPage::OnOK() { WriteSettings(); }

void CEmailAttachPage::DoDataExchange(DataExchange& exchange)
{
    DdxText(exchange, res::kIdcAttachBaseFilename, baseFilename_, kBaseFilenameLimit);
    DdxRadio(exchange, res::kIdcAttachAllNew, bits_.dataChoice);
    DdxRadio(exchange, res::kIdcAttachCommaSeparated, bits_.format);
    DdxRadio(exchange, res::kIdcAttachContentEach, bits_.content);
    DdxCheck(exchange, res::kIdcAttachAppendDateTime, appendDateTime_);
    DdxCheck(exchange, res::kIdcAttachAppendSerialNumber, appendSerialNumber_);
    DdxCheck(exchange, res::kIdcAttachAppendLoggerName, appendLoggerName_);
    if (exchange.Saving()) {
        bits_.appendDateTime = appendDateTime_ != 0;
        bits_.appendSerialNumber = appendSerialNumber_ != 0;
        bits_.appendLoggerName = appendLoggerName_ != 0;
    }
}

void CEmailAttachPage::OnChoiceClicked()
{
    if (!UpdateData(true))
        return;
    const int settled = SettleFileFormat(bits_.dataChoice, bits_.format);
    if (settled != bits_.format) {
        bits_.format = settled;
        UpdateData(false);
    }
    UpdateEnabling();
}

void CEmailAttachPage::UpdateEnabling()
{
    const FileSpecificationEnabling enabling = FileSpecificationEnabling::For(bits_.dataChoice, Ftp());
    if (Control* none = GetControl(res::kIdcAttachNone))
        none->Show(enabling.noneShown);
    for (const int id : {res::kIdcAttachCommaSeparated, res::kIdcAttachTabSeparated, res::kIdcAttachOmbrelixFormat}) {
        if (Control* format = GetControl(id))
            format->Enable(enabling.textFormatsEnabled);
    }
    if (Control* raw = GetControl(res::kIdcAttachRawData))
        raw->Enable(enabling.rawDataEnabled);
}

bool CEmailAttachPage::ValidateFilenameBase()
{
    bool needsName = false;
    bool named = false;
    if (shown_) {
        if (IsOpen() && !UpdateData(true))
            return false;
        needsName = bits_.NeedsBaseFilename();
        named = !baseFilename_.empty();
    } else if (settings_ != nullptr) {
        needsName = FileSpecificationBits::Decode(settings_->optionWord, settings_->ftp).NeedsBaseFilename();
        named = !settings_->baseFilename.empty();
    }
    if (!needsName || named)
        return true;
    Application::Instance().Prompts().ShowMessageBox({Handle(), std::string(kFilenameRequiredText),
        std::string(kFilenameRequiredCaption), MessageBoxButtons::Ok, MessageBoxIcon::Warning});
    return false;
}

void CEmailAttachPage::WriteSettings()
{
    if (settings_ == nullptr || !shown_)
        return;
    settings_->baseFilename = baseFilename_;
    settings_->optionWord = bits_.Encode(settings_->optionWord);
}

}  // namespace corvane
