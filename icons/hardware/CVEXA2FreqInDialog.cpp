#include "icons/hardware/CVEXA2FreqInDialog.h"

#include "icons/hardware/CVEXA2FreqInIcon.h"
#include "platform/Control.h"
#include "platform/DataExchange.h"
#include "platform/SliderControl.h"
#include "res/ResourceIds.h"
#include "res/VexaFreqInDialog.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace corvane {
namespace {

constexpr std::uint32_t kHelpContext = 12335;
constexpr int kLastLetterChannel = 8;  // 'A' + channel up to here, channel + 57 above
// The trackbar runs logarithmically from about 0.01 Hz to 100 Hz.
constexpr double kPositionPerLn = 1085.7;
constexpr double kPositionOffset = 5000.0;
constexpr double kLnPerPosition = 0.00092103405;
constexpr double kFrequencyScale = 0.01;

}  // namespace

CVEXA2FreqInDialog::CVEXA2FreqInDialog(CVEXA2FreqInIcon& icon, Window* parent)
    : CIconDialog(res::kVexaFreqInDialog, icon, kHelpContext, parent), channel_(icon)
{
    debounce_ = (icon.ChannelWord() & CVEXA_2Icon::kDebounce) != 0 ? 1 : 0;
    SetSections(false, false, true);
    On(Notification::Changed, res::kIdcVexaFrequencySlider, [this](NotifyEvent&) { OnSliderMoved(); });
}

bool CVEXA2FreqInDialog::OnInitDialog()
{
    const bool result = CIconDialog::OnInitDialog();
    const int channel = channel_.Channel();
    std::array<char, 96> title{};
    if (channel > kLastLetterChannel)
        std::snprintf(title.data(), title.size(), "VEXA-2;  Frequency Input  [Address %d]  Chan: DI_%c",
            channel_.Address(), static_cast<char>(channel + 57));
    else
        std::snprintf(title.data(), title.size(), "VEXA-2;  Mode  [Address %d]  Chan: DI_%c", channel_.Address(),
            static_cast<char>('A' + channel));
    title_ = title.data();
    SetCaption(title_);
    if (auto* slider = GetControlAs<SliderControl>(res::kIdcVexaFrequencySlider)) {
        slider->SetRange(kSliderMinimum, kSliderMaximum);
        const double position = std::log(frequency_) * kPositionPerLn + kPositionOffset;
        slider->SetPos(static_cast<int>(
            std::clamp(position, static_cast<double>(kSliderMinimum), static_cast<double>(kSliderMaximum))));
    }
    ShowFrequency("%f");
    return result;
}

void CVEXA2FreqInDialog::DoDataExchange(DataExchange& exchange)
{
    DdxCheck(exchange, res::kIdcVexaDebounce, debounce_);
    CIconDialog::DoDataExchange(exchange);
}

void CVEXA2FreqInDialog::ShowFrequency(const char* format)
{
    std::array<char, 64> text{};
    if (Control* value = GetControl(res::kIdcVexaFrequencyValue)) {
        std::snprintf(text.data(), text.size(), format, frequency_);
        value->SetText(text.data());
    }
    if (Control* period = GetControl(res::kIdcVexaPeriodValue)) {
        std::snprintf(text.data(), text.size(), format, 1.0 / frequency_);
        period->SetText(text.data());
    }
}

void CVEXA2FreqInDialog::OnSliderMoved()
{
    if (const auto* slider = GetControlAs<SliderControl>(res::kIdcVexaFrequencySlider)) {
        frequency_ = std::exp(slider->GetPos() * kLnPerPosition) * kFrequencyScale;
        ShowFrequency("%.4f");
    }
}

void CVEXA2FreqInDialog::ApplyToIcon()
{
    const auto kept
        = static_cast<std::uint16_t>(channel_.ChannelWord() & ~(CVEXA_2Icon::kKindMask | CVEXA_2Icon::kDebounce));
    channel_.SetChannelWord(static_cast<std::uint16_t>(
        kept | CVEXA_2Icon::kKindFrequencyIn | (debounce_ != 0 ? CVEXA_2Icon::kDebounce : std::uint16_t{0})));
    channel_.SetChannelCounts(0, 1);
    channel_.GetOutputEntries()[0].flags = kInputLinkPlainFlags;
    channel_.RebuildConnectors();
}

}  // namespace corvane
