#include "icons/function/CPeriodicOutputDialog.h"
#include "netmodel/IconWarnings.h"

#include "base/TickTime.h"
#include "icons/function/CPeriodicOutputIcon.h"
#include "netdoc/CNetDoc.h"
#include "platform/Application.h"
#include "platform/Control.h"
#include "platform/DataExchange.h"
#include "platform/PromptSink.h"
#include "res/PeriodicOutputDialog.h"
#include "res/ResourceIds.h"
#include "shell/CAdvisoryDlg.h"
#include "shell/RangeChecks.h"

#include <cctype>
#include <cstdio>
#include <limits>

namespace corvane {
namespace {

constexpr int kDelay = 0;
constexpr int kOn = 1;
constexpr int kOff = 2;
constexpr int kHours = 0;
constexpr int kMinutes = 1;
constexpr int kSeconds = 2;
constexpr int kMilliseconds = 3;

// The edits of each group: hours, minutes, seconds, milliseconds.
constexpr std::array<std::array<int, 4>, 3> kFieldIds{{
    {res::kIdcPeriodicDelayHours, res::kIdcPeriodicDelayMinutes, res::kIdcPeriodicDelaySeconds,
        res::kIdcPeriodicDelayMilliseconds},
    {res::kIdcPeriodicOnHours, res::kIdcPeriodicOnMinutes, res::kIdcPeriodicOnSeconds, res::kIdcPeriodicOnMilliseconds},
    {res::kIdcPeriodicOffHours, res::kIdcPeriodicOffMinutes, res::kIdcPeriodicOffSeconds,
        res::kIdcPeriodicOffMilliseconds},
}};
constexpr std::array<std::int32_t, 4> kFieldMaximum{99, 59, 59, 995};

constexpr std::uint32_t kTicksPerMinute = 60 * kTicksPerSecond;
constexpr std::uint32_t kTicksPerHour = 60 * kTicksPerMinute;
constexpr std::uint32_t kMaxCycles = 0xFFFF;

constexpr std::string_view kMillisecondNotice = icon_warning::kMillisecondDelayOrDuration;

// The leading decimal digits of a text (0 without any), held to 32 bits.
std::int32_t LeadingNumber(std::string_view text)
{
    std::size_t at = 0;
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at])) != 0)
        ++at;
    std::int64_t value = 0;
    for (; at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])) != 0; ++at) {
        value = value * 10 + (text[at] - '0');
        if (value > std::numeric_limits<std::int32_t>::max())
            return std::numeric_limits<std::int32_t>::max();
    }
    return static_cast<std::int32_t>(value);
}

std::string FieldText(int field, std::int32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, field == kMilliseconds ? "%03d" : "%02d", value);
    return text;
}

}  // namespace

CPeriodicOutputDialog::CPeriodicOutputDialog(CPeriodicOutputIcon& icon, NoticeSink* notices, Window* parent)
    : CIconDialog(res::kPeriodicOutputDialog, icon, 0, parent), periodic_(icon), notices_(notices),
      cycles_(icon.Cycles()), suspend_((icon.OptionWord() & CPeriodicOutputIcon::kSuspendWhileDisabled) != 0 ? 1 : 0)
{
    SetSections(false, true, false);
    for (int group = kDelay; group <= kOff; ++group)
        for (int field = kHours; field <= kMilliseconds; ++field)
            On(Notification::KillFocus, kFieldIds[static_cast<std::size_t>(group)][static_cast<std::size_t>(field)],
                [this, group, field](NotifyEvent&) { NormaliseField(group, field); });
}

CPeriodicOutputDialog::Fields CPeriodicOutputDialog::FieldsOfTicks(std::uint32_t ticks)
{
    return {static_cast<std::int32_t>(ticks / kTicksPerHour),
        static_cast<std::int32_t>((ticks % kTicksPerHour) / kTicksPerMinute),
        static_cast<std::int32_t>((ticks % kTicksPerMinute) / kTicksPerSecond),
        static_cast<std::int32_t>((ticks % kTicksPerSecond) * kMillisecondsPerTick)};
}

std::uint32_t CPeriodicOutputDialog::TicksOfFields(const Fields& f)
{
    const auto part = [&f](int field) { return static_cast<std::uint32_t>(f[static_cast<std::size_t>(field)]); };
    return (part(kMilliseconds) + 2) / kMillisecondsPerTick + part(kSeconds) * kTicksPerSecond
        + part(kMinutes) * kTicksPerMinute + part(kHours) * kTicksPerHour;
}

