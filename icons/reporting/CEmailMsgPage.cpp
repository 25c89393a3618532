#include "icons/reporting/CEmailMsgPage.h"

#include "base/Cp1252.h"
#include "icons/reporting/CAddAddressToEmailDialog.h"
#include "icons/reporting/CAddrBookSubDlg.h"
#include "icons/reporting/CEmailIcon.h"
#include "icons/reporting/TransferSettings.h"
#include "platform/Application.h"
#include "platform/ButtonControl.h"
#include "platform/Control.h"
#include "platform/DataExchange.h"
#include "platform/EditControl.h"
#include "platform/ListBoxControl.h"
#include "platform/PromptSink.h"
#include "res/EmailDialog.h"
#include "res/ResourceIds.h"

#include <algorithm>
#include <cstdio>

namespace corvane {

namespace {

// The message keeps the logger's line breaks, "\r\n"; the edit field shows
// plain "\n" breaks. Converted at the field, so reading a stored message
// into the field and back gives the same bytes.
std::string WithCrLf(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            out.push_back('\r');
        out.push_back(text[i]);
    }
    return out;
}

std::string WithoutCr(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        out.push_back(text[i]);
    }
    return out;
}

std::string Run(char filler, int count)
{
    return std::string(static_cast<std::size_t>(std::max(count, 0)), filler);
}

}  // namespace

CEmailMsgPage::CEmailMsgPage() : PropertyPage(res::kEmailMsgPage)
{
    for (const int id : {res::kIdcEmailModeEdit, res::kIdcEmailModeNumbers, res::kIdcEmailModeNames})
        On(Notification::Clicked, id, [this](NotifyEvent&) { OnModeClicked(); });
    On(Notification::Clicked, res::kIdcEmailLoggerId, [this](NotifyEvent&) { OnModeClicked(); });
    On(Notification::SelectionChanged, res::kIdcEmailInputList, [this](NotifyEvent&) { OnSelectInput(); });
    On(Notification::Changed, res::kIdcEmailLowText, [this](NotifyEvent&) { OnInputTextChanged(true); });
    On(Notification::Changed, res::kIdcEmailHighText, [this](NotifyEvent&) { OnInputTextChanged(false); });
    On(Notification::Changed, res::kIdcEmailMessage, [this](NotifyEvent&) {
        if (!filling_)
            Compose();
    });
    On(Notification::Clicked, res::kIdcEmailInsert, [this](NotifyEvent&) { OnInsert(); });
    On(Notification::Clicked, res::kIdcEmailSelectTo, [this](NotifyEvent&) { OnSelectAddresses(true); });
    On(Notification::Clicked, res::kIdcEmailSelectFrom, [this](NotifyEvent&) { OnSelectAddresses(false); });
    On(Notification::Clicked, res::kIdcEmailAddressBook, [this](NotifyEvent&) { OnAddressBook(); });
}

void CEmailMsgPage::Bind(
    const CEmailIcon& icon, const TransferSettings& settings, std::string_view fromDefault, EmailAddressBook* book)
{
    const EmailTailContent& content = icon.Content();
    to_ = Cp1252ToUtf8(content.to);
    from_ = content.from.empty() ? std::string(fromDefault) : Cp1252ToUtf8(content.from);
    subject_ = Cp1252ToUtf8(content.subject);
    // The scan reads at most this much, so no more is taken in.
    message_ = Cp1252ToUtf8(std::string_view(content.message).substr(0, EmailPreview::kScanLimit));
    includeLoggerId_ = (settings.optionWord & kLoggerIdBit) != 0 ? 1 : 0;
    sizeLimit_ = settings.sizeLimit != 0 ? settings.sizeLimit : EmailPreview::kSizeLimit;
    book_ = book;

    inputs_.clear();
    rows_.clear();
    const EmailTailLayout layout = icon.TailLayout();
    const std::span<const InputLink> links = icon.GetInputLinks();
    const std::size_t count = std::min(links.size(), EmailTailLayout::kInputs);
    for (std::size_t i = 0; i < count; ++i) {
        EmailPreviewInput input;
        const CCorvaneIcon* source = links[i].sourceId != 0 ? icon.FindIconById(links[i].sourceId) : nullptr;
        input.insertable = layout.linked[i] && source != nullptr;
        input.number = layout.number[i];
        input.low = Cp1252ToUtf8(content.inputTexts[i].low);
        input.high = Cp1252ToUtf8(content.inputTexts[i].high);
        if (input.insertable) {
            input.sourceName = Cp1252ToUtf8(source->Header().name);
            if (input.number && input.low.empty() && input.high.empty()) {
                input.low = std::string(2, 'x');
                input.high = std::string(1, 'x');
            } else if (!input.number) {
                if (input.low.empty())
                    input.low = "Input LOW";
                if (input.high.empty())
                    input.high = "Input HIGH";
            }
            rows_.push_back(std::to_string(i) + " " + input.sourceName);
        } else {
            rows_.emplace_back();
        }
        inputs_.push_back(std::move(input));
    }
    const auto first = std::find_if(inputs_.begin(), inputs_.end(), [](const auto& in) { return in.insertable; });
    selected_ = first == inputs_.end() ? (inputs_.empty() ? -1 : 0) : static_cast<int>(first - inputs_.begin());
    Compose();
}

