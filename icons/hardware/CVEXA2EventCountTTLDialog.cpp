#include "icons/hardware/CVEXA2EventCountTTLDialog.h"

#include "icons/hardware/CVEXA2EventCountTTLIcon.h"
#include "icons/hardware/OutputTypeCheck.h"
#include "icons/hardware/PictureButtons.h"
#include "platform/Application.h"
#include "platform/ButtonControl.h"
#include "platform/Control.h"
#include "platform/DataExchange.h"
#include "platform/PromptSink.h"
#include "res/ResourceIds.h"
#include "res/VexaEventCountDialog.h"

#include <array>
#include <cstdio>

namespace corvane {
namespace {

constexpr int kFirstUpperChannel = 16;
constexpr int kLastLetterChannel = 8;  // 'A' + channel up to here, channel + 57 above

constexpr std::array kModeRadios{res::kIdcVexaEvent, res::kIdcVexaCounter, res::kIdcVexaDiscreteOutput};
constexpr std::array kCountControls{
    res::kIdcVexaOutputOnDisable, res::kIdcVexaClearOnEnable, res::kIdcVexaClearAfterOutput};
constexpr std::array kLogicControls{res::kIdcVexaHighWhenHigh, res::kIdcVexaLowWhenHigh, res::kIdcVexaLogicGroup};
constexpr std::uint16_t kEditedBits = CVEXA_2Icon::kKindMask | CVEXA_2Icon::kDebounce | CVEXA_2Icon::kOutputLowWhenHigh
    | CVEXA_2Icon::kOutputCountOnDisable | CVEXA_2Icon::kClearCountOnEnable | CVEXA_2Icon::kClearCountAfterOutput;

int ModeOf(std::uint16_t kind)
{
    switch (kind) {
    case CVEXA_2Icon::kKindCounterIn: return CVEXA2EventCountTTLDialog::kCounter;
    case CVEXA_2Icon::kKindEventOut: return CVEXA2EventCountTTLDialog::kDiscreteOutput;
    default: return CVEXA2EventCountTTLDialog::kEvent;
    }
}

// The help of the mode the dialog opens in; a lower channel's discrete
// output has none.
std::uint32_t HelpContextOf(int mode, int channel)
{
    const bool lower = channel <= kLastLetterChannel;
    switch (mode) {
    case CVEXA2EventCountTTLDialog::kCounter: return lower ? 12325 : 12385;
    case CVEXA2EventCountTTLDialog::kDiscreteOutput: return lower ? 0 : 12395;
    default: return lower ? 12315 : 12375;
    }
}

int BitOf(std::uint16_t word, std::uint16_t bit) { return (word & bit) != 0 ? 1 : 0; }
std::uint16_t Bit(int on, std::uint16_t bit) { return on != 0 ? bit : std::uint16_t{0}; }

}  // namespace

CVEXA2EventCountTTLDialog::CVEXA2EventCountTTLDialog(CVEXA2EventCountTTLIcon& icon, Window* parent)
    : CIconDialog(res::kVexaEventCountDialog, icon, HelpContextOf(ModeOf(icon.Kind()), icon.Channel()), parent),
      channel_(icon)
{
    const std::uint16_t word = icon.ChannelWord();
    mode_ = ModeOf(icon.Kind());
    openingMode_ = mode_;
    debounce_ = BitOf(word, CVEXA_2Icon::kDebounce);
    logic_ = BitOf(word, CVEXA_2Icon::kOutputLowWhenHigh);
    outputOnDisable_ = BitOf(word, CVEXA_2Icon::kOutputCountOnDisable);
    clearOnEnable_ = BitOf(word, CVEXA_2Icon::kClearCountOnEnable);
    clearAfterOutput_ = BitOf(word, CVEXA_2Icon::kClearCountAfterOutput);
    SetSections(false, false, true);

    const std::array<std::pair<int, int>, 6> choosers{{{res::kIdcVexaEvent, kEvent},
        {res::kIdcVexaEventPicture, kEvent}, {res::kIdcVexaCounter, kCounter}, {res::kIdcVexaCounterPicture, kCounter},
        {res::kIdcVexaDiscreteOutput, kDiscreteOutput}, {res::kIdcVexaOutputPicture, kDiscreteOutput}}};
    for (const auto& [id, chosen] : choosers)
        On(Notification::Clicked, id, [this, mode = chosen](NotifyEvent&) { SelectMode(mode); });
}

bool CVEXA2EventCountTTLDialog::OnInitDialog()
{
    const bool result = CIconDialog::OnInitDialog();
    // Channels 0..7 are inputs only.
    const bool outputAllowed = channel_.Channel() >= kFirstUpperChannel;
    // The event picture is the channel's own: an input, or an input/output.
    const std::array pictures{
        ButtonPicture{res::kIdcVexaEventPicture, outputAllowed ? res::kBitmapDigitalEventIo : res::kBitmapDigitalEvent},
        ButtonPicture{res::kIdcVexaCounterPicture, res::kBitmapCounterInput},
        ButtonPicture{res::kIdcVexaOutputPicture, res::kBitmapDigitalOutput}};
    ShowButtonPictures(*this, pictures);
    ShowControl(res::kIdcVexaDiscreteOutput, outputAllowed);
    ShowControl(res::kIdcVexaOutputPicture, outputAllowed);
    ShowMode(mode_);
    return result;
}

void CVEXA2EventCountTTLDialog::DoDataExchange(DataExchange& exchange)
{
    DdxRadio(exchange, res::kIdcVexaHighWhenHigh, logic_);
    DdxCheck(exchange, res::kIdcVexaDebounce, debounce_);
    DdxCheck(exchange, res::kIdcVexaOutputOnDisable, outputOnDisable_);
    DdxCheck(exchange, res::kIdcVexaClearOnEnable, clearOnEnable_);
    DdxCheck(exchange, res::kIdcVexaClearAfterOutput, clearAfterOutput_);
    CIconDialog::DoDataExchange(exchange);
}

void CVEXA2EventCountTTLDialog::SelectMode(int mode)
{
    const int previous = mode_;
    mode_ = mode;
    ShowMode(previous);
}

void CVEXA2EventCountTTLDialog::ShowControl(int id, bool show)
{
    if (Control* control = GetControl(id))
        control->Show(show);
}

void CVEXA2EventCountTTLDialog::ShowMode(int previous)
{
    for (std::size_t i = 0; i < kModeRadios.size(); ++i)
        if (auto* radio = GetControlAs<ButtonControl>(kModeRadios[i]))
            radio->SetCheck(static_cast<int>(i) == mode_ ? 1 : 0);
    const bool counter = mode_ == kCounter;
    for (const int id : kCountControls)
        ShowControl(id, counter);
    for (const int id : kLogicControls)
        ShowControl(id, mode_ == kEvent);
    ShowControl(res::kIdcVexaDebounce, mode_ != kDiscreteOutput);
    ShowControl(res::kIdcVexaSpecialGroup, mode_ != kDiscreteOutput);

    std::string_view modeText = "Event Input";
    Control* units = GetControl(kIdcUnits);
    if (units != nullptr)
        units->Enable(counter);
    switch (mode_) {
    case kCounter:
        modeText = "Counter Input";
        // Typed units stay while the channel stays a counter.
        if (units != nullptr && previous != kCounter)
            units->SetText("Counts");
        break;
    case kDiscreteOutput:
        modeText = "Discrete Output";
        if (units != nullptr)
            units->SetText("");
        break;
    default:
        if (units != nullptr)
            units->SetText("Hi/Low");
        break;
    }
    const int channel = channel_.Channel();
    const char letter = static_cast<char>(channel <= kLastLetterChannel ? 'A' + channel : channel + 57);
    std::array<char, 96> title{};
    std::snprintf(title.data(), title.size(), "VEXA-2; %.*s   [Address %d]  Chan: DI_%c",
        static_cast<int>(modeText.size()), modeText.data(), channel_.Address(), letter);
    title_ = title.data();
    SetCaption(title_);
}

bool CVEXA2EventCountTTLDialog::ValidateFields()
{
    // A discrete output drops the links of its output, so only the input
    // modes must suit every input the output feeds.
    if (mode_ == kDiscreteOutput)
        return true;
    const int required = mode_ == kEvent ? data_type::kLogic : data_type::kData;
    if (OutputFeedsOnlyType(channel_, 0, required))
        return true;
    MessageBoxRequest request{
        Handle(), std::string(kTypeMismatch), "Warning", MessageBoxButtons::Ok, MessageBoxIcon::Warning};
    Application::Instance().Prompts().ShowMessageBox(request);
    return false;
}

std::uint16_t CVEXA2EventCountTTLDialog::BuildChannelWord() const
{
    std::uint16_t kind = CVEXA_2Icon::kKindEventIn;
    if (mode_ == kCounter)
        kind = CVEXA_2Icon::kKindCounterIn;
    else if (mode_ == kDiscreteOutput)
        kind = CVEXA_2Icon::kKindEventOut;
    return static_cast<std::uint16_t>((channel_.ChannelWord() & ~kEditedBits) | kind
        | Bit(debounce_, CVEXA_2Icon::kDebounce) | Bit(logic_, CVEXA_2Icon::kOutputLowWhenHigh)
        | Bit(outputOnDisable_, CVEXA_2Icon::kOutputCountOnDisable)
        | Bit(clearOnEnable_, CVEXA_2Icon::kClearCountOnEnable)
        | Bit(clearAfterOutput_, CVEXA_2Icon::kClearCountAfterOutput));
}

void CVEXA2EventCountTTLDialog::ApplyToIcon()
{
    const bool wasInput = openingMode_ != kDiscreteOutput;
    if (wasInput && mode_ == kDiscreteOutput) {
        channel_.DisconnectOutput(0);
        channel_.DisconnectInput(kTriggerSlot);
    } else if (!wasInput && mode_ != kDiscreteOutput) {
        channel_.DisconnectInput(0);
    }
    if (mode_ != kDiscreteOutput)
        AdaptFedInputs(channel_, 0, mode_ == kEvent ? data_type::kLogic : data_type::kData);

    channel_.SetChannelWord(BuildChannelWord());
    if (mode_ == kDiscreteOutput) {
        channel_.SetChannelCounts(1, 0);
        channel_.GetInputLinks()[0].flags = 0;
    } else {
        channel_.SetChannelCounts(0, 1);
        channel_.GetOutputEntries()[0].flags = mode_ == kCounter ? kInputLinkPlainFlags : 0;
    }
    channel_.RebuildConnectors();
    channel_.ApplyChannelKind(channel_.Kind(), channel_.Channel());
}

}  // namespace corvane
