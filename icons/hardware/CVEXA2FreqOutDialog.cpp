#include "icons/hardware/CVEXA2FreqOutDialog.h"

#include "icons/hardware/CVEXA2FreqOutIcon.h"
#include "icons/hardware/HardwareIconNet.h"
#include "icons/hardware/PictureButtons.h"
#include "netdoc/CNetDoc.h"
#include "platform/Application.h"
#include "platform/ButtonControl.h"
#include "platform/Control.h"
#include "platform/DataExchange.h"
#include "platform/PromptSink.h"
#include "res/ResourceIds.h"
#include "res/VexaFreqOutDialog.h"

#include <array>
#include <cstdio>

namespace corvane {
namespace {

constexpr std::uint32_t kOpenCollectorHelp = 12345;
constexpr std::uint32_t kFrequencyHelp = 12355;

}  // namespace

CVEXA2FreqOutDialog::CVEXA2FreqOutDialog(CVEXA2FreqOutIcon& icon, Window* parent)
    : CIconDialog(res::kVexaFreqOutDialog, icon,
        icon.Kind() == CVEXA_2Icon::kKindFrequencyOut ? kFrequencyHelp : kOpenCollectorHelp, parent),
      channel_(icon)
{
    mode_ = icon.Kind() == CVEXA_2Icon::kKindFrequencyOut ? kFrequency : kOpenCollector;
    pullUp_ = (icon.ChannelWord() & CVEXA_2Icon::kPullUp) != 0 ? 1 : 0;
    SetSections(false, false, true);
    const std::array<std::pair<int, int>, 4> choosers{
        {{res::kIdcVexaOpenCollector, kOpenCollector}, {res::kIdcVexaEventPicture, kOpenCollector},
            {res::kIdcVexaFrequencyOutput, kFrequency}, {res::kIdcVexaCounterPicture, kFrequency}}};
    for (const auto& [id, chosen] : choosers)
        On(Notification::Clicked, id, [this, mode = chosen](NotifyEvent&) { SelectMode(mode); });
}

bool CVEXA2FreqOutDialog::OnInitDialog()
{
    const bool result = CIconDialog::OnInitDialog();
    constexpr std::array kPictures{ButtonPicture{res::kIdcVexaEventPicture, res::kBitmapDigitalOutput},
        ButtonPicture{res::kIdcVexaCounterPicture, res::kBitmapFrequencyOutput}};
    ShowButtonPictures(*this, kPictures);
    ShowMode();
    return result;
}

void CVEXA2FreqOutDialog::DoDataExchange(DataExchange& exchange)
{
    DdxRadio(exchange, res::kIdcVexaOpenCollector, mode_);
    DdxCheck(exchange, res::kIdcVexaPullUp, pullUp_);
    CIconDialog::DoDataExchange(exchange);
}

void CVEXA2FreqOutDialog::SelectMode(int mode)
{
    mode_ = mode;
    ShowMode();
}

void CVEXA2FreqOutDialog::ShowMode()
{
    const bool frequency = mode_ == kFrequency;
    if (auto* radio = GetControlAs<ButtonControl>(res::kIdcVexaOpenCollector))
        radio->SetCheck(frequency ? 0 : 1);
    if (auto* radio = GetControlAs<ButtonControl>(res::kIdcVexaFrequencyOutput))
        radio->SetCheck(frequency ? 1 : 0);
    if (Control* units = GetControl(kIdcUnits))
        units->SetText(frequency ? "Hz" : "Hi/Low");
    if (Control* note = GetControl(res::kIdcVexaCyclesNote))
        note->Show(frequency);
    std::array<char, 96> title{};
    std::snprintf(title.data(), title.size(), "VEXA-2; %s [Address %d]  Chan: DO_%c",
        frequency ? "Frequency Output" : "Discrete Output", channel_.Address(),
        static_cast<char>(channel_.Channel() + 57));
    title_ = title.data();
    SetCaption(title_);
}

bool CVEXA2FreqOutDialog::ValidateFields()
{
    // The source linked to the data input must give what the new mode takes.
    if (channel_.InputCount() < 1 || !channel_.GetInputLinks()[0].IsConnected())
        return true;
    const InputLink& link = channel_.GetInputLinks()[0];
    const CNetDoc* net = NetDocumentOf(channel_);
    const CCorvaneIcon* source = net != nullptr ? net->FindIconById(link.sourceId) : nullptr;
    if (source == nullptr || link.sourceOutput >= source->OutputCount())
        return true;
    const std::uint8_t wanted = mode_ == kFrequency ? kInputLinkPlainFlags : 0;
    if (source->GetOutputEntries()[link.sourceOutput].flags == wanted)
        return true;
    MessageBoxRequest request{
        Handle(), std::string(kTypeMismatch), "Warning", MessageBoxButtons::Ok, MessageBoxIcon::Warning};
    Application::Instance().Prompts().ShowMessageBox(request);
    return false;
}

void CVEXA2FreqOutDialog::ApplyToIcon()
{
    const bool frequency = mode_ == kFrequency;
    const std::uint16_t kind = frequency ? CVEXA_2Icon::kKindFrequencyOut : CVEXA_2Icon::kKindOpenCollectorOut;
    const auto kept
        = static_cast<std::uint16_t>(channel_.ChannelWord() & ~(CVEXA_2Icon::kKindMask | CVEXA_2Icon::kPullUp));
    channel_.SetChannelWord(
        static_cast<std::uint16_t>(kept | kind | (pullUp_ != 0 ? CVEXA_2Icon::kPullUp : std::uint16_t{0})));
    channel_.SetChannelCounts(1, 0);
    channel_.RebuildConnectors();
    channel_.ApplySubtype(kind);
}

}  // namespace corvane
