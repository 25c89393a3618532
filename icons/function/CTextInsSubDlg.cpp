#include "icons/function/CTextInsSubDlg.h"

#include "base/Cp1252.h"
#include "icons/function/CLCDtextIcon.h"
#include "icons/function/LcdMessageTail.h"
#include "platform/Application.h"
#include "platform/ButtonControl.h"
#include "platform/EditControl.h"
#include "platform/ListBoxControl.h"
#include "platform/PromptSink.h"
#include "res/LcdMessageEntryDialog.h"
#include "res/ResourceIds.h"

#include <algorithm>

namespace corvane {
namespace {

constexpr std::size_t kMessageEditLimit = 6035;
constexpr std::size_t kShownNameLimit = 22;
constexpr int kMaxInputNumber = 9;  // a marker holds one digit

// The message edit shows lines separated by LF; the message keeps CR LF
// and Windows-1252 text.
std::string ModelFromEdit(std::string_view utf8)
{
    std::string model;
    for (const char c : Utf8ToCp1252(utf8)) {
        if (c == '\r')
            continue;
        if (c == '\n')
            model += '\r';
        model += c;
    }
    return model;
}

std::string EditFromModel(std::string_view model)
{
    std::string bytes;
    for (std::size_t i = 0; i < model.size(); ++i) {
        if (model[i] == '\r' && i + 1 < model.size() && model[i + 1] == '\n')
            continue;
        bytes += model[i] == '\r' ? '\n' : model[i];
    }
    return Cp1252ToUtf8(bytes);
}

// The message offset of an edit position (the edit counts UTF-16 units).
std::size_t ModelOffset(std::string_view utf8, int units)
{
    std::size_t offset = 0;
    int seen = 0;
    for (std::size_t i = 0; i < utf8.size() && seen < units;) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        std::size_t length = 1;
        if ((lead & 0xE0) == 0xC0)
            length = 2;
        else if ((lead & 0xF0) == 0xE0)
            length = 3;
        else if ((lead & 0xF8) == 0xF0)
            length = 4;
        seen += length == 4 ? 2 : 1;
        if (lead != '\r')
            offset += lead == '\n' ? 2 : 1;
        i += length;
    }
    return offset;
}

// The edit position of a message offset.
int EditOffset(std::string_view model, std::size_t offset)
{
    int units = 0;
    for (std::size_t i = 0; i < offset && i < model.size(); ++i)
        if (!(model[i] == '\r' && i + 1 < model.size() && model[i + 1] == '\n'))
            ++units;
    return units;
}

std::string EntryLabel(const OutputEntry& entry)
{
    const auto end = std::find(entry.data.begin(), entry.data.end(), std::uint8_t{0});
    return Cp1252ToUtf8(std::string(entry.data.begin(), end));
}

}  // namespace

CTextInsSubDlg::CTextInsSubDlg(const CLCDtextIcon& icon, const LcdMessageContext& context, Window* parent)
    : Dialog(res::kLcdMessageEntryDialog, parent), icon_(icon), context_(context), texts_(context.inputTexts)
{
    On(Notification::Changed, res::kIdcLcdMessage, [this](NotifyEvent&) { OnMessageChanged(); });
    On(Notification::Changed, res::kIdcLcdFormatLow, [this](NotifyEvent&) { OnFormatChanged(true); });
    On(Notification::Changed, res::kIdcLcdFormatHigh, [this](NotifyEvent&) { OnFormatChanged(false); });
    On(Notification::Clicked, res::kIdcLcdInsert, [this](NotifyEvent&) { OnInsert(); });
    On(Notification::SelectionChanged, res::kIdcLcdInputList, [this](NotifyEvent&) { OnSelectInput(); });
    On(Notification::Clicked, res::kIdcLcdModeEdit, [this](NotifyEvent&) { OnView(View::Edit); });
    On(Notification::Clicked, res::kIdcLcdModeNumbers, [this](NotifyEvent&) { OnView(View::Numbers); });
    On(Notification::Clicked, res::kIdcLcdModeNames, [this](NotifyEvent&) { OnView(View::Names); });
}

