#include "icons/function/CSpikeDialog.h"

#include "controls/FloatEdit.h"
#include "icons/function/CSpikeBlockerIcon.h"
#include "platform/Application.h"
#include "platform/DataExchange.h"
#include "platform/EditControl.h"
#include "platform/PromptSink.h"
#include "res/ResourceIds.h"
#include "res/SpikeDialog.h"

#include <string>

namespace corvane {
namespace {

constexpr std::uint32_t kMinimumCount = 2;
constexpr std::string_view kErrorCaption = "Error";
constexpr std::string_view kCountRefusal = "Duration Value Must be greater than 1";
constexpr std::string_view kMagnitudeRefusal = "Transient Magnitude must not be negative";

}  // namespace

CSpikeDialog::CSpikeDialog(CSpikeBlockerIcon& icon, Window* parent)
    : CIconDialog(res::kSpikeDialog, icon, kHelpContext, parent), spike_(icon), count_(icon.StepCount()),
      magnitude_(icon.Magnitude())
{
    SetSections(true, false, false);
}

CSpikeDialog::~CSpikeDialog() = default;

bool CSpikeDialog::OnInitDialog()
{
    if (auto* edit = GetControlAs<EditControl>(res::kIdcSpikeCount))
        edit->SetLimitText(kCountDigits);
    if (auto* edit = GetControlAs<EditControl>(res::kIdcSpikeMagnitude))
        magnitudeEdit_ = std::make_unique<FloatEdit>(*edit);
    const bool result = CIconDialog::OnInitDialog();
    // The count edit has the id of the base's third source row, which the
    // base hides and fills: here it is this dialog's own edit.
    if (auto* edit = GetControlAs<EditControl>(res::kIdcSpikeCount)) {
        edit->SetReadOnly(false);
        edit->Show(true);
        edit->SetText(std::to_string(count_));
    }
    return result;
}

void CSpikeDialog::DoDataExchange(DataExchange& exchange)
{
    DdxFloat(exchange, res::kIdcSpikeMagnitude, magnitude_);
    DdxUnsigned(exchange, res::kIdcSpikeCount, count_);
    CIconDialog::DoDataExchange(exchange);
}

bool CSpikeDialog::Refuse(std::string_view text) const
{
    MessageBoxRequest request{
        Handle(), std::string(text), std::string(kErrorCaption), MessageBoxButtons::Ok, MessageBoxIcon::Warning};
    Application::Instance().Prompts().ShowMessageBox(request);
    return false;
}

bool CSpikeDialog::ValidateFields()
{
    if (count_ < kMinimumCount)
        return Refuse(kCountRefusal);
    // A band of negative width would reject every value.
    if (!(magnitude_ >= 0.0F))
        return Refuse(kMagnitudeRefusal);
    return true;
}

void CSpikeDialog::ApplyToIcon()
{
    spike_.SetStepCount(static_cast<std::uint16_t>(count_));
    spike_.SetMagnitude(magnitude_);
}

}  // namespace corvane
