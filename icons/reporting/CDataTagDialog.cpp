#include "icons/reporting/CDataTagDialog.h"

#include "base/Cp1252.h"
#include "icons/reporting/CDataTagIcon.h"
#include "netdoc/CNetDoc.h"
#include "platform/Application.h"
#include "platform/ButtonControl.h"
#include "platform/ComboBoxControl.h"
#include "platform/Control.h"
#include "platform/DataExchange.h"
#include "platform/PromptSink.h"
#include "res/DataTagDialog.h"
#include "res/ResourceIds.h"
#include "shell/ComboFill.h"

#include <algorithm>
#include <array>

namespace corvane {
namespace {

constexpr int kMaxDigits = 7;
constexpr std::array kFormatControls = {res::kIdcDataTagFormatGroup, res::kIdcDataTagDecimal, res::kIdcDataTagWhole,
    res::kIdcDataTagDecimalExample, res::kIdcDataTagWholeExample};

}  // namespace

CDataTagDialog::CDataTagDialog(CDataTagIcon& icon, Window* parent)
    : CIconDialog(res::kDataTagDialog, icon, kHelpContext, parent),
      tag_(icon),
      openingName_(icon.Header().name),
      format_(icon.FormatWord())
{
    SetSections(true, false, false);
    On(Notification::Clicked, res::kIdcDataTagDecimal, [this](NotifyEvent&) { ShowDigits(); });
    On(Notification::Clicked, res::kIdcDataTagWhole, [this](NotifyEvent&) { ShowDigits(); });
}

std::string CDataTagDialog::DuplicateNameText(std::string_view name)
{
    return "Data tag named \"" + std::string(name) + "\" is already used. Select a unique name.";
}

bool CDataTagDialog::OnInitDialog()
{
    const OutputEntry* source = tag_.SourceEntry();
    const bool choice = source != nullptr && source->flags != 0;
    if (source != nullptr && !choice)
        format_ = static_cast<std::uint16_t>(format_ & ~CDataTagIcon::kWholeNumberBit);
    formatChoice_ = (format_ & CDataTagIcon::kWholeNumberBit) != 0 ? 1 : 0;
    digitsIndex_ = std::clamp((format_ & CDataTagIcon::kDigitsMask) - 1, -1, kMaxDigits - 1);
    if (auto* digits = GetControlAs<ComboBoxControl>(res::kIdcDataTagDigits))
        FillComboBox(*digits, 1, kMaxDigits);
    const bool result = CIconDialog::OnInitDialog();
    for (const int id : kFormatControls)
        if (Control* control = GetControl(id))
            control->Show(choice);
    if (Control* label = GetControl(res::kIdcDataTagDigitsLabel))
        label->Show(choice && formatChoice_ == 0);
    if (Control* digits = GetControl(res::kIdcDataTagDigits))
        digits->Show(choice && formatChoice_ == 0);
    return result;
}

void CDataTagDialog::ShowDigits()
{
    const auto* decimal = GetControlAs<ButtonControl>(res::kIdcDataTagDecimal);
    const bool shown = decimal != nullptr && decimal->GetCheck() == 1;
    if (Control* label = GetControl(res::kIdcDataTagDigitsLabel))
        label->Show(shown);
    if (Control* digits = GetControl(res::kIdcDataTagDigits))
        digits->Show(shown);
}

void CDataTagDialog::DoDataExchange(DataExchange& exchange)
{
    DdxRadio(exchange, res::kIdcDataTagDecimal, formatChoice_);
    DdxComboIndex(exchange, res::kIdcDataTagDigits, digitsIndex_);
    CIconDialog::DoDataExchange(exchange);
}

bool CDataTagDialog::ValidateFields()
{
    const std::string name = Utf8ToCp1252(NameText(), kNameLimit);
    if (name == openingName_)
        return true;
    const CNetDoc* net = tag_.NetDocument();
    if (net == nullptr)
        return true;
    const auto tags = net->CollectDataTagIcons();
    const bool used = std::any_of(tags.begin(), tags.end(), [&](const DataTagInfo& tag) { return tag.name == name; });
    if (!used)
        return true;
    MessageBoxRequest request{Handle(), DuplicateNameText(NameText()), std::string(kDuplicateCaption),
        MessageBoxButtons::Ok, MessageBoxIcon::Error};
    Application::Instance().Prompts().ShowMessageBox(request);
    return false;
}

void CDataTagDialog::ApplyToIcon()
{
    std::uint16_t format = formatChoice_ == 1 ? static_cast<std::uint16_t>(format_ | CDataTagIcon::kWholeNumberBit)
                                              : static_cast<std::uint16_t>(format_ & ~CDataTagIcon::kWholeNumberBit);
    int type = 0;
    if (tag_.SourceEntry() != nullptr) {
        if (tag_.SourceEntry()->flags != 0) {
            tag_.GetInputLinks()[0].flags =
                formatChoice_ == 1 ? CDataTagIcon::kLinkWholeNumber : CDataTagIcon::kLinkDecimal;
            type = data_type::kData;
        } else {
            type = data_type::kLogic;
        }
    }
    tag_.Input(0).SetDataType(type | data_type::kAdapts);
    // With no digits chosen the stored count stays.
    if (digitsIndex_ >= 0)
        format = static_cast<std::uint16_t>((format & ~CDataTagIcon::kDigitsMask) | (digitsIndex_ + 1));
    tag_.SetFormatWord(format);
}

}  // namespace corvane
