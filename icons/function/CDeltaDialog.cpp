#include "icons/function/CDeltaDialog.h"

#include "controls/PosFloatEdit.h"
#include "icons/function/CDeltaIcon.h"
#include "icons/function/TriggerSource.h"
#include "platform/Application.h"
#include "platform/ButtonControl.h"
#include "platform/DataExchange.h"
#include "platform/EditControl.h"
#include "platform/PromptSink.h"
#include "res/DeltaDialog.h"
#include "res/ResourceIds.h"
#include "shell/RangeChecks.h"

namespace corvane {
namespace {

constexpr std::uint32_t kMaxSamples = 65535;
constexpr std::string_view kSamplesLabel = "Number of Samples";
constexpr std::string_view kZeroSamplesText = "Number of Samples Must be Between 1 and 65535";
constexpr std::string_view kErrorCaption = "Error";

}  // namespace

CDeltaDialog::CDeltaDialog(CDeltaIcon& icon, Window* parent)
    : CIconDialog(res::kDeltaDialog, icon, 0, parent),
      delta_(icon),
      change_(icon.Change()),
      every_(icon.Samples() != 0 ? 1 : 0),
      samples_(icon.Samples()),
      whenDisabled_(icon.PassesWhenDisabled() ? 1 : 0)
{
    SetSections(true, true, false);
    On(Notification::Clicked, res::kIdcDeltaEvery, [this](NotifyEvent&) { OnEveryClicked(); });
}

bool CDeltaDialog::OnInitDialog()
{
    const bool result = CIconDialog::OnInitDialog();
    PosFloatEdit(*GetControlAs<EditControl>(res::kIdcDeltaChange));
    // The base keeps the third source row hidden: here it shows the trigger's source.
    auto* trigger = GetControlAs<EditControl>(res::kIdcDeltaTrigger);
    trigger->SetReadOnly(true);
    trigger->SetText(TriggerSourceName(delta_));
    trigger->Show(true);
    GetControl(res::kIdcDeltaSamples)->Enable(every_ != 0);
    return result;
}

bool CDeltaDialog::EveryChecked() const
{
    return GetControlAs<ButtonControl>(res::kIdcDeltaEvery)->GetCheck() != 0;
}

void CDeltaDialog::OnEveryClicked()
{
    Control* samples = GetControl(res::kIdcDeltaSamples);
    const bool on = EveryChecked();
    samples->Enable(on);
    std::uint64_t count = 0;
    if (on && (!ParseUnsigned(samples->GetText(), count) || count == 0))
        samples->SetText("1");
}

void CDeltaDialog::DoDataExchange(DataExchange& exchange)
{
    DdxFloat(exchange, res::kIdcDeltaChange, change_);
    DdxCheck(exchange, res::kIdcDeltaEvery, every_);
    // A disabled sample count is not read: unchecked stores 0 whatever it holds.
    if (!exchange.Saving() || every_ != 0)
        DdxUnsigned(exchange, res::kIdcDeltaSamples, samples_);
    DdxRadio(exchange, res::kIdcDeltaQuietWhenDisabled, whenDisabled_);
    CIconDialog::DoDataExchange(exchange);
}

bool CDeltaDialog::ValidateFields()
{
    if (every_ == 0)
        return true;
    if (!CheckRangeUnsigned(Handle(), samples_, 0, kMaxSamples, kSamplesLabel))
        return false;
    if (samples_ == 0) {
        MessageBoxRequest request{
            Handle(), std::string(kZeroSamplesText), std::string(kErrorCaption), MessageBoxButtons::Ok,
            MessageBoxIcon::Warning};
        Application::Instance().Prompts().ShowMessageBox(request);
        return false;
    }
    return true;
}

void CDeltaDialog::ApplyToIcon()
{
    delta_.SetSamples(every_ != 0 ? static_cast<std::uint16_t>(samples_) : std::uint16_t{0});
    delta_.SetPassWhenDisabled(whenDisabled_ == 1);
    delta_.SetChange(change_);
}

}  // namespace corvane
