#include "icons/function/CFlipFlopDialog.h"

#include "icons/function/CFlipFlopIcon.h"
#include "platform/ButtonControl.h"
#include "platform/DataExchange.h"
#include "res/FlipFlopDialog.h"
#include "res/ResourceIds.h"

namespace corvane {
namespace {

int PairIndex(std::uint16_t mode, std::uint16_t bit)
{
    return (mode & bit) != 0 ? 0 : 1;
}

}  // namespace

CFlipFlopDialog::CFlipFlopDialog(CFlipFlopIcon& icon, Window* parent)
    : CIconDialog(res::kFlipFlopDialog, icon, 0, parent),
      flipFlop_(icon),
      set_(PairIndex(icon.ModeWord(), CFlipFlopIcon::kSetHigh)),
      reset_(PairIndex(icon.ModeWord(), CFlipFlopIcon::kResetHigh)),
      both_(PairIndex(icon.ModeWord(), CFlipFlopIcon::kBothHigh)),
      operation_(PairIndex(icon.ModeWord(), CFlipFlopIcon::kEdgeBased))
{
    SetSections(true, false, false);
    // The RESET row is the second input's.
    ShowOptionalConnector(1, true, CFlipFlopIcon::kResetInput);
    On(Notification::Clicked, res::kIdcFlipFlopEdge, [this](NotifyEvent&) { ShowOperationWords(true); });
    On(Notification::Clicked, res::kIdcFlipFlopLevel, [this](NotifyEvent&) { ShowOperationWords(false); });
}

bool CFlipFlopDialog::OnInitDialog()
{
    const bool result = CIconDialog::OnInitDialog();
    ShowOperationWords(operation_ == 0);
    return result;
}

void CFlipFlopDialog::ShowOperationWords(bool edgeBased)
{
    const std::string_view words = edgeBased ? "transitions" : "is";
    GetControl(res::kIdcFlipFlopSetVerb)->SetText(words);
    GetControl(res::kIdcFlipFlopResetVerb)->SetText(words);
}

void CFlipFlopDialog::DoDataExchange(DataExchange& exchange)
{
    DdxRadio(exchange, res::kIdcFlipFlopSetHigh, set_);
    DdxRadio(exchange, res::kIdcFlipFlopResetHigh, reset_);
    DdxRadio(exchange, res::kIdcFlipFlopBothHigh, both_);
    DdxRadio(exchange, res::kIdcFlipFlopEdge, operation_);
    CIconDialog::DoDataExchange(exchange);
}

void CFlipFlopDialog::ApplyToIcon()
{
    flipFlop_.SetChoices(set_ == 0, reset_ == 0, both_ == 0, operation_ == 0);
}

}  // namespace corvane