CTextInsSubDlg::~CTextInsSubDlg() = default;

std::string_view CTextInsSubDlg::CaptionFor(int lineCount)
{
    return lineCount == 3 ? "Conditional LCD Message; Message Entry" : "Event Triggered LCD Message; Message Entry";
}

std::string CTextInsSubDlg::LayoutWarning(int lineCount)
{
    return "That would exceed the maximum " + std::to_string(lineCount) + " lines of "
        + std::to_string(LcdMessageContext::kColumns) + " characters, with one insert per line";
}

EditControl* CTextInsSubDlg::Edit(int id) const
{
    return GetControlAs<EditControl>(id);
}

LcdMessageLayout CTextInsSubDlg::MakeLayout() const
{
    std::array<int, 10> widths{};
    widths.fill(LcdMessageLayout::kNotAnInput);
    for (const InputRow& row : rows_)
        widths[static_cast<std::size_t>(row.input)] =
            LcdMessageLayout::InsertWidth(row.data, texts_[static_cast<std::size_t>(row.input)]);
    return LcdMessageLayout(context_.lineCount, widths);
}

bool CTextInsSubDlg::OnInitDialog()
{
    SetCaption(CaptionFor(context_.lineCount));
    const bool latched = context_.lineCount == 2;
    const auto links = icon_.GetInputLinks();
    for (int input = 0; input <= kMaxInputNumber && input < icon_.TotalInputs(); ++input) {
        if (!LcdMessageTail::IsValueInput(latched, input))
            continue;
        InputRow row;
        row.input = input;
        row.data = icon_.IsDataInput(input);
        const InputLink& link = links[static_cast<std::size_t>(input)];
        const CCorvaneIcon* source = link.IsConnected() ? icon_.FindIconById(link.sourceId) : nullptr;
        if (source != nullptr) {
            row.linked = true;
            row.sourceName = Cp1252ToUtf8(source->Header().name);
            const std::string label = link.sourceOutput < source->OutputCount()
                ? EntryLabel(source->GetOutputEntries()[link.sourceOutput])
                : std::string();
            row.text = std::to_string(input);
            row.text.append(" ").append(row.sourceName).append(" ").append(label);
            LcdInsertTexts& texts = texts_[static_cast<std::size_t>(input)];
            if (row.data && texts.low.empty()) {
                texts.low.assign(2, 'x');
                if (texts.high.empty())
                    texts.high.assign(1, 'x');
            }
        }
        rows_.push_back(row);
    }

    const std::string tidy = LcdMessageLayout::Tidy(context_.message);
    const LcdMessageLayout::Result laid = MakeLayout().Reflow(tidy, tidy.size());
    accepted_ = laid.fits ? laid.text : tidy;
    acceptedCaret_ = accepted_.size();
    lineInserts_ = laid.lineInserts;

    const bool result = Dialog::OnInitDialog();
    if (EditControl* message = Edit(res::kIdcLcdMessage))
        message->SetLimitText(kMessageEditLimit);
    for (const int id : {res::kIdcLcdFormatLow, res::kIdcLcdFormatHigh})
        if (EditControl* format = Edit(id))
            format->SetLimitText(LcdInsertTexts::kLimit);
    if (auto* editView = GetControlAs<ButtonControl>(res::kIdcLcdModeEdit))
        editView->SetCheck(1);
    SetMessageText(accepted_, acceptedCaret_);
    if (auto* list = GetControlAs<ListBoxControl>(res::kIdcLcdInputList)) {
        for (const InputRow& row : rows_)
            list->AddString(row.text);
        const auto first = std::find_if(rows_.begin(), rows_.end(), [](const InputRow& row) { return row.linked; });
        selectedRow_ = first == rows_.end() ? -1 : static_cast<int>(first - rows_.begin());
        list->SetCurSel(selectedRow_);
    }
    ShowSelection();
    OnView(View::Edit);
    return result;
}

