#include "icons/function/CLCDtextDialog.h"

#include "base/Cp1252.h"
#include "icons/function/CLCDtextIcon.h"
#include "icons/function/CTextInsSubDlg.h"
#include "platform/EditControl.h"
#include "res/LcdTextDialog.h"
#include "res/ResourceIds.h"

namespace corvane {
namespace {

constexpr std::string_view kUnconnected = "Unconnected";

std::string EditText(std::string_view model)
{
    std::string bytes;
    for (std::size_t i = 0; i < model.size(); ++i)
        if (!(model[i] == '\r' && i + 1 < model.size() && model[i + 1] == '\n'))
            bytes += model[i] == '\r' ? '\n' : model[i];
    return Cp1252ToUtf8(bytes);
}

}  // namespace

CLCDtextDialog::CLCDtextDialog(CLCDtextIcon& icon, Window* parent)
    : CIconDialog(res::kLcdTextDialog, icon, icon.HelpContext(), parent), lcd_(icon), context_(icon.MakeEditContext())
{
    SetSections(true, false, false);
    On(Notification::Clicked, res::kIdcLcdEditMessage, [this](NotifyEvent&) { OnEditMessage(); });
}

CLCDtextDialog::~CLCDtextDialog() = default;

std::string_view CLCDtextDialog::CaptionFor(bool latched)
{
    return latched ? "Latched LCD Message" : "Conditional LCD Message";
}

std::string_view CLCDtextDialog::DescriptionFor(bool latched)
{
    return latched ? "Upon Trigger, write this message (with optional embedded Input States/Values) to the Liquid "
                     "Crystal Display (LCD)."
                   : "When SELECT is HIGH, display this message (with optional embedded Input States/Values) on the "
                     "Liquid Crystal Display (LCD).";
}

std::string CLCDtextDialog::SourceName(int input) const
{
    const auto links = lcd_.GetInputLinks();
    if (input < 0 || static_cast<std::size_t>(input) >= links.size())
        return std::string(kUnconnected);
    const InputLink& link = links[static_cast<std::size_t>(input)];
    const CCorvaneIcon* source = link.IsConnected() ? lcd_.FindIconById(link.sourceId) : nullptr;
    return source != nullptr ? Cp1252ToUtf8(source->Header().name.substr(0, kNameLimit)) : std::string(kUnconnected);
}

bool CLCDtextDialog::OnInitDialog()
{
    const bool latched = lcd_.IsLatched();
    SetCaption(CaptionFor(latched));
    const bool result = CIconDialog::OnInitDialog();
    // The rows name inputs 0 and 1 of the latched message, 1 to 3 of the
    // conditional one (its input 0 is the select input).
    const int first = latched ? 0 : 1;
    const std::array<int, 3> labels{res::kIdcLcdInput1Label, kIdcInput2Label, kIdcInput3Label};
    const std::array<int, 3> rows{kIdcInput1, kIdcInput2, kIdcInput3};
    for (int row = 0; row < 3; ++row) {
        const bool shown = row < lcd_.LineCount();
        if (Control* label = GetControl(labels[static_cast<std::size_t>(row)])) {
            label->SetText("Input " + std::to_string(first + row) + " Name:");
            label->Show(shown);
        }
        if (auto* edit = GetControlAs<EditControl>(rows[static_cast<std::size_t>(row)])) {
            edit->SetReadOnly(true);
            edit->SetText(SourceName(first + row));
            edit->Show(shown);
        }
    }
    if (Control* description = GetControl(res::kIdcLcdDescription))
        description->SetText(DescriptionFor(latched));
    if (auto* preview = GetControlAs<EditControl>(res::kIdcLcdPreview)) {
        preview->SetReadOnly(true);
        preview->SetLimitText(static_cast<std::size_t>((LcdMessageContext::kColumns + 2) * lcd_.LineCount() + 1));
    }
    ShowPreview();
    return result;
}

void CLCDtextDialog::ShowPreview()
{
    if (auto* preview = GetControlAs<EditControl>(res::kIdcLcdPreview))
        preview->SetText(EditText(context_.preview));
}

void CLCDtextDialog::OnEditMessage()
{
    if (editor_ != nullptr)
        return;
    CTextInsSubDlg editor(lcd_, context_, this);
    editor_ = &editor;
    const bool accepted = editor.DoModal() == kIdOk;
    editor_ = nullptr;
    if (accepted)
        context_ = editor.Context();
    ShowPreview();
}

void CLCDtextDialog::ApplyToIcon()
{
    lcd_.ApplyEditContext(context_);
}

}  // namespace corvane
