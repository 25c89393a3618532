#include "icons/function/CWarningDialog.h"

#include "icons/function/CWarningIcon.h"
#include "platform/Application.h"
#include "platform/ButtonControl.h"
#include "platform/DataExchange.h"
#include "platform/EditControl.h"
#include "platform/PromptSink.h"
#include "res/ResourceIds.h"
#include "res/WarningDialog.h"
#include "shell/RangeChecks.h"

#include <algorithm>

namespace corvane {
namespace {

constexpr std::size_t kPercentageDigits = 3;
constexpr std::string_view kPercentageName = "Memory Percentage";
constexpr std::string_view kRefusalCaption = "Warning Icon";

}  // namespace

const std::array<CWarningDialog::Condition, 15> CWarningDialog::kConditions{{
    {0x0001, res::kIdcWarningOverloadShutdown},
    {0x0002, res::kIdcWarningDischargeShutdown},
    {0x0004, res::kIdcWarningBatteryCritical},
    {0x0008, res::kIdcWarningBatteryLow},
    {0x0010, res::kIdcWarningFatalError},
    {0x0020, res::kIdcWarningWatchdog},
    {0x0040, res::kIdcWarningSystemReset},
    {0x0080, res::kIdcWarningPowerFailure},
    {0x0100, res::kIdcWarningLithiumCritical},
    {0x0200, res::kIdcWarningLithiumLow},
    {0x0400, res::kIdcWarningBusError},
    {0x0800, res::kIdcWarningRuntimeError},
    {0x1000, res::kIdcWarningFallingBehind},
    {CWarningIcon::kMemoryFull, res::kIdcWarningMemory},
    {0x4000, res::kIdcWarningOvercurrent},
}};

CWarningDialog::CWarningDialog(CWarningIcon& icon, Window* parent)
    : CIconDialog(res::kWarningDialog, icon, 0, parent), warning_(icon), percentage_(icon.MemoryPercentage())
{
    SetSections(false, false, false);
    for (std::size_t i = 0; i < kConditions.size(); ++i)
        checked_[i] = (icon.Conditions() & kConditions[i].bit) != 0 ? 1 : 0;
    On(Notification::Clicked, res::kIdcWarningMemory, [this](NotifyEvent&) { EnablePercentage(); });
}

CWarningDialog::~CWarningDialog() = default;

bool CWarningDialog::OnInitDialog()
{
    if (auto* edit = GetControlAs<EditControl>(res::kIdcWarningPercentage))
        edit->SetLimitText(kPercentageDigits);
    const bool result = CIconDialog::OnInitDialog();
    // The percentage edit shares its id with the base's third source row,
    // which the base hides: it is this dialog's own edit here.
    if (auto* edit = GetControlAs<EditControl>(res::kIdcWarningPercentage)) {
        edit->SetReadOnly(false);
        edit->Show(true);
        edit->SetText(std::to_string(percentage_));
    }
    EnablePercentage();
    return result;
}

void CWarningDialog::EnablePercentage()
{
    const auto* memory = GetControlAs<ButtonControl>(res::kIdcWarningMemory);
    if (Control* edit = GetControl(res::kIdcWarningPercentage))
        edit->Enable(memory != nullptr && memory->GetCheck() == 1);
}

std::size_t CWarningDialog::MemoryIndex()
{
    return static_cast<std::size_t>(std::find_if(kConditions.begin(), kConditions.end(),
                                        [](const Condition& c) { return c.bit == CWarningIcon::kMemoryFull; })
        - kConditions.begin());
}

void CWarningDialog::DoDataExchange(DataExchange& exchange)
{
    for (std::size_t i = 0; i < kConditions.size(); ++i)
        DdxCheck(exchange, kConditions[i].controlId, checked_[i]);
    // Without the memory condition the percentage is not used: a text that
    // is no number keeps the stored percentage instead of being refused.
    const Control* edit = GetControl(res::kIdcWarningPercentage);
    std::uint64_t typed = 0;
    if (exchange.Saving() && checked_[MemoryIndex()] == 0) {
        if (edit != nullptr && ParseUnsigned(edit->GetText(), typed))
            percentage_ = static_cast<std::uint32_t>(std::min<std::uint64_t>(typed, CWarningIcon::kMaxPercentage));
    } else {
        DdxUnsigned(exchange, res::kIdcWarningPercentage, percentage_);
    }
    CIconDialog::DoDataExchange(exchange);
}

void CWarningDialog::ShowRefusal(std::string_view text)
{
    MessageBoxRequest request;
    request.owner = Handle();
    request.text = text;
    request.caption = kRefusalCaption;
    request.buttons = MessageBoxButtons::Ok;
    request.icon = MessageBoxIcon::Warning;
    Application::Instance().Prompts().ShowMessageBox(request);
}

bool CWarningDialog::ValidateFields()
{
    if (checked_[MemoryIndex()] == 1
        && !CheckRangeUnsigned(Handle(), percentage_, 1, CWarningIcon::kMaxPercentage, kPercentageName)) {
        ShowRefusal("Memory Percentage not valid");
        return false;
    }
    if (std::none_of(checked_.begin(), checked_.end(), [](int on) { return on == 1; })) {
        ShowRefusal("No warning selected");
        return false;
    }
    return true;
}

void CWarningDialog::ApplyToIcon()
{
    std::uint16_t conditions = 0;
    for (std::size_t i = 0; i < kConditions.size(); ++i)
        if (checked_[i] == 1)
            conditions = static_cast<std::uint16_t>(conditions | kConditions[i].bit);
    warning_.SetConditions(conditions);
    warning_.SetMemoryPercentage(
        static_cast<std::uint8_t>(std::min<std::uint32_t>(percentage_, CWarningIcon::kMaxPercentage)));
}

}  // namespace corvane
