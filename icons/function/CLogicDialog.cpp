#include "icons/function/CLogicDialog.h"

#include "base/Cp1252.h"
#include "icons/function/CLogicIcon.h"
#include "platform/ButtonControl.h"
#include "platform/ComboBoxControl.h"
#include "platform/DataExchange.h"
#include "res/LogicDialog.h"
#include "res/ResourceIds.h"

#include <optional>
#include <string_view>

namespace corvane {
namespace {

constexpr std::string_view kUnconnected = "Unconnected";
constexpr std::string_view kHighWhen = "Output HIGH when:";

struct GateTexts {
    std::string_view caption;
    std::string_view defaultName;
    std::string_view label;
    std::string_view condition;
};

GateTexts TextsOf(std::optional<CLogicIcon::Gate> gate)
{
    if (!gate)
        return {"Logic", "", kHighWhen, ""};
    switch (*gate) {
    case CLogicIcon::Gate::And: return {"Logical AND", "AND", kHighWhen, "ALL Inputs are HIGH"};
    case CLogicIcon::Gate::Or: return {"Logical OR", "OR", kHighWhen, "ANY Input is HIGH"};
    case CLogicIcon::Gate::Xor: return {"Logical Exclusive OR", "Exclusive OR", kHighWhen, "is DIFFERENT than"};
    case CLogicIcon::Gate::Not:
        return {"Logical Inverter", "Invert", "Output the Inverted (opposite) state of", ""};
    }
    return {"Logic", "", kHighWhen, ""};
}

bool IsXor(int picture)
{
    return CLogicIcon::GateOfPicture(picture) == CLogicIcon::Gate::Xor;
}

}  // namespace

CLogicDialog::CLogicDialog(CLogicIcon& icon, Window* parent)
    : CIconDialog(res::kLogicDialog, icon, icon.HelpContext(), parent),
      gate_(icon),
      picture_(icon.BitmapId()),
      invertedOutput_(icon.HasInvertedOutput() ? 1 : 0),
      latch_(icon.IsLatched() ? 1 : 0),
      deMorgan_(icon.IsDeMorgan() ? 1 : 0)
{
    if (IsXor(picture_)) {
        // The exclusive OR names its two inputs around its condition.
        SetSections(true, false, false);
        ShowOptionalConnector(1, true, 1);
    }
    On(Notification::Clicked, res::kIdcLogicInvertedOutput, [this](NotifyEvent&) { OnInvertedOutputClicked(); });
    On(Notification::Clicked, res::kIdcLogicDeMorgan, [this](NotifyEvent&) { OnDeMorganClicked(); });
}

bool CLogicDialog::OnInitDialog()
{
    const bool result = CIconDialog::OnInitDialog();
    const GateTexts texts = TextsOf(CLogicIcon::GateOfPicture(picture_));
    SetCaption(texts.caption);
    Control* name = GetControl(CIconDialog::kIdcName);
    if (name->GetText().empty())
        name->SetText(texts.defaultName);
    GetControl(res::kIdcLogicConditionLabel)->SetText(texts.label);
    GetControl(res::kIdcLogicCondition)->SetText(texts.condition);
    GetControl(res::kIdcLogicLatch)
        ->SetText("Latch Output state upon meeting " + name->GetText() + " condition");

    const bool xorGate = IsXor(picture_);
    GetControl(res::kIdcLogicInputList)->Show(!xorGate);
    GetControl(CIconDialog::kIdcInput1)->Show(xorGate);
    GetControl(CIconDialog::kIdcInput2)->Show(xorGate);
    GetControl(res::kIdcLogicDeMorgan)->Show(!xorGate);
    FillInputList();
    return result;
}

void CLogicDialog::FillInputList()
{
    auto* list = GetControlAs<ComboBoxControl>(res::kIdcLogicInputList);
    list->ResetContent();
    for (const InputLink& link : gate_.GetInputLinks()) {
        const CCorvaneIcon* source = link.sourceId != 0 ? gate_.FindIconById(link.sourceId) : nullptr;
        if (source != nullptr)
            list->AddString(Cp1252ToUtf8(source->Header().name));
    }
    if (list->GetCount() == 0)
        list->AddString(kUnconnected);
    list->SetCurSel(0);
}

void CLogicDialog::DoDataExchange(DataExchange& exchange)
{
    DdxCheck(exchange, res::kIdcLogicInvertedOutput, invertedOutput_);
    DdxCheck(exchange, res::kIdcLogicLatch, latch_);
    if (!IsXor(picture_))
        DdxCheck(exchange, res::kIdcLogicDeMorgan, deMorgan_);
    CIconDialog::DoDataExchange(exchange);
}

void CLogicDialog::OnInvertedOutputClicked()
{
    const bool on = GetControlAs<ButtonControl>(res::kIdcLogicInvertedOutput)->GetCheck() != 0;
    if (on != (invertedOutput_ != 0))
        picture_ = CLogicIcon::ToggleInvertedPicture(picture_);
    invertedOutput_ = on ? 1 : 0;
    // The output itself comes or goes on OK.
    SetOutputOption(on, 1);
}

void CLogicDialog::OnDeMorganClicked()
{
    const bool on = GetControlAs<ButtonControl>(res::kIdcLogicDeMorgan)->GetCheck() != 0;
    if (on != (deMorgan_ != 0))
        picture_ = CLogicIcon::ToggleDeMorganPicture(picture_);
    deMorgan_ = on ? 1 : 0;
}

void CLogicDialog::ApplyToIcon()
{
    gate_.ApplySettings(picture_, latch_ != 0, deMorgan_ != 0);
}

}  // namespace corvane
