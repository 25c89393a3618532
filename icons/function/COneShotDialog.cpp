#include "icons/function/COneShotDialog.h"
#include "netmodel/IconWarnings.h"

#include "base/TickTime.h"
#include "icons/function/COneShotIcon.h"
#include "icons/function/TickLimits.h"
#include "netdoc/CNetDoc.h"
#include "platform/Application.h"
#include "platform/ComboBoxControl.h"
#include "platform/DataExchange.h"
#include "platform/EditControl.h"
#include "platform/PromptSink.h"
#include "res/OneShotDialog.h"
#include "res/ResourceIds.h"
#include "shell/CAdvisoryDlg.h"
#include "shell/ComboFill.h"

#include <array>

namespace corvane {
namespace {

constexpr std::size_t kValueDigits = 4;

constexpr std::string_view kBothRetriggers = "Both retrigger check boxes cannot be checked at the same time.";
constexpr std::string_view kMillisecondNotice = icon_warning::kMillisecondDelayOrDuration;

}  // namespace

COneShotDialog::COneShotDialog(COneShotIcon& icon, Window* parent)
    : CIconDialog(res::kOneShotDialog, icon, kHelpContext, parent),
      oneShot_(icon),
      edge_((icon.OptionWord() & COneShotIcon::kRisingEdge) != 0 ? 0 : 1),
      delayUnit_(GetBestTimeUnit(icon.DelayTicks(), 0)),
      durationUnit_(GetBestTimeUnit(icon.DurationTicks(), 0)),
      retriggerDelay_((icon.OptionWord() & COneShotIcon::kRetriggerRestartsDelay) != 0 ? 1 : 0),
      retriggerExtension_((icon.OptionWord() & COneShotIcon::kRetriggerRestartsExtension) != 0 ? 1 : 0)
{
    delayValue_ = TicksInUnit(icon.DelayTicks(), delayUnit_);
    durationValue_ = TicksInUnit(icon.DurationTicks(), durationUnit_);
    SetSections(true, true, false);
}

bool COneShotDialog::OnInitDialog()
{
    for (const int id : {res::kIdcOneShotDelay, res::kIdcOneShotDuration})
        if (auto* edit = GetControlAs<EditControl>(id))
            edit->SetLimitText(kValueDigits);
    for (const int id : {res::kIdcOneShotDelayUnit, res::kIdcOneShotDurationUnit})
        if (auto* combo = GetControlAs<ComboBoxControl>(id))
            FillComboBox(*combo, kIntervalUnitTexts, 0, static_cast<int>(kIntervalUnitTexts.size()) - 1);
    return CIconDialog::OnInitDialog();
}

void COneShotDialog::DoDataExchange(DataExchange& exchange)
{
    DdxRadio(exchange, res::kIdcOneShotRising, edge_);
    DdxUnsigned(exchange, res::kIdcOneShotDelay, delayValue_);
    DdxComboIndex(exchange, res::kIdcOneShotDelayUnit, delayUnit_);
    DdxCheck(exchange, res::kIdcOneShotRetriggerDelay, retriggerDelay_);
    DdxUnsigned(exchange, res::kIdcOneShotDuration, durationValue_);
    DdxComboIndex(exchange, res::kIdcOneShotDurationUnit, durationUnit_);
    DdxCheck(exchange, res::kIdcOneShotRetriggerExtension, retriggerExtension_);
    CIconDialog::DoDataExchange(exchange);
}

bool COneShotDialog::Refuse(const std::string& text) const
{
    MessageBoxRequest request{Handle(), text, std::string(kErrorCaption), MessageBoxButtons::Ok,
        MessageBoxIcon::Warning};
    Application::Instance().Prompts().ShowMessageBox(request);
    return false;
}

bool COneShotDialog::ValidateFields()
{
    if (!IsIntervalUnit(delayUnit_) || !IsIntervalUnit(durationUnit_) || (edge_ != 0 && edge_ != 1))
        return false;
    if (auto refusal = TickLimitRefusal("Trigger Delay", delayValue_, delayUnit_))
        return Refuse(*refusal);
    if (auto refusal = TickLimitRefusal("Output Duration", durationValue_, durationUnit_))
        return Refuse(*refusal);
    if (!ConvertIntervalTicks(delayTicks_, true, delayValue_, delayUnit_, 0)
        || !ConvertIntervalTicks(durationTicks_, true, durationValue_, durationUnit_, 0))
        return false;
    if (retriggerDelay_ != 0 && retriggerExtension_ != 0) {
        MessageBoxRequest request{Handle(), std::string(kBothRetriggers), {}, MessageBoxButtons::Ok,
            MessageBoxIcon::None};
        Application::Instance().Prompts().ShowMessageBox(request);
        return false;
    }

    noticeAccepted_ = false;
    const bool milliseconds = delayUnit_ == kUnitMilliseconds || durationUnit_ == kUnitMilliseconds;
    CNetDoc* net = oneShot_.NetDocument();
    if (milliseconds && net != nullptr && oneShot_.IsBatteryPoweredNet()
        && (oneShot_.Header().warningFlags & COneShotIcon::kMillisecondNoticePending) != 0) {
        if (net->ShowAdvisory(CAdvisoryDlg::kOkCancel, kMillisecondNotice) == kIdCancel)
            return false;
        noticeAccepted_ = true;
    }
    return true;
}

void COneShotDialog::ApplyToIcon()
{
    oneShot_.SetDelayTicks(delayTicks_);
    oneShot_.SetDurationTicks(durationTicks_);
    std::uint16_t options = edge_ == 0 ? COneShotIcon::kRisingEdge : 0;
    if (retriggerDelay_ != 0)
        options |= COneShotIcon::kRetriggerRestartsDelay;
    if (retriggerExtension_ != 0)
        options |= COneShotIcon::kRetriggerRestartsExtension;
    oneShot_.SetOptionWord(options);
    if (noticeAccepted_)
        oneShot_.Header().warningFlags =
            static_cast<std::uint16_t>(oneShot_.Header().warningFlags & ~COneShotIcon::kMillisecondNoticePending);
}

}  // namespace corvane
