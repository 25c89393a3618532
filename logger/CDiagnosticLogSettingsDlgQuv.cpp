#include "logger/CDiagnosticLogSettingsDlgQuv.h"

#include "comms/CConnectionDetails.h"
#include "halvix/CReplyMessage.h"
#include "halvix/HalvixLib.h"
#include "halvix/protocol/DiagnosticLogLayout.h"
#include "halvix/protocol/RequestTypes.h"
#include "logger/CDiagnosticFilesDialog.h"
#include "logger/DiagnosticLogServices.h"
#include "platform/Application.h"
#include "platform/ComboBoxControl.h"
#include "platform/PromptSink.h"
#include "res/DiagnosticLogDialogs.h"
#include "res/DiagnosticLogIds.h"

#include <algorithm>

namespace corvane {

namespace {

int ComboId(std::size_t category) { return res::kIdcDiagnosticLevelFirst + static_cast<int>(category); }
int LabelId(std::size_t category) { return res::kIdcDiagnosticLabelFirst + static_cast<int>(category); }

}  // namespace

CDiagnosticLogSettingsDlgQuv::CDiagnosticLogSettingsDlgQuv(
    CConnectionDetails& connection, DiagnosticLogServices& services, Window* parent)
    : CCommDialog(res::kDiagnosticLogSettingsDialog, connection, parent), services_(services)
{
    On(Notification::SelectionChanged, res::kIdcDiagnosticSetAll, [this](NotifyEvent&) { SetAllLevels(); });
    On(Notification::Clicked, res::kIdcDiagnosticTraceMessages, [this](NotifyEvent&) { OnTraceMessages(); });
    On(Notification::Clicked, res::kIdcDiagnosticClearLog, [this](NotifyEvent&) { OnClearLog(); });
    On(Notification::Clicked, res::kIdcDiagnosticFiles, [this](NotifyEvent&) { OnDiagnosticFiles(); });
    On(Notification::Clicked, kIdHelp,
        [this](NotifyEvent&) { Application::Instance().Prompts().ShowHelp(Handle(), kHelpTopic); });
}

bool CDiagnosticLogSettingsDlgQuv::OnInitDialog()
{
    CCommDialog::OnInitDialog();
    if (Control* help = GetControl(kIdHelp))
        help->Show(true);
    productionMode_ = services_.ShowProduction();
    for (std::size_t category = 0; category < DiagnosticLevels::kCategoryCount; ++category) {
        if (auto* combo = GetControlAs<ComboBoxControl>(ComboId(category))) {
            combo->ResetContent();
            if (DiagnosticLevels::IsSwitch(category)) {
                for (const std::string_view name : DiagnosticLevels::kSwitchNames)
                    combo->AddString(name);
            } else {
                for (const std::string_view name : DiagnosticLevels::kLevelNames)
                    combo->AddString(name);
            }
            combo->Enable(false);
            combo->Show(DiagnosticLevels::IsShown(category, productionMode_));
        }
        if (Control* label = GetControl(LabelId(category)))
            label->Show(DiagnosticLevels::IsShown(category, productionMode_));
    }
    if (auto* master = GetControlAs<ComboBoxControl>(res::kIdcDiagnosticSetAll)) {
        master->ResetContent();
        for (const std::string_view name : DiagnosticLevels::kLevelNames)
            master->AddString(name);
        // No choice yet: any first choice, "None" too, sets every category.
        master->SetCurSel(-1);
    }
    if (Connection().IsConnected()) {
        const auto block = LevelBlock();
        if (CxQuvDbFCtl(Handle(), block, kDiagnosticOpQuery, 0) != 0) {
            Box("Problem querying Logger", "Communication Problem");
            EndDialog(kIdCancel);
            return true;
        }
        pending_ = Pending::Query;
    } else if (Control* clear = GetControl(res::kIdcDiagnosticClearLog)) {
        clear->Enable(false);
    }
    return true;
}

void CDiagnosticLogSettingsDlgQuv::Box(std::string_view text, std::string_view caption, bool warning)
{
    MessageBoxRequest request;
    request.owner = Handle();
    request.text = std::string(text);
    request.caption = std::string(caption);
    if (warning)
        request.icon = MessageBoxIcon::Warning;
    (void)Application::Instance().Prompts().ShowMessageBox(request);
}

std::array<std::uint8_t, 2 * DiagnosticLevels::kCategoryCount> CDiagnosticLogSettingsDlgQuv::LevelBlock() const
{
    std::array<std::uint8_t, 2 * DiagnosticLevels::kCategoryCount> block{};
    std::copy(newLevels_.begin(), newLevels_.end(), block.begin());
    std::copy(loggerLevels_.begin(), loggerLevels_.end(), block.begin() + DiagnosticLevels::kCategoryCount);
    return block;
}

void CDiagnosticLogSettingsDlgQuv::EnableLevelCombos(bool on)
{
    for (std::size_t category = 0; category < DiagnosticLevels::kCategoryCount; ++category) {
        if (Control* combo = GetControl(ComboId(category)))
            combo->Enable(on && DiagnosticLevels::IsAvailable(category, productionMode_));
    }
}

void CDiagnosticLogSettingsDlgQuv::ShowLevels()
{
    for (std::size_t category = 0; category < DiagnosticLevels::kCategoryCount; ++category) {
        if (auto* combo = GetControlAs<ComboBoxControl>(ComboId(category)))
            combo->SetCurSel(newLevels_[category] < combo->GetCount() ? newLevels_[category] : -1);
    }
}

void CDiagnosticLogSettingsDlgQuv::ReadLevels()
{
    for (std::size_t category = 0; category < DiagnosticLevels::kCategoryCount; ++category) {
        if (auto* combo = GetControlAs<ComboBoxControl>(ComboId(category))) {
            const int selected = combo->GetCurSel();
            newLevels_[category] = selected < 0 ? 0 : static_cast<std::uint8_t>(selected);
        }
    }
}

void CDiagnosticLogSettingsDlgQuv::SetAllLevels()
{
    auto* master = GetControlAs<ComboBoxControl>(res::kIdcDiagnosticSetAll);
    if (master == nullptr || master->GetCurSel() < 0)
        return;
    ReadLevels();
    DiagnosticLevels::SetAll(newLevels_, static_cast<std::uint8_t>(master->GetCurSel()));
    ShowLevels();
}

void CDiagnosticLogSettingsDlgQuv::OnOK()
{
    if (pending_ != Pending::None)
        return;
    ReadLevels();
    if (!traceRequested_ && newLevels_ == loggerLevels_) {
        EndDialog(kIdOk);
        return;
    }
    const auto block = LevelBlock();
    if (CxQuvDbFCtl(Handle(), block, kDiagnosticOpStart, traceRequested_ ? 1 : 0) != 0) {
        Box("Problem starting diagnostic log", "Communication Error", true);
        pending_ = Pending::None;
        return;
    }
    pending_ = Pending::Start;
}

void CDiagnosticLogSettingsDlgQuv::OnTraceMessages()
{
    traceRequested_ = true;
    OnOK();
}

void CDiagnosticLogSettingsDlgQuv::OnClearLog()
{
    const auto block = LevelBlock();
    if (CxQuvDbFCtl(Handle(), block, kDiagnosticOpClear, 0) != 0)
        Box("Problem querying Logger", "Communication Problem");
}

void CDiagnosticLogSettingsDlgQuv::OnDiagnosticFiles()
{
    CDiagnosticFilesDialog files(Connection(), services_, this);
    files.DoModal();
}

void CDiagnosticLogSettingsDlgQuv::OnCommReply(std::unique_ptr<CReplyMessage> reply)
{
    if (reply->RequestType() != kRequestQuvDbFCtl)
        return;
    if (reply->ErrorFlag()) {
        ShowLoggerError(*reply);
        EndDialog(kIdCancel);
        return;
    }
    const std::span<const std::uint8_t> data = reply->Data();
    if (data.size() < kDiagnosticControlReplyMinSize)
        return;
    if (pending_ == Pending::Query) {
        const auto levels = data.subspan(kDiagnosticReplyLevelsOffset, DiagnosticLevels::kCategoryCount);
        std::copy(levels.begin(), levels.end(), newLevels_.begin());
        std::copy(levels.begin(), levels.end(), loggerLevels_.begin());
        status_ = data[kDiagnosticReplyOperationOffset];
        ShowLevels();
        EnableLevelCombos(true);
        pending_ = Pending::None;
        return;
    }
    if (pending_ == Pending::Start) {
        pending_ = Pending::None;
        EndDialog(kIdOk);
        return;
    }
    if (data[kDiagnosticReplyOperationOffset] == kDiagnosticOpClear)
        Box("Diagnostic log file is cleared.", {});
}

void CDiagnosticLogSettingsDlgQuv::OnCommTimeout(std::uint16_t /*requestType*/)
{
    // The request is over: OK works again (a start may be tried once more).
    pending_ = Pending::None;
    ShowTimeoutBox();
}

}  // namespace corvane