void CTextInsSubDlg::SetMessageText(const std::string& model, std::size_t caret)
{
    EditControl* message = Edit(res::kIdcLcdMessage);
    if (message == nullptr)
        return;
    updating_ = true;
    message->SetText(EditFromModel(model));
    const int at = EditOffset(model, caret);
    message->SetSel(at, at);
    updating_ = false;
}

void CTextInsSubDlg::Accept(const LcdMessageLayout::Result& result, bool rewrite)
{
    accepted_ = result.text;
    acceptedCaret_ = result.caret;
    lineInserts_ = result.lineInserts;
    if (rewrite)
        SetMessageText(accepted_, acceptedCaret_);
    RebuildPreview();
}

void CTextInsSubDlg::OnMessageChanged()
{
    EditControl* message = Edit(res::kIdcLcdMessage);
    if (updating_ || message == nullptr)
        return;
    const std::string shown = message->GetText();
    const std::string model = ModelFromEdit(shown);
    const LcdMessageLayout::Result laid = MakeLayout().Reflow(model, ModelOffset(shown, message->CaretPosition()));
    if (!laid.fits) {
        // The change does not fit the display: the message stays as it was.
        SetMessageText(accepted_, acceptedCaret_);
        return;
    }
    Accept(laid, laid.text != model);
}

void CTextInsSubDlg::OnFormatChanged(bool low)
{
    const InputRow* row = SelectedRow();
    if (updating_ || row == nullptr || !row->linked)
        return;
    LcdInsertTexts& texts = texts_[static_cast<std::size_t>(row->input)];
    const LcdInsertTexts before = texts;
    LcdInsertTexts typed;
    if (EditControl* edit = Edit(res::kIdcLcdFormatLow))
        typed.low = Utf8ToCp1252(edit->GetText(), LcdInsertTexts::kLimit);
    if (EditControl* edit = Edit(res::kIdcLcdFormatHigh))
        typed.high = Utf8ToCp1252(edit->GetText(), LcdInsertTexts::kLimit);
    if (row->data) {
        // Only the lengths of a number's patterns count: they show as 'x's.
        const auto [integer, decimals] = LcdMessageLayout::FitNumberPattern(
            static_cast<int>(typed.low.size()), static_cast<int>(typed.high.size()), low);
        typed = {
            std::string(static_cast<std::size_t>(integer), 'x'), std::string(static_cast<std::size_t>(decimals), 'x')};
    }
    texts = typed;
    const LcdMessageLayout::Result laid = MakeLayout().Reflow(accepted_, acceptedCaret_);
    if (!laid.fits) {
        texts = before;
        ShowFormatTexts();
        ShowLayoutWarning();
        return;
    }
    ShowFormatTexts();
    Accept(laid, laid.text != accepted_);
}

void CTextInsSubDlg::OnInsert()
{
    const InputRow* row = SelectedRow();
    EditControl* message = Edit(res::kIdcLcdMessage);
    if (row == nullptr || !row->linked || message == nullptr)
        return;
    const std::string shown = message->GetText();
    const std::string model = ModelFromEdit(shown);
    const std::size_t caret = std::min(ModelOffset(shown, message->CaretPosition()), model.size());
    std::string marker(1, '^');
    marker.append(std::to_string(row->input));
    const std::string inserted = model.substr(0, caret) + marker + model.substr(caret);
    const LcdMessageLayout::Result laid = MakeLayout().Reflow(inserted, caret + marker.size());
    if (!laid.fits) {
        ShowLayoutWarning();
        return;
    }
    Accept(laid, true);
}

void CTextInsSubDlg::OnSelectInput()
{
    if (const auto* list = GetControlAs<ListBoxControl>(res::kIdcLcdInputList))
        selectedRow_ = list->GetCurSel();
    ShowSelection();
}

const CTextInsSubDlg::InputRow* CTextInsSubDlg::SelectedRow() const
{
    if (selectedRow_ < 0 || static_cast<std::size_t>(selectedRow_) >= rows_.size())
        return nullptr;
    return &rows_[static_cast<std::size_t>(selectedRow_)];
}