bool CEmailMsgPage::OnInitDialog()
{
    const bool result = PropertyPage::OnInitDialog();
    for (const int id : {res::kIdcEmailTo, res::kIdcEmailFrom, res::kIdcEmailSubject})
        GetControlAs<EditControl>(id)->SetLimitText(kFieldLimit);
    GetControlAs<EditControl>(res::kIdcEmailMessage)->SetLimitText(kMessageEditLimit);
    GetControlAs<EditControl>(res::kIdcEmailLowText)->SetLimitText(EmailInputTexts::kLimit);
    GetControlAs<EditControl>(res::kIdcEmailHighText)->SetLimitText(EmailInputTexts::kLimit);
    const bool haveBook = book_ != nullptr;
    for (const int id : {res::kIdcEmailAddressBook, res::kIdcEmailSelectTo, res::kIdcEmailSelectFrom})
        GetControl(id)->Enable(haveBook);
    FillInputList();
    return result;
}

bool CEmailMsgPage::OnSetActive()
{
    filling_ = true;
    const bool result = PropertyPage::OnSetActive();
    filling_ = false;
    OnSelectInput();
    OnModeClicked();
    return result;
}

void CEmailMsgPage::DoDataExchange(DataExchange& exchange)
{
    DdxText(exchange, res::kIdcEmailTo, to_, kFieldLimit);
    DdxText(exchange, res::kIdcEmailFrom, from_, kFieldLimit);
    DdxText(exchange, res::kIdcEmailSubject, subject_, kFieldLimit);
    if (exchange.Saving()) {
        message_ = WithCrLf(ControlText(res::kIdcEmailMessage));
    } else if (Control* message = GetControl(res::kIdcEmailMessage)) {
        message->SetText(WithoutCr(message_));
    }
    DdxRadio(exchange, res::kIdcEmailModeEdit, mode_);
    DdxCheck(exchange, res::kIdcEmailLoggerId, includeLoggerId_);
}

void CEmailMsgPage::FillInputList()
{
    auto* list = GetControlAs<ListBoxControl>(res::kIdcEmailInputList);
    list->ResetContent();
    for (const std::string& row : rows_)
        (void)list->AddString(row);
    if (selected_ >= 0)
        (void)list->SetCurSel(selected_);
}

std::string CEmailMsgPage::ControlText(int id) const
{
    const Control* control = GetControl(id);
    return control != nullptr ? control->GetText() : std::string();
}

void CEmailMsgPage::OnSelectInput()
{
    if (!IsOpen())
        return;
    const int row = GetControlAs<ListBoxControl>(res::kIdcEmailInputList)->GetCurSel();
    if (row >= 0)
        selected_ = row;
    const bool valid = selected_ >= 0 && static_cast<std::size_t>(selected_) < inputs_.size();
    const EmailPreviewInput* input = valid ? &inputs_[static_cast<std::size_t>(selected_)] : nullptr;
    const bool insertable = input != nullptr && input->insertable;
    filling_ = true;
    GetControl(res::kIdcEmailLowText)->SetText(insertable ? input->low : "low");
    GetControl(res::kIdcEmailHighText)->SetText(insertable ? input->high : "high");
    filling_ = false;
    GetControl(res::kIdcEmailInputLabel)->SetText(input != nullptr && !input->number ? kNameLabel : kNumberLabel);
    for (const int id : {res::kIdcEmailLowText, res::kIdcEmailHighText, res::kIdcEmailInsert})
        GetControl(id)->Enable(insertable);
}

void CEmailMsgPage::OnInputTextChanged(bool integerField)
{
    if (filling_ || selected_ < 0 || static_cast<std::size_t>(selected_) >= inputs_.size())
        return;
    EmailPreviewInput& input = inputs_[static_cast<std::size_t>(selected_)];
    if (!input.insertable)
        return;
    const std::string low = ControlText(res::kIdcEmailLowText);
    const std::string high = ControlText(res::kIdcEmailHighText);
    if (input.number) {
        const DigitCounts counts = EmailPreview::TrimDigitCounts(
            {static_cast<int>(low.size()), static_cast<int>(high.size())}, integerField);
        input.low = Run('x', counts.integer);
        input.high = Run('x', counts.fraction);
    } else {
        input.low = low;
        input.high = high;
    }
    Compose();
}

void CEmailMsgPage::OnInsert()
{
    if (selected_ < 0 || static_cast<std::size_t>(selected_) >= inputs_.size() ||
        !inputs_[static_cast<std::size_t>(selected_)].insertable)
        return;
    auto* edit = GetControlAs<EditControl>(res::kIdcEmailMessage);
    const auto [start, end] = edit->GetSel();
    (void)start;
    edit->SetSel(end, end);
    std::string marker(1, '^');
    marker += std::to_string(selected_);
    edit->ReplaceSel(marker);
    Compose();
    edit->SetFocus();
}

