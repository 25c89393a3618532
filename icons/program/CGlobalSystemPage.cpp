#include "icons/program/CGlobalSystemPage.h"

#include "base/Cp1252.h"
#include "icons/program/ProgramSheetServices.h"
#include "netdoc/CGlobalIcon.h"
#include "platform/Application.h"
#include "platform/Control.h"
#include "platform/DataExchange.h"
#include "platform/EditControl.h"
#include "platform/PromptSink.h"
#include "res/GlobalDialog.h"
#include "res/ResourceIds.h"

#include <algorithm>
#include <cstdio>

namespace corvane {
namespace {

// Bits 15 and 14 of the option flags: the memory mode.
constexpr std::uint16_t kMemoryModeMask = 0xC000;
constexpr std::uint16_t kLogToFullAndStop = 0x4000;
constexpr std::uint16_t kLogToFullAndContinue = 0x8000;
constexpr int kModeFifo = 0;
constexpr int kModeStop = 1;
constexpr int kModeContinue = 2;
// The exchange takes one more than the page keeps; typing cuts to the limit.
constexpr std::size_t kDescriptionExchangeLimit = 21;

constexpr std::array kVersionEdits{res::kIdcGlobalSavedProgram, res::kIdcGlobalSavedLogger,
    res::kIdcGlobalCurrentProgram, res::kIdcGlobalCurrentLogger};
constexpr std::array kCurrentVersionControls{res::kIdcGlobalCurrentGroup, res::kIdcGlobalCurrentProgramLabel,
    res::kIdcGlobalCurrentLoggerLabel, res::kIdcGlobalCurrentProgram, res::kIdcGlobalCurrentLogger,
    res::kIdcGlobalUpdateNote, res::kIdcGlobalUpdateVersions};

// The first count characters of a UTF-8 text.
std::string FirstCharacters(std::string_view text, std::size_t count)
{
    std::size_t at = 0;
    for (std::size_t seen = 0; at < text.size() && seen < count; ++seen) {
        ++at;
        while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80)
            ++at;
    }
    return std::string(text.substr(0, at));
}

}  // namespace

CGlobalSystemPage::CGlobalSystemPage(const ProgramSheetServices& services)
    : PropertyPage(res::kGlobalSystemPage), services_(services)
{
    On(Notification::Changed, res::kIdcGlobalDescription, [this](NotifyEvent&) { OnDescriptionChange(); });
    On(Notification::Clicked, res::kIdcGlobalUpdateVersions, [this](NotifyEvent&) { OnUpdateVersions(); });
}

std::string CGlobalSystemPage::FormatVersion(std::uint32_t word)
{
    char text[24];
    std::snprintf(text, sizeof text, "%u.%02u.%02u.%02u", (word >> 24) & 0xFFu, (word >> 16) & 0xFFu,
        (word >> 8) & 0xFFu, word & 0xFFu);
    return text;
}

void CGlobalSystemPage::BindRecord(CGlobalIcon& icon, std::string_view netName)
{
    icon_ = &icon;
    netName_ = std::string(netName);
    left_ = false;
    LoadFromRecord();
}

void CGlobalSystemPage::SetNetName(std::string_view name)
{
    netName_ = std::string(name);
    if (Control* edit = GetControl(res::kIdcGlobalNetName))
        edit->SetText(netName_);
}

void CGlobalSystemPage::LoadFromRecord()
{
    if (icon_ == nullptr)
        return;
    versions_[0] = FormatVersion(icon_->GetSecondVersionWord());
    versions_[1] = FormatVersion(icon_->GetModelWord());
    showCurrent_ = services_.CheckNetVersion(icon_->GetModelWord(), icon_->GetSecondVersionWord()).has_value();
    if (showCurrent_) {
        programWord_ = services_.ProgramVersionWord();
        firmwareWord_ = services_.LoggerFirmwareWord();
        versions_[2] = FormatVersion(programWord_);
        versions_[3] = FormatVersion(firmwareWord_);
    }
    const std::uint16_t mode = icon_->GetOptionFlags() & kMemoryModeMask;
    memoryMode_ = mode == kLogToFullAndContinue ? kModeContinue : mode == kLogToFullAndStop ? kModeStop : kModeFifo;
    description_ = Cp1252ToUtf8(icon_->GetDescription().substr(0, kDescriptionLimit));
}

void CGlobalSystemPage::ShowCurrentVersions(bool show)
{
    for (int id : kCurrentVersionControls)
        if (Control* control = GetControl(id))
            control->Show(show);
}

bool CGlobalSystemPage::OnSetActive()
{
    if (!PropertyPage::OnSetActive())
        return false;
    if (left_)
        return true;
    LoadFromRecord();
    ShowCurrentVersions(showCurrent_);
    UpdateData(false);
    return true;
}

bool CGlobalSystemPage::OnKillActive()
{
    (void)UpdateData(true);
    left_ = true;
    return true;
}

void CGlobalSystemPage::DoDataExchange(DataExchange& exchange)
{
    DdxText(exchange, res::kIdcGlobalDescription, description_, kDescriptionExchangeLimit);
    DdxRadio(exchange, res::kIdcGlobalMemoryFifo, memoryMode_);
    // Shown only: the net name follows the dialog's icon name, and the
    // version texts follow the icon.
    if (exchange.Saving())
        return;
    DdxText(exchange, res::kIdcGlobalNetName, netName_);
    for (std::size_t i = 0; i < kVersionEdits.size(); ++i)
        DdxText(exchange, kVersionEdits[i], versions_[i]);
}

void CGlobalSystemPage::OnDescriptionChange()
{
    auto* edit = GetControlAs<EditControl>(res::kIdcGlobalDescription);
    if (edit == nullptr)
        return;
    const std::string text = edit->GetText();
    if (Cp1252Length(text) <= kDescriptionLimit)
        return;
    const auto [start, end] = edit->GetSel();
    const int limit = static_cast<int>(kDescriptionLimit);
    edit->SetText(FirstCharacters(text, kDescriptionLimit));
    edit->SetSel(std::min(start, limit), std::min(end, limit));
}

void CGlobalSystemPage::OnUpdateVersions()
{
    if (icon_ == nullptr)
        return;
    MessageBoxRequest request;
    request.owner = Handle();
    request.text = std::string(kUpdateQuestion);
    request.buttons = MessageBoxButtons::OkCancel;
    request.icon = MessageBoxIcon::Question;
    if (Application::Instance().Prompts().ShowMessageBox(request) != kIdOk)
        return;
    icon_->SetVersionWords(firmwareWord_, programWord_);
    versions_[0] = FormatVersion(programWord_);
    versions_[1] = FormatVersion(firmwareWord_);
    if (Control* saved = GetControl(res::kIdcGlobalSavedProgram))
        saved->SetText(versions_[0]);
    if (Control* saved = GetControl(res::kIdcGlobalSavedLogger))
        saved->SetText(versions_[1]);
}

void CGlobalSystemPage::WriteRecord()
{
    if (icon_ == nullptr)
        return;
    std::uint16_t flags = icon_->GetOptionFlags() & static_cast<std::uint16_t>(~kMemoryModeMask);
    if (memoryMode_ == kModeContinue)
        flags |= kLogToFullAndContinue;
    else if (memoryMode_ == kModeStop)
        flags |= kLogToFullAndStop;
    icon_->SetOptionFlags(flags);
    icon_->SetDescription(Utf8ToCp1252(description_, kDescriptionLimit));
    left_ = false;
}

}  // namespace corvane