void CTextInsSubDlg::ShowSelection()
{
    const InputRow* row = SelectedRow();
    const bool data = row != nullptr && row->data;
    if (Control* label = GetControl(res::kIdcLcdFormatLowLabel))
        label->SetText(data ? "" : "Low->");
    if (Control* label = GetControl(res::kIdcLcdFormatHighLabel))
        label->SetText(data ? "." : "High->");
    if (Control* description = GetControl(res::kIdcLcdFormatDescription))
        description->SetText(data ? "Input Value Numerical Formatting to use in message:"
                                  : "Input Value Terminology to use in message: i.e. [false] [true]");
    const bool usable = row != nullptr && row->linked;
    for (const int id : {res::kIdcLcdFormatLow, res::kIdcLcdFormatHigh, res::kIdcLcdInsert})
        if (Control* control = GetControl(id))
            control->Enable(usable);
    ShowFormatTexts();
}

void CTextInsSubDlg::ShowFormatTexts()
{
    const InputRow* row = SelectedRow();
    const LcdInsertTexts shown = row != nullptr ? texts_[static_cast<std::size_t>(row->input)] : LcdInsertTexts{};
    updating_ = true;
    if (EditControl* edit = Edit(res::kIdcLcdFormatLow); edit != nullptr && edit->GetText() != Cp1252ToUtf8(shown.low))
        edit->SetText(Cp1252ToUtf8(shown.low));
    if (EditControl* edit = Edit(res::kIdcLcdFormatHigh);
        edit != nullptr && edit->GetText() != Cp1252ToUtf8(shown.high))
        edit->SetText(Cp1252ToUtf8(shown.high));
    updating_ = false;
}

void CTextInsSubDlg::OnView(View view)
{
    view_ = view;
    if (Control* message = GetControl(res::kIdcLcdMessage))
        message->Show(view == View::Edit);
    if (Control* preview = GetControl(res::kIdcLcdMessagePreview))
        preview->Show(view != View::Edit);
    RebuildPreview();
}

void CTextInsSubDlg::RebuildPreview()
{
    std::array<std::string, 10> expansions{};
    for (const InputRow& row : rows_) {
        std::string& shown = expansions[static_cast<std::size_t>(row.input)];
        const LcdInsertTexts& texts = texts_[static_cast<std::size_t>(row.input)];
        if (view_ == View::Names) {
            shown = Utf8ToCp1252(row.sourceName, kShownNameLimit);
        } else if (!row.data) {
            shown = texts.low.size() >= texts.high.size() ? texts.low : texts.high;
        } else {
            shown = std::string(texts.low.size(), '#');
            if (!texts.high.empty())
                shown.append(1, '.').append(texts.high.size(), '#');
        }
    }
    preview_ = MakeLayout().Preview(accepted_, expansions);
    if (EditControl* preview = Edit(res::kIdcLcdMessagePreview))
        preview->SetText(EditFromModel(preview_));
}

void CTextInsSubDlg::ShowLayoutWarning()
{
    MessageBoxRequest request;
    request.owner = Handle();
    request.text = LayoutWarning(context_.lineCount);
    request.caption = "Warning";
    request.buttons = MessageBoxButtons::Ok;
    request.icon = MessageBoxIcon::Warning;
    Application::Instance().Prompts().ShowMessageBox(request);
}

void CTextInsSubDlg::OnOK()
{
    const LcdMessageLayout layout = MakeLayout();
    context_.message = layout.Finish(accepted_);
    context_.preview = preview_;
    context_.inputTexts = texts_;
    context_.lineInserts = {-1, -1, -1};
    for (int line = 0; line < context_.lineCount; ++line)
        context_.lineInserts[static_cast<std::size_t>(line)] = lineInserts_[static_cast<std::size_t>(line)];
    EndDialog(kIdOk);
}

}  // namespace corvane
