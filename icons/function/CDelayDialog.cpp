#include "icons/function/CDelayDialog.h"
#include "netmodel/IconWarnings.h"

#include "base/TickTime.h"
#include "icons/function/CDelayIcon.h"
#include "icons/function/TickLimits.h"
#include "netdoc/CNetDoc.h"
#include "platform/Application.h"
#include "platform/ComboBoxControl.h"
#include "platform/DataExchange.h"
#include "platform/EditControl.h"
#include "platform/PromptSink.h"
#include "res/DelayDialog.h"
#include "res/ResourceIds.h"
#include "shell/CAdvisoryDlg.h"
#include "shell/ComboFill.h"

#include <array>

namespace corvane {
namespace {

constexpr std::string_view kMillisecondNotice = icon_warning::kMillisecondDelayOrDuration;

}  // namespace

CDelayDialog::CDelayDialog(CDelayIcon& icon, Window* parent)
    : CIconDialog(res::kDelayDialog, icon, 0, parent),
      delay_(icon),
      onUnit_(GetBestTimeUnit(icon.OnTicks(), 0)),
      offUnit_(GetBestTimeUnit(icon.OffTicks(), 0))
{
    onValue_ = TicksInUnit(icon.OnTicks(), onUnit_);
    offValue_ = TicksInUnit(icon.OffTicks(), offUnit_);
    SetSections(true, false, false);
}

bool CDelayDialog::OnInitDialog()
{
    for (const int id : {res::kIdcDelayOnUnit, res::kIdcDelayOffUnit})
        if (auto* combo = GetControlAs<ComboBoxControl>(id))
            FillComboBox(*combo, kIntervalUnitTexts, 0, static_cast<int>(kIntervalUnitTexts.size()) - 1);
    const bool result = CIconDialog::OnInitDialog();
    // The ON value shares its id with the shared third input row, which the
    // base hides and empties: it is this dialog's edit here.
    if (auto* on = GetControlAs<EditControl>(res::kIdcDelayOnValue)) {
        on->SetReadOnly(false);
        on->Show(true);
        on->SetText(std::to_string(onValue_));
    }
    const std::string& input = InputSourceText(1);
    if (Control* caption = GetControl(res::kIdcDelayOnCaption))
        caption->SetText("after [" + input + "] goes HIGH");
    if (Control* caption = GetControl(res::kIdcDelayOffCaption))
        caption->SetText("after [" + input + "] goes LOW");
    return result;
}

void CDelayDialog::DoDataExchange(DataExchange& exchange)
{
    DdxUnsigned(exchange, res::kIdcDelayOnValue, onValue_);
    DdxComboIndex(exchange, res::kIdcDelayOnUnit, onUnit_);
    DdxUnsigned(exchange, res::kIdcDelayOffValue, offValue_);
    DdxComboIndex(exchange, res::kIdcDelayOffUnit, offUnit_);
    CIconDialog::DoDataExchange(exchange);
}

bool CDelayDialog::Refuse(const std::string& text) const
{
    MessageBoxRequest request{Handle(), text, std::string(kErrorCaption), MessageBoxButtons::Ok,
        MessageBoxIcon::Warning};
    Application::Instance().Prompts().ShowMessageBox(request);
    return false;
}

bool CDelayDialog::ValidateFields()
{
    if (!IsIntervalUnit(onUnit_) || !IsIntervalUnit(offUnit_))
        return false;
    // Every value too large for 32 bits of ticks is refused, ON first.
    if (auto refusal = TickLimitRefusal("On Delay", onValue_, onUnit_))
        return Refuse(*refusal);
    if (auto refusal = TickLimitRefusal("Off Delay", offValue_, offUnit_))
        return Refuse(*refusal);

    noticeAccepted_ = false;
    const bool milliseconds = onUnit_ == kUnitMilliseconds || offUnit_ == kUnitMilliseconds;
    CNetDoc* net = delay_.NetDocument();
    if (milliseconds && net != nullptr && delay_.IsBatteryPoweredNet()
        && (delay_.Header().warningFlags & CDelayIcon::kMillisecondNoticePending) != 0) {
        if (net->ShowAdvisory(CAdvisoryDlg::kOkCancel, kMillisecondNotice) == kIdCancel)
            return false;
        noticeAccepted_ = true;
    }
    return ConvertIntervalTicks(onTicks_, true, onValue_, onUnit_, 0)
        && ConvertIntervalTicks(offTicks_, true, offValue_, offUnit_, 0);
}

void CDelayDialog::ApplyToIcon()
{
    delay_.SetOnTicks(onTicks_);
    delay_.SetOffTicks(offTicks_);
    if (noticeAccepted_)
        delay_.Header().warningFlags =
            static_cast<std::uint16_t>(delay_.Header().warningFlags & ~CDelayIcon::kMillisecondNoticePending);
}

}  // namespace corvane