void CEmailMsgPage::OnModeClicked()
{
    if (!IsOpen())
        return;
    const auto* numbers = GetControlAs<ButtonControl>(res::kIdcEmailModeNumbers);
    const auto* names = GetControlAs<ButtonControl>(res::kIdcEmailModeNames);
    mode_ = names->GetCheck() != 0 ? 2 : numbers->GetCheck() != 0 ? 1 : 0;
    includeLoggerId_ = GetControlAs<ButtonControl>(res::kIdcEmailLoggerId)->GetCheck() != 0 ? 1 : 0;
    GetControl(res::kIdcEmailMessage)->Show(mode_ == 0);
    GetControl(res::kIdcEmailPreview)->Show(mode_ != 0);
    Compose();
}

void CEmailMsgPage::Compose()
{
    if (IsOpen())
        message_ = WithCrLf(ControlText(res::kIdcEmailMessage));
    composition_ = EmailPreview::Compose(message_, inputs_, static_cast<EmailDisplayMode>(mode_),
        includeLoggerId_ != 0, sizeLimit_);
    if (IsOpen())
        GetControl(res::kIdcEmailPreview)->SetText(composition_.preview);
}

void CEmailMsgPage::ShowError(std::string_view text) const
{
    Application::Instance().Prompts().ShowMessageBox(
        {Handle(), std::string(text), std::string(kCaption), MessageBoxButtons::Ok, MessageBoxIcon::Error});
}

bool CEmailMsgPage::Validate()
{
    if (IsOpen()) {
        to_ = ControlText(res::kIdcEmailTo);
        from_ = ControlText(res::kIdcEmailFrom);
        subject_ = ControlText(res::kIdcEmailSubject);
        Compose();
    }
    if (to_.empty() || from_.empty() || subject_.empty()) {
        ShowError(kRequiredText);
        return false;
    }
    if (composition_.composed.size() > sizeLimit_) {
        // Cut the message at the limit, keeping its markers whole where
        // the composed text allows it.
        message_.resize(std::min(message_.size(), sizeLimit_));
        if (IsOpen()) {
            filling_ = true;
            GetControl(res::kIdcEmailMessage)->SetText(WithoutCr(message_));
            filling_ = false;
        }
        Compose();
        ShowError(kLimitText);
        return false;
    }
    if (composition_.references.size() > EmailTailLayout::kInputs) {
        char text[96];
        std::snprintf(text, sizeof text, std::string(kTooManyInputsText).c_str(),
            static_cast<int>(EmailTailLayout::kInputs));
        ShowError(text);
        return false;
    }
    return true;
}

void CEmailMsgPage::WriteToIcon(CEmailIcon& icon, TransferSettings& settings) const
{
    icon.SetTextSection(CEmailIcon::TextSection::To, to_);
    icon.SetTextSection(CEmailIcon::TextSection::From, from_);
    icon.SetTextSection(CEmailIcon::TextSection::Subject, subject_);
    icon.SetTextSection(CEmailIcon::TextSection::Message, message_);
    EmailTailContent& content = icon.Content();
    for (std::size_t i = 0; i < inputs_.size() && i < content.inputTexts.size(); ++i) {
        content.inputTexts[i].low = Utf8ToCp1252(inputs_[i].low, EmailInputTexts::kLimit);
        content.inputTexts[i].high = Utf8ToCp1252(inputs_[i].high, EmailInputTexts::kLimit);
    }
    content.references.fill(-1);
    std::size_t count = 0;
    for (const int input : composition_.references) {
        if (count == content.references.size())
            break;
        if (input >= 0 && static_cast<std::size_t>(input) < inputs_.size() &&
            inputs_[static_cast<std::size_t>(input)].insertable)
            content.references[count++] = input;
    }
    settings.referenceCount = static_cast<std::uint8_t>(count);
    settings.optionWord = static_cast<std::uint16_t>(
        includeLoggerId_ != 0 ? (settings.optionWord | kLoggerIdBit) : (settings.optionWord & ~kLoggerIdBit));
}

void CEmailMsgPage::OnSelectAddresses(bool to)
{
    if (book_ == nullptr)
        return;
    std::string text = ControlText(to ? res::kIdcEmailTo : res::kIdcEmailFrom);
    CAddAddressToEmailDialog dialog(to ? CAddAddressToEmailDialog::Mode::To : CAddAddressToEmailDialog::Mode::From,
        text, *book_, this);
    if (dialog.DoModal() == kIdOk)
        GetControl(to ? res::kIdcEmailTo : res::kIdcEmailFrom)->SetText(text);
}

void CEmailMsgPage::OnAddressBook()
{
    if (book_ == nullptr)
        return;
    CAddrBookSubDlg dialog(*book_, this);
    (void)dialog.DoModal();
}

}  // namespace corvane