bool CPeriodicOutputDialog::OnInitDialog()
{
    const bool result = CIconDialog::OnInitDialog();
    ShowGroup(kDelay, periodic_.DelayTicks());
    ShowGroup(kOn, periodic_.OnTicks());
    ShowGroup(kOff, periodic_.OffTicks());
    return result;
}

void CPeriodicOutputDialog::ShowGroup(int group, std::uint32_t ticks)
{
    const Fields fields = FieldsOfTicks(ticks);
    for (int field = kHours; field <= kMilliseconds; ++field)
        if (Control* edit = GetControl(kFieldIds[static_cast<std::size_t>(group)][static_cast<std::size_t>(field)]))
            edit->SetText(FieldText(field, fields[static_cast<std::size_t>(field)]));
}

void CPeriodicOutputDialog::DoDataExchange(DataExchange& exchange)
{
    DdxUnsigned(exchange, res::kIdcPeriodicCycles, cycles_);
    DdxRadio(exchange, res::kIdcPeriodicReset, suspend_);
    CIconDialog::DoDataExchange(exchange);
}

std::int32_t CPeriodicOutputDialog::NormaliseField(int group, int field)
{
    Control* edit = GetControl(kFieldIds[static_cast<std::size_t>(group)][static_cast<std::size_t>(field)]);
    if (edit == nullptr)
        return 0;
    std::int32_t value = LeadingNumber(edit->GetText());
    ClampToRange(value, 0, kFieldMaximum[static_cast<std::size_t>(field)], field == kMilliseconds, notices_);
    edit->SetText(FieldText(field, value));
    return value;
}

CPeriodicOutputDialog::Fields CPeriodicOutputDialog::ReadGroup(int group)
{
    Fields fields{};
    for (int field = kHours; field <= kMilliseconds; ++field)
        fields[static_cast<std::size_t>(field)] = NormaliseField(group, field);
    return fields;
}

bool CPeriodicOutputDialog::ValidateFields()
{
    // Fields typed into without leaving them are brought into range too,
    // so that the ticks below always fit.
    const Fields delay = ReadGroup(kDelay);
    const Fields on = ReadGroup(kOn);
    const Fields off = ReadGroup(kOff);
    if (!CheckRangeUnsigned(Handle(), cycles_, 0, kMaxCycles, kCyclesLabel))
        return false;
    const auto zero = [](const Fields& f) { return f == Fields{}; };
    const char* refusal = zero(on) ? "On Time can not be Zero" : zero(off) ? "Off Time can not be Zero" : nullptr;
    if (refusal != nullptr) {
        MessageBoxRequest request{
            Handle(), refusal, std::string(kCaption), MessageBoxButtons::Ok, MessageBoxIcon::Error};
        Application::Instance().Prompts().ShowMessageBox(request);
        return false;
    }

    noticeAccepted_ = false;
    const bool milliseconds = delay[kMilliseconds] != 0 || on[kMilliseconds] != 0 || off[kMilliseconds] != 0;
    CNetDoc* net = periodic_.NetDocument();
    if (milliseconds && net != nullptr && periodic_.IsBatteryPoweredNet()
        && (periodic_.Header().warningFlags & CPeriodicOutputIcon::kMillisecondNoticePending) != 0) {
        if (net->ShowAdvisory(CAdvisoryDlg::kOkCancel, kMillisecondNotice) == kIdCancel)
            return false;
        noticeAccepted_ = true;
    }
    ticks_ = {TicksOfFields(delay), TicksOfFields(on), TicksOfFields(off)};
    return suspend_ == 0 || suspend_ == 1;
}

void CPeriodicOutputDialog::ApplyToIcon()
{
    periodic_.SetDelayTicks(ticks_[kDelay]);
    periodic_.SetOnTicks(ticks_[kOn]);
    periodic_.SetOffTicks(ticks_[kOff]);
    periodic_.SetCycles(static_cast<std::uint16_t>(cycles_));
    periodic_.SetOptionWord(suspend_ == 1 ? CPeriodicOutputIcon::kSuspendWhileDisabled : 0);
    if (noticeAccepted_)
        periodic_.Header().warningFlags = static_cast<std::uint16_t>(
            periodic_.Header().warningFlags & ~CPeriodicOutputIcon::kMillisecondNoticePending);
}

}  // namespace corvane
