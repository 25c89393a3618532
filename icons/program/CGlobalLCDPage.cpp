#include "icons/program/CGlobalLCDPage.h"

#include "base/Cp1252.h"
#include "netdoc/CGlobalIcon.h"
#include "platform/ButtonControl.h"
#include "platform/ComboBoxControl.h"
#include "platform/Control.h"
#include "platform/DataExchange.h"
#include "res/GlobalDialog.h"
#include "res/ResourceIds.h"
#include "shell/RangeChecks.h"


namespace corvane {
namespace {

// The option-flag bits of the page's checks.
constexpr std::uint16_t kAllowOverride = 0x0400;
constexpr std::uint16_t kAllowErasure = 0x0800;
constexpr std::uint16_t kSdFormatting = 0x0080;
constexpr std::uint16_t kProbePoints = 0x0200;
constexpr std::uint16_t kActiveMessages = 0x0100;
constexpr std::uint16_t kSystemMessages = 0x0020;
constexpr std::uint16_t kLcdMarkersPresent = CGlobalIcon::kLcdMarkersPresent;
// A marker slot nobody filled, as the list shows it.
constexpr std::string_view kBlankMarker = "                   ";
static_assert(kBlankMarker.size() == CGlobalIcon::kMarkerMaxBytes);

}  // namespace

CGlobalLCDPage::CGlobalLCDPage() : PropertyPage(res::kGlobalLcdPage)
{
    On(Notification::Clicked, res::kIdcGlobalActiveMessages, [this](NotifyEvent&) { UpdateSystemMessagesCheck(); });
}

void CGlobalLCDPage::BindRecord(CGlobalIcon& icon)
{
    icon_ = &icon;
    left_ = false;
    bound_ = true;
}

bool CGlobalLCDPage::OnSetActive()
{
    if (!PropertyPage::OnSetActive())
        return false;
    if (left_ || icon_ == nullptr)
        return true;
    const std::uint16_t flags = icon_->GetOptionFlags();
    const auto bit = [&](std::uint16_t mask) { return (flags & mask) != 0 ? 1 : 0; };
    updateRate_ = icon_->GetUpdateRate();
    allowOverride_ = bit(kAllowOverride);
    allowErasure_ = bit(kAllowErasure);
    sdFormatting_ = bit(kSdFormatting);
    probePoints_ = bit(kProbePoints);
    activeMessages_ = bit(kActiveMessages);
    systemMessages_ = bit(kSystemMessages);
    lockout_ = bit(CGlobalIcon::kFrontPanelLockout);
    if (Control* lockout = GetControl(res::kIdcGlobalLockout))
        lockout->Show(true);
    if (auto* list = GetControlAs<ComboBoxControl>(res::kIdcGlobalMarkerList)) {
        list->ResetContent();
        int added = 0;
        for (int slot = 0; slot < CGlobalIcon::kMarkerCount; ++slot) {
            const std::string text = Cp1252ToUtf8(icon_->GetLcdMarker(slot));
            if (!text.empty() && text != kBlankMarker) {
                list->AddString(text);
                ++added;
            }
        }
        if (added < CGlobalIcon::kMarkerCount)
            list->AddString(kBlankMarker);
    }
    UpdateData(false);
    UpdateSystemMessagesCheck();
    return true;
}

bool CGlobalLCDPage::OnKillActive()
{
    if (!UpdateData(true))
        return false;
    if (updateRate_ == 0) {
        updateRate_ = kMinimumRate;
        if (Control* rate = GetControl(res::kIdcGlobalUpdateRate))
            rate->SetText(std::to_string(updateRate_));
    }
    if (!CheckRangeUnsigned(Handle(), updateRate_, kMinimumRate, kMaximumRate, kLeaveRateName))
        return false;
    left_ = true;
    return true;
}

void CGlobalLCDPage::DoDataExchange(DataExchange& exchange)
{
    DdxUnsigned(exchange, res::kIdcGlobalUpdateRate, updateRate_);
    DdxCheck(exchange, res::kIdcGlobalAllowOverride, allowOverride_);
    DdxCheck(exchange, res::kIdcGlobalAllowErasure, allowErasure_);
    DdxCheck(exchange, res::kIdcGlobalSdFormatting, sdFormatting_);
    DdxCheck(exchange, res::kIdcGlobalProbePoints, probePoints_);
    DdxCheck(exchange, res::kIdcGlobalActiveMessages, activeMessages_);
    DdxCheck(exchange, res::kIdcGlobalSystemMessages, systemMessages_);
    DdxCheck(exchange, res::kIdcGlobalLockout, lockout_);
}

void CGlobalLCDPage::UpdateSystemMessagesCheck()
{
    auto* active = GetControlAs<ButtonControl>(res::kIdcGlobalActiveMessages);
    auto* system = GetControlAs<ButtonControl>(res::kIdcGlobalSystemMessages);
    if (active == nullptr || system == nullptr)
        return;
    const bool on = active->GetCheck() != 0;
    system->Enable(on);
    if (!on)
        system->SetCheck(0);
}

bool CGlobalLCDPage::Validate()
{
    if (!bound_ || !WasActivated())
        return true;
    return UpdateData(true) && CheckRangeUnsigned(Handle(), updateRate_, kMinimumRate, kMaximumRate, kOkRateName);
}

void CGlobalLCDPage::WriteRecord()
{
    if (!bound_ || !WasActivated() || icon_ == nullptr)
        return;
    left_ = false;
    icon_->SetUpdateRate(static_cast<std::uint8_t>(updateRate_ & 0xFFu));
    std::uint16_t flags = icon_->GetOptionFlags();
    const auto set = [&](std::uint16_t mask, int on) {
        flags = on != 0 ? static_cast<std::uint16_t>(flags | mask) : static_cast<std::uint16_t>(flags & ~mask);
    };
    set(kAllowOverride, allowOverride_);
    set(kAllowErasure, allowErasure_);
    set(kSdFormatting, sdFormatting_);
    set(kProbePoints, probePoints_);
    set(kActiveMessages, activeMessages_);
    set(kSystemMessages, systemMessages_);
    set(CGlobalIcon::kFrontPanelLockout, lockout_);
    set(kLcdMarkersPresent, 0);
    int slot = 0;
    if (auto* list = GetControlAs<ComboBoxControl>(res::kIdcGlobalMarkerList)) {
        for (int i = 0; i < list->GetCount() && slot < CGlobalIcon::kMarkerCount; ++i) {
            const std::string text = list->GetLBText(i);
            if (text.empty() || text == kBlankMarker)
                continue;
            icon_->SetLcdMarker(slot++, Utf8ToCp1252(text, CGlobalIcon::kMarkerMaxBytes));
            set(kLcdMarkersPresent, 1);
        }
    }
    for (; slot < CGlobalIcon::kMarkerCount; ++slot)
        icon_->SetLcdMarker(slot, "");
    icon_->SetOptionFlags(flags);
}

}  // namespace corvane
