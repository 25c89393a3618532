#include "icons/common/CIconDialog.h"

#include "base/Cp1252.h"
#include "netmodel/CCorvaneIcon.h"
#include "platform/Application.h"
#include "platform/Control.h"
#include "platform/DataExchange.h"
#include "platform/EditControl.h"
#include "platform/PromptSink.h"

#include <algorithm>

namespace corvane {
namespace {

constexpr std::string_view kUnconnected = "Unconnected";

// The label and the edit of the rows of inputs 2, 3 and 4.
constexpr std::array<int, 3> kRowLabels{CIconDialog::kIdcInput2Label, CIconDialog::kIdcInput3Label,
    CIconDialog::kIdcInput4Label};
constexpr std::array<int, 3> kRowEdits{CIconDialog::kIdcInput2, CIconDialog::kIdcInput3, CIconDialog::kIdcInput4};
constexpr std::array<int, 4> kSourceEdits{CIconDialog::kIdcInput1, CIconDialog::kIdcInput2, CIconDialog::kIdcInput3,
    CIconDialog::kIdcInput4};

std::string EntryText(const OutputEntry& entry)
{
    const auto end = std::find(entry.data.begin(), entry.data.end(), std::uint8_t{0});
    return Cp1252ToUtf8(std::string(entry.data.begin(), end));
}

}  // namespace

CIconDialog::CIconDialog(const DialogTemplate& layout, CCorvaneIcon& icon, std::uint32_t helpContext, Window* parent)
    : Dialog(layout, parent), icon_(icon),
      helpContext_(helpContext != 0 ? helpContext : kDefaultHelpBase + static_cast<std::uint32_t>(layout.id)),
      name_(Cp1252ToUtf8(icon.Header().name.substr(0, kNameLimit)))
{
    inputSources_.fill(std::string(kUnconnected));
    On(Notification::Clicked, kIdHelp, [this](NotifyEvent&) { OnHelp(); });
}

CIconDialog::~CIconDialog() = default;

bool CIconDialog::RunModal()
{
    return DoModal() == kIdOk;
}

void CIconDialog::SetSections(bool inputRow, bool spare, bool unitsRow)
{
    inputRow_ = inputRow;
    spare_ = spare;
    unitsRow_ = unitsRow;
}

void CIconDialog::ShowOptionalConnector(int which, bool show, int connectorIndex)
{
    if (which != 0) {
        ShowOptionalRow(2, show, connectorIndex);
        return;
    }
    outputOption_ = show;
    Remember({ConnectorSide::Output, connectorIndex, show, secondOutputOption_});
}

void CIconDialog::ShowOptionalInput3(bool on, bool show, int connectorIndex)
{
    if (on)
        ShowOptionalRow(3, show, connectorIndex);
}

void CIconDialog::ShowOptionalInput4(bool on, bool show, int connectorIndex)
{
    if (on)
        ShowOptionalRow(4, show, connectorIndex);
}

void CIconDialog::SetOutputOption(bool secondOutput, int connectorIndex)
{
    secondOutputOption_ = secondOutput;
    Remember({ConnectorSide::Output, connectorIndex, secondOutput, secondOutput});
}

void CIconDialog::OnHelp()
{
    Application::Instance().Prompts().ShowHelp(Handle(), helpContext_);
}

void CIconDialog::ShowOptionalRow(int row, bool show, int connectorIndex)
{
    optionalRows_.at(static_cast<std::size_t>(row - 2)) = show;
    rowsUsed_.at(static_cast<std::size_t>(row - 2)) = true;
    inputSources_.at(static_cast<std::size_t>(row - 1)) = show ? SourceName(row) : std::string(kUnconnected);
    ShowRowControls(row);
    Remember({ConnectorSide::Input, connectorIndex, show, false});
}

void CIconDialog::ShowRowControls(int row)
{
    const auto at = static_cast<std::size_t>(row - 2);
    if (!IsOpen() || !rowsUsed_.at(at))
        return;
    const bool shown = optionalRows_.at(at);
    if (Control* label = GetControl(kRowLabels.at(at)))
        label->Show(shown);
    if (auto* edit = GetControlAs<EditControl>(kRowEdits.at(at))) {
        edit->SetReadOnly(true);
        edit->Show(shown);
        edit->SetText(inputSources_.at(static_cast<std::size_t>(row - 1)));
    }
}

void CIconDialog::Remember(PendingConnector change)
{
    // Only the last choice for a connector counts, so that a box checked
    // and cleared again leaves the connector and its links alone.
    std::erase_if(pending_, [&](const PendingConnector& p) { return p.side == change.side && p.index == change.index; });
    pending_.push_back(change);
}

std::string CIconDialog::SourceName(int row) const
{
    const int slot = icon_.ExtraInputCount() + row - 1;
    if (slot >= icon_.TotalInputs())
        return std::string(kUnconnected);
    const InputLink& link = icon_.GetInputLinks()[static_cast<std::size_t>(slot)];
    const CCorvaneIcon* source = link.sourceId != 0 ? icon_.FindIconById(link.sourceId) : nullptr;
    if (source == nullptr)
        return std::string(kUnconnected);
    return Cp1252ToUtf8(source->Header().name.substr(0, kNameLimit));
}

bool CIconDialog::OnInitDialog()
{
    if (auto* name = GetControlAs<EditControl>(kIdcName))
        name->SetLimitText(kNameLimit);
    if (auto* units = GetControlAs<EditControl>(kIdcUnits))
        units->SetLimitText(kUnitsLimit);
    name_ = Cp1252ToUtf8(icon_.Header().name.substr(0, kNameLimit));
    if (inputRow_)
        inputSources_[0] = SourceName(1);
    if (unitsRow_ && icon_.OutputCount() > 0)
        units_ = EntryText(icon_.GetOutputEntries()[0]);
    for (int row = 2; row <= 4; ++row)
        if (optionalRows_.at(static_cast<std::size_t>(row - 2)))
            inputSources_.at(static_cast<std::size_t>(row - 1)) = SourceName(row);
    const bool result = Dialog::OnInitDialog();
    for (int row = 2; row <= 4; ++row)
        ShowRowControls(row);
    if (inputRow_)
        if (auto* edit = GetControlAs<EditControl>(kIdcInput1)) {
            edit->SetReadOnly(true);
            edit->Enable(true);
        }
    return result;
}

void CIconDialog::DoDataExchange(DataExchange& exchange)
{
    DdxText(exchange, kIdcName, name_, kNameLimit);
    // The source rows are read-only: they are shown, never read back.
    if (inputRow_ && !exchange.Saving())
        DdxText(exchange, kSourceEdits[0], inputSources_[0]);
    if (unitsRow_)
        DdxText(exchange, kIdcUnits, units_, kUnitsLimit);
    for (std::size_t row = 1; row < kSourceEdits.size(); ++row)
        if (optionalRows_.at(row - 1) && !exchange.Saving())
            DdxText(exchange, kSourceEdits.at(row), inputSources_.at(row));
}

void CIconDialog::OnOK()
{
    if (!UpdateData(true) || !ValidateFields())
        return;
    for (const PendingConnector& change : pending_)
        icon_.SetOptionalConnector(change.side, change.index, change.present, change.secondOutput);
    pending_.clear();
    ApplyToIcon();
    icon_.SetName(Utf8ToCp1252(name_, kNameLimit));
    if (unitsRow_ && icon_.OutputCount() > 0) {
        SetOutputData(icon_.GetOutputEntries()[0], Utf8ToCp1252(units_, kUnitsLimit));
        // The icons fed by this one take its labels again.
        for (int output = 0; output < icon_.OutputCount(); ++output)
            for (const LinkedInput& linked : icon_.FindLinkedInputs(output))
                linked.icon->PropagateSourceLabels(icon_, output);
    }
    EndDialog(kIdOk);
}

void CIconDialog::OnCancel()
{
    pending_.clear();
    Dialog::OnCancel();
}

}  // namespace corvane
