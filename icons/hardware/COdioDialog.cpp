#include "icons/hardware/COdioDialog.h"

#include "icons/hardware/COdioIcon.h"
#include "icons/hardware/HardwareIconNet.h"
#include "icons/hardware/OutputTypeCheck.h"
#include "icons/hardware/PictureButtons.h"
#include "netdoc/CNetDoc.h"
#include "platform/Application.h"
#include "platform/ButtonControl.h"
#include "platform/Control.h"
#include "platform/DataExchange.h"
#include "platform/PromptSink.h"
#include "res/OdioDialog.h"
#include "res/ResourceIds.h"
#include "shell/CAdvisoryDlg.h"

#include <array>

namespace corvane {
namespace {

constexpr std::uint32_t kSwitchedOutputHelp = 12;
constexpr std::uint32_t kEventHelp = 13;
constexpr std::uint32_t kCounterHelp = 14;

constexpr std::array kPictures{ButtonPicture{res::kIdcOdioEventPicture, res::kBitmapDigitalEvent},
    ButtonPicture{res::kIdcOdioCounterPicture, res::kBitmapCounterInput},
    ButtonPicture{res::kIdcOdioOutputPicture, res::kBitmapDigitalOutput}};
constexpr std::array kModeRadios{res::kIdcOdioEvent, res::kIdcOdioCounter, res::kIdcOdioOutput};
constexpr std::array kCountControls{res::kIdcOdioOutputOnDisable, res::kIdcOdioClearOnEnable,
    res::kIdcOdioClearAfterOutput, res::kIdcOdioCountGroup, res::kIdcOdioCounterNote};
constexpr std::array kStateControls{
    res::kIdcOdioRetain, res::kIdcOdioClose, res::kIdcOdioOpen, res::kIdcOdioOptionsGroup};
constexpr std::array kLogicControls{res::kIdcOdioHighWhenHigh, res::kIdcOdioLowWhenHigh, res::kIdcOdioLogicGroup};
constexpr std::array kHiddenForRelay{res::kIdcOdioModeGroup, res::kIdcOdioEvent, res::kIdcOdioCounter,
    res::kIdcOdioOutput, res::kIdcOdioEventPicture, res::kIdcOdioCounterPicture, res::kIdcOdioOutputPicture,
    res::kIdcOdioUnitsLabel, CIconDialog::kIdcUnits, res::kIdcOdioPullUp};

int ModeOf(std::uint16_t kind)
{
    switch (kind) {
    case COdioIcon::kKindCounter: return COdioDialog::kCounter;
    case COdioIcon::kKindOutput: return COdioDialog::kSwitchedOutput;
    case COdioIcon::kKindRelay: return COdioDialog::kRelay;
    default: return COdioDialog::kEvent;
    }
}

// The help of the mode the dialog opens in; the relay has none.
std::uint32_t HelpContextOf(int mode)
{
    switch (mode) {
    case COdioDialog::kCounter: return kCounterHelp;
    case COdioDialog::kSwitchedOutput: return kSwitchedOutputHelp;
    default: return kEventHelp;
    }
}

int RelayStateOf(std::uint16_t mode)
{
    switch (mode & COdioIcon::kStoppedStateMask) {
    case COdioIcon::kStoppedRetain: return COdioDialog::kRetain;
    case COdioIcon::kStoppedClose: return COdioDialog::kClose;
    default: return COdioDialog::kOpen;
    }
}

std::uint16_t Bit(int on, std::uint16_t bit) { return on != 0 ? bit : std::uint16_t{0}; }

}  // namespace

COdioDialog::COdioDialog(COdioIcon& icon, Window* parent)
    : CIconDialog(res::kOdioDialog, icon, HelpContextOf(ModeOf(icon.Kind())), parent), odio_(icon)
{
    const std::uint16_t mode = icon.ModeWord();
    mode_ = ModeOf(icon.Kind());
    openingMode_ = mode_;
    relayState_ = RelayStateOf(mode);
    logic_ = (mode & COdioIcon::kOutputLowWhenHigh) != 0 ? 1 : 0;
    outputOnDisable_ = (mode & COdioIcon::kOutputCountOnDisable) != 0 ? 1 : 0;
    clearOnEnable_ = (mode & COdioIcon::kClearCountOnEnable) != 0 ? 1 : 0;
    clearAfterOutput_ = (mode & COdioIcon::kClearCountAfterOutput) != 0 ? 1 : 0;
    pullUp_ = (mode & COdioIcon::kPullUp) != 0 ? 1 : 0;
    SetSections(false, false, true);

    const std::array<std::pair<int, int>, 6> choosers{{{res::kIdcOdioEvent, kEvent},
        {res::kIdcOdioEventPicture, kEvent}, {res::kIdcOdioCounter, kCounter}, {res::kIdcOdioCounterPicture, kCounter},
        {res::kIdcOdioOutput, kSwitchedOutput}, {res::kIdcOdioOutputPicture, kSwitchedOutput}}};
    for (const auto& [id, chosen] : choosers)
        On(Notification::Clicked, id, [this, mode = chosen](NotifyEvent&) { SelectMode(mode); });
    On(Notification::Clicked, res::kIdcOdioRetain,
        [this](NotifyEvent&) { ShowControl(res::kIdcOdioRetainNote, true); });
    for (const int id : {res::kIdcOdioClose, res::kIdcOdioOpen})
        On(Notification::Clicked, id, [this](NotifyEvent&) { ShowControl(res::kIdcOdioRetainNote, false); });
}

bool COdioDialog::OnInitDialog()
{
    const bool result = CIconDialog::OnInitDialog();
    ShowButtonPictures(*this, kPictures);
    ShowControl(res::kIdcOdioRetainNote, false);
    if (mode_ == kRelay) {
        ShowControl(res::kIdcOdioRetainNote, relayState_ == kRetain);
        if (Control* group = GetControl(res::kIdcOdioOptionsGroup))
            group->SetText("When logger Stopped, Reset, or Reflashed");
        if (Control* high = GetControl(res::kIdcOdioHighWhenHigh))
            high->SetText("Relay is CLOSED when input is HIGH");
        if (Control* low = GetControl(res::kIdcOdioLowWhenHigh))
            low->SetText("Relay is OPEN when input is HIGH");
        // The relay has no help page of its own.
        if (Control* help = GetControl(kIdHelp))
            help->Enable(false);
    }
    ShowMode(mode_);
    return result;
}

void COdioDialog::DoDataExchange(DataExchange& exchange)
{
    DdxRadio(exchange, res::kIdcOdioHighWhenHigh, logic_);
    DdxRadio(exchange, res::kIdcOdioRetain, relayState_);
    DdxCheck(exchange, res::kIdcOdioOutputOnDisable, outputOnDisable_);
    DdxCheck(exchange, res::kIdcOdioClearOnEnable, clearOnEnable_);
    DdxCheck(exchange, res::kIdcOdioClearAfterOutput, clearAfterOutput_);
    DdxCheck(exchange, res::kIdcOdioPullUp, pullUp_);
    CIconDialog::DoDataExchange(exchange);
}

void COdioDialog::SelectMode(int mode)
{
    const int previous = mode_;
    mode_ = mode;
    ShowMode(previous);
}

void COdioDialog::ShowControl(int id, bool show)
{
    if (Control* control = GetControl(id))
        control->Show(show);
}

void COdioDialog::SetUnitsText(std::string_view text)
{
    if (Control* units = GetControl(kIdcUnits))
        units->SetText(text);
}

void COdioDialog::CheckModeRadio()
{
    for (std::size_t i = 0; i < kModeRadios.size(); ++i)
        if (auto* radio = GetControlAs<ButtonControl>(kModeRadios[i]))
            radio->SetCheck(static_cast<int>(i) == mode_ ? 1 : 0);
}

bool COdioDialog::ConfirmCounterMode()
{
    if (batteryAccepted_ || (odio_.Header().warningFlags & COdioIcon::kBatteryQuestionPending) == 0
        || !IsBatteryPoweredNet(odio_))
        return true;
    CNetDoc* net = NetDocumentOf(odio_);
    const int answer = net->ShowAdvisory(CAdvisoryDlg::kYesNo, kBatteryQuestion);
    if (answer == kIdNo)
        return false;
    batteryAccepted_ = answer == kIdYes;
    return true;
}

void COdioDialog::ShowMode(int previous)
{
    if (mode_ == kCounter && previous != kCounter) {
        if (!ConfirmCounterMode()) {
            mode_ = previous;
            ShowMode(previous);
            return;
        }
        SetUnitsText("Counts");
    }
    CheckModeRadio();
    const bool relay = mode_ == kRelay;
    const bool counter = mode_ == kCounter;
    if (relay)
        for (const int id : kHiddenForRelay)
            ShowControl(id, false);
    for (const int id : kCountControls)
        ShowControl(id, counter);
    if (Control* units = GetControl(kIdcUnits))
        units->Enable(counter);
    const bool stateShown = mode_ == kSwitchedOutput || relay;
    for (const int id : kStateControls)
        ShowControl(id, stateShown);
    if (!stateShown)
        ShowControl(res::kIdcOdioRetainNote, false);
    for (const int id : kLogicControls)
        ShowControl(id, !counter);

    std::string_view modeText;
    switch (mode_) {
    case kCounter: modeText = "Counter Input"; break;
    case kSwitchedOutput:
        modeText = "Switched Output";
        SetUnitsText("");
        break;
    case kRelay:
        modeText = "Relay 2";
        SetUnitsText("");
        break;
    default:
        modeText = "Event Input";
        SetUnitsText("Hi/Low");
        break;
    }
    title_ = "Digital I/O: " + std::string(modeText);
    SetCaption(title_);
}

bool COdioDialog::ValidateFields()
{
    // Only the modes that keep the output must match what it feeds; an
    // output mode drops those links on OK.
    if (mode_ != kEvent && mode_ != kCounter)
        return true;
    const int required = mode_ == kEvent ? data_type::kLogic : data_type::kData;
    if (OutputFeedsOnlyType(odio_, 0, required))
        return true;
    MessageBoxRequest request{
        Handle(), std::string(kTypeMismatch), "Warning", MessageBoxButtons::Ok, MessageBoxIcon::Warning};
    Application::Instance().Prompts().ShowMessageBox(request);
    return false;
}

std::uint16_t COdioDialog::BuildModeWord() const
{
    const std::uint16_t logic = Bit(logic_, COdioIcon::kOutputLowWhenHigh);
    const std::uint16_t pullUp = Bit(pullUp_, COdioIcon::kPullUp);
    std::uint16_t state = 0;
    if (relayState_ == kRetain)
        state = COdioIcon::kStoppedRetain;
    else if (relayState_ == kClose)
        state = COdioIcon::kStoppedClose;
    switch (mode_) {
    case kCounter:
        return static_cast<std::uint16_t>(COdioIcon::kKindCounter
            | Bit(outputOnDisable_, COdioIcon::kOutputCountOnDisable)
            | Bit(clearOnEnable_, COdioIcon::kClearCountOnEnable)
            | Bit(clearAfterOutput_, COdioIcon::kClearCountAfterOutput) | pullUp);
    case kSwitchedOutput: return static_cast<std::uint16_t>(COdioIcon::kKindOutput | logic | pullUp | state);
    case kRelay: return static_cast<std::uint16_t>(COdioIcon::kKindRelay | logic | state);
    default: return static_cast<std::uint16_t>(COdioIcon::kKindEvent | logic | pullUp);
    }
}

void COdioDialog::ApplyToIcon()
{
    const bool wasInput = openingMode_ == kEvent || openingMode_ == kCounter;
    if (wasInput && mode_ == kSwitchedOutput) {
        odio_.DisconnectOutput(0);
        odio_.DisconnectInput(kTriggerSlot);
    } else if (openingMode_ == kSwitchedOutput && (mode_ == kEvent || mode_ == kCounter)) {
        odio_.DisconnectInput(0);
    }
    if (mode_ == kEvent || mode_ == kCounter)
        AdaptFedInputs(odio_, 0, mode_ == kEvent ? data_type::kLogic : data_type::kData);

    odio_.SetModeWord(BuildModeWord());
    switch (mode_) {
    case kCounter:
    case kEvent:
        odio_.SetChannelCounts(0, 1);
        odio_.GetOutputEntries()[0].flags = mode_ == kCounter ? kInputLinkPlainFlags : 0;
        break;
    case kSwitchedOutput:
        odio_.SetChannelCounts(1, 0);
        odio_.GetInputLinks()[0].flags = 0;
        break;
    default: break;
    }
    odio_.RebuildConnectors();
    odio_.ApplySubtype(odio_.Kind());
    if (batteryAccepted_)
        odio_.Header().warningFlags
            = static_cast<std::uint16_t>(odio_.Header().warningFlags & ~COdioIcon::kBatteryQuestionPending);
}

}  // namespace corvane
