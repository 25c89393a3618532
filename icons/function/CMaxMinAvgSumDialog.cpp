#include "icons/function/CMaxMinAvgSumDialog.h"

#include "base/Cp1252.h"
#include "icons/function/CMaxMinAvgSumIcon.h"
#include "platform/ButtonControl.h"
#include "platform/Control.h"
#include "platform/DataExchange.h"
#include "platform/EditControl.h"
#include "res/MaxMinAvgSumDialog.h"
#include "res/ResourceIds.h"
#include "shell/RangeChecks.h"

#include <array>

namespace corvane {
namespace {

constexpr std::string_view kCountName = "Number of Samples";
constexpr std::string_view kUnconnected = "Unconnected";

// The dialog's texts for one kind: title, the two radios, then the check
// boxes 21 to 24.
struct KindTexts {
    std::string_view title;
    std::string_view afterCount;
    std::string_view uponTrigger;
    std::array<std::string_view, 4> checks;
};

KindTexts TextsOf(CMaxMinAvgSumIcon::Kind kind)
{
    switch (kind) {
    case CMaxMinAvgSumIcon::Kind::Sum:
        return {"Summation", "Output Sum after:", "Output accumulated Sum upon:",
            {"Output Current Sum upon DISABLE", "Clear Sample Count and Sum upon ENABLE", "Clear Sum after Output",
                "Clear Sum after Logger Reset"}};
    case CMaxMinAvgSumIcon::Kind::Average:
        return {"Statistical Average", "Output Average after:", "Output accumulated Average upon:",
            {"Output Current Average upon DISABLE", "Clear Sample Count and  Average upon ENABLE",
                "Clear Average after Output", "Clear Sample Count and  Average upon Logger Reset"}};
    case CMaxMinAvgSumIcon::Kind::MinMax: break;
    }
    return {"Minimum and Maximum", "Output Min and Max after:", "Output accumulated Min and Max upon:",
        {"Output Current Min and Max upon DISABLE", "Clear Sample Count and  Min and Max upon ENABLE",
            "Clear Min and Max after Output", "Clear Min and Max after Logger Reset"}};
}

constexpr std::array<int, 4> kCheckIds{res::kIdcStatsOutputOnDisable, res::kIdcStatsClearOnEnable,
    res::kIdcStatsClearAfterOutput, res::kIdcStatsClearAfterReset};

int Bit(std::uint16_t word, std::uint16_t bit) { return (word & bit) != 0 ? 1 : 0; }

}  // namespace

CMaxMinAvgSumDialog::CMaxMinAvgSumDialog(CMaxMinAvgSumIcon& icon, Window* parent)
    : CIconDialog(res::kMaxMinAvgSumDialog, icon, icon.HelpContext(), parent), stats_(icon),
      mode_(icon.SampleCount() == 0 ? 1 : 0), count_(icon.SampleCount()),
      outputOnDisable_(Bit(icon.OptionWord(), CMaxMinAvgSumIcon::kOutputOnDisable)),
      clearOnEnable_(Bit(icon.OptionWord(), CMaxMinAvgSumIcon::kClearOnEnable)),
      clearAfterOutput_(Bit(icon.OptionWord(), CMaxMinAvgSumIcon::kClearAfterOutput)),
      clearAfterReset_(Bit(icon.OptionWord(), CMaxMinAvgSumIcon::kClearAfterReset))
{
    SetSections(true, false, false);
    const InputLink& trigger = icon.Header().trigger;
    const CCorvaneIcon* source = trigger.IsConnected() ? icon.FindIconById(trigger.sourceId) : nullptr;
    triggerSource_
        = source != nullptr ? Cp1252ToUtf8(source->Header().name.substr(0, kNameLimit)) : std::string(kUnconnected);
    for (const int id : {res::kIdcStatsCountRadio, res::kIdcStatsTriggerRadio})
        On(Notification::Clicked, id, [this](NotifyEvent&) { EnableForMode(); });
}

std::string_view CMaxMinAvgSumDialog::KindTitle(CMaxMinAvgSumIcon::Kind kind) { return TextsOf(kind).title; }

bool CMaxMinAvgSumDialog::OnInitDialog()
{
    SetKindTexts();
    if (Control* date = GetControl(res::kIdcStatsIncludeDate))
        date->Show(false);
    const bool result = CIconDialog::OnInitDialog();
    // The trigger source has the id of the base's third source row, which
    // the base hides: here it names the trigger input's source.
    if (auto* source = GetControlAs<EditControl>(res::kIdcStatsTriggerSource)) {
        source->SetReadOnly(true);
        source->Show(true);
        source->SetText(triggerSource_);
    }
    EnableForMode();
    return result;
}

void CMaxMinAvgSumDialog::SetKindTexts()
{
    const KindTexts texts = TextsOf(stats_.GetKind());
    SetCaption(texts.title);
    if (Control* radio = GetControl(res::kIdcStatsCountRadio))
        radio->SetText(texts.afterCount);
    if (Control* radio = GetControl(res::kIdcStatsTriggerRadio))
        radio->SetText(texts.uponTrigger);
    for (std::size_t i = 0; i < kCheckIds.size(); ++i)
        if (Control* check = GetControl(kCheckIds[i]))
            check->SetText(texts.checks[i]);
}

bool CMaxMinAvgSumDialog::TriggerModeChecked() const
{
    const auto* radio = GetControlAs<ButtonControl>(res::kIdcStatsTriggerRadio);
    return radio != nullptr ? radio->GetCheck() == 1 : mode_ == 1;
}

void CMaxMinAvgSumDialog::EnableForMode()
{
    const bool trigger = TriggerModeChecked();
    if (Control* count = GetControl(res::kIdcStatsCount))
        count->Enable(!trigger);
    if (Control* source = GetControl(res::kIdcStatsTriggerSource))
        source->Enable(trigger);
}

void CMaxMinAvgSumDialog::DoDataExchange(DataExchange& exchange)
{
    DdxRadio(exchange, res::kIdcStatsCountRadio, mode_);
    // The count is read only in count mode; in trigger mode it is not used.
    if (!exchange.Saving() || mode_ == 0)
        DdxUnsigned(exchange, res::kIdcStatsCount, count_);
    DdxCheck(exchange, res::kIdcStatsOutputOnDisable, outputOnDisable_);
    DdxCheck(exchange, res::kIdcStatsClearOnEnable, clearOnEnable_);
    DdxCheck(exchange, res::kIdcStatsClearAfterOutput, clearAfterOutput_);
    DdxCheck(exchange, res::kIdcStatsClearAfterReset, clearAfterReset_);
    CIconDialog::DoDataExchange(exchange);
}

bool CMaxMinAvgSumDialog::ValidateFields()
{
    return mode_ != 0 || CheckRangeUnsigned(Handle(), count_, 1, kMaximumCount, kCountName);
}

void CMaxMinAvgSumDialog::ApplyToIcon()
{
    std::uint16_t options = stats_.OptionWord();
    const auto set = [&options](std::uint16_t bit, int on) {
        options = static_cast<std::uint16_t>(on != 0 ? (options | bit) : (options & ~bit));
    };
    set(CMaxMinAvgSumIcon::kOutputOnDisable, outputOnDisable_);
    set(CMaxMinAvgSumIcon::kClearOnEnable, clearOnEnable_);
    set(CMaxMinAvgSumIcon::kClearAfterOutput, clearAfterOutput_);
    set(CMaxMinAvgSumIcon::kClearAfterReset, clearAfterReset_);
    stats_.SetOptionWord(options);
    stats_.SetSampleCount(mode_ == 1 ? 0 : static_cast<std::uint16_t>(count_));
}

}  // namespace corvane
