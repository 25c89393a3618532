#include "icons/function/CCountDialog.h"

#include "base/BitHelpers.h"
#include "icons/function/CCountIcon.h"
#include "icons/function/TriggerSource.h"
#include "platform/DataExchange.h"
#include "platform/EditControl.h"
#include "res/CountDialog.h"
#include "res/ResourceIds.h"
#include "shell/RangeChecks.h"

namespace corvane {
namespace {

constexpr std::size_t kSampleCountDigits = 4;
constexpr std::uint32_t kMinSampleCount = 1;
constexpr std::uint32_t kMaxSampleCount = 9999;

// The texts that differ between the two variants.
struct VariantTexts {
    std::string_view caption;
    std::string_view when;
    std::string_view output;
    std::string_view clearOnOutput;
    std::string_view clearOnEnable;
    std::string_view outputOnDisable;
};

constexpr VariantTexts kTimedCounterTexts{"Timed Counter", "When:", "Trigger Pulse is received, output the",
    "Clear Count Total on OUTPUT", "Clear Count Total upon Enable", "Output Count Total on DISABLE"};
constexpr VariantTexts kAccumulatorTexts{"Count Accumulator", "Every:",
    "input transitions, output the Accumulated Count.", "Clear Accumulated Count on OUTPUT",
    "Clear Accumulated Count and the Input Transition Count upon ENABLE", "OUTPUT Accumulated Count upon DISABLE"};

int Bit(std::uint16_t word, std::uint16_t mask)
{
    return TestFlags(word, mask) ? 1 : 0;
}

}  // namespace

CCountDialog::CCountDialog(CCountIcon& icon, Window* parent)
    : CIconDialog(res::kCountDialog, icon, icon.HelpContext(), parent),
      count_(icon),
      accumulator_(icon.IsAccumulator()),
      sampleCount_(icon.IsAccumulator() ? icon.SampleCount() : 0),
      clearOnOutput_(Bit(icon.OptionWord(), CCountIcon::kClearOnOutput)),
      clearOnEnable_(Bit(icon.OptionWord(), CCountIcon::kClearOnEnable)),
      outputOnDisable_(Bit(icon.OptionWord(), CCountIcon::kOutputOnDisable)),
      edge_((icon.OptionWord() & CCountIcon::kRisingEdges) != 0 ? 0 : 1)
{
    SetSections(true, true, false);
}

std::string_view CCountDialog::VariantCaption(bool accumulator)
{
    return accumulator ? kAccumulatorTexts.caption : kTimedCounterTexts.caption;
}

bool CCountDialog::OnInitDialog()
{
    auto* samples = GetControlAs<EditControl>(res::kIdcCountSampleCount);
    samples->SetLimitText(kSampleCountDigits);
    const bool result = CIconDialog::OnInitDialog();
    const VariantTexts& texts = accumulator_ ? kAccumulatorTexts : kTimedCounterTexts;
    SetCaption(texts.caption);
    GetControl(res::kIdcCountWhen)->SetText(texts.when);
    GetControl(res::kIdcCountOutputText)->SetText(texts.output);
    GetControl(res::kIdcCountInputText)
        ->SetText(accumulator_ ? "When Count Buffer fills, Output the Buffer Count."
                               : "[" + InputSourceText(1) + "] current Count Total.");
    GetControl(res::kIdcCountClearOnOutput)->SetText(texts.clearOnOutput);
    GetControl(res::kIdcCountClearOnEnable)->SetText(texts.clearOnEnable);
    GetControl(res::kIdcCountOutputOnDisable)->SetText(texts.outputOnDisable);
    // The base keeps the second source row hidden: it shows the trigger's
    // source here, for the timed counter only.
    auto* trigger = GetControlAs<EditControl>(kIdcInput2);
    trigger->SetReadOnly(true);
    trigger->SetText(TriggerSourceName(count_));
    trigger->Show(!accumulator_);
    samples->Show(accumulator_);
    return result;
}

void CCountDialog::DoDataExchange(DataExchange& exchange)
{
    if (accumulator_)
        DdxUnsigned(exchange, res::kIdcCountSampleCount, sampleCount_);
    DdxCheck(exchange, res::kIdcCountClearOnOutput, clearOnOutput_);
    DdxCheck(exchange, res::kIdcCountClearOnEnable, clearOnEnable_);
    DdxCheck(exchange, res::kIdcCountOutputOnDisable, outputOnDisable_);
    DdxRadio(exchange, res::kIdcCountRising, edge_);
    CIconDialog::DoDataExchange(exchange);
}

bool CCountDialog::ValidateFields()
{
    return !accumulator_ || CheckRangeUnsigned(Handle(), sampleCount_, kMinSampleCount, kMaxSampleCount, "Sample Count");
}

void CCountDialog::ApplyToIcon()
{
    std::uint16_t options = count_.OptionWord();
    SetFlagBits16(options, CCountIcon::kClearOnOutput, clearOnOutput_ != 0);
    SetFlagBits16(options, CCountIcon::kClearOnEnable, clearOnEnable_ != 0);
    SetFlagBits16(options, CCountIcon::kOutputOnDisable, outputOnDisable_ != 0);
    SetFlagBits16(options, CCountIcon::kRisingEdges, edge_ == 0);
    count_.SetOptions(options);
    count_.SetSampleCount(accumulator_ ? sampleCount_ : 0);
}

}  // namespace corvane
