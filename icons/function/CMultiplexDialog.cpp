#include "icons/function/CMultiplexDialog.h"

#include "base/Cp1252.h"
#include "icons/function/CMultiplexIcon.h"
#include "platform/Control.h"
#include "res/MultiplexDialog.h"
#include "res/ResourceIds.h"

namespace corvane {
namespace {

constexpr std::string_view kUnconnected = "Unconnected";

}  // namespace

CMultiplexDialog::CMultiplexDialog(CMultiplexIcon& icon, Window* parent)
    : CIconDialog(res::kMultiplexDialog, icon, 0, parent)
{
    SetSections(false, false, false);
}

std::string CMultiplexDialog::SourceOf(int slot) const
{
    const auto links = Icon().GetInputLinks();
    if (slot < 0 || static_cast<std::size_t>(slot) >= links.size()
        || !links[static_cast<std::size_t>(slot)].IsConnected())
        return {};
    const CCorvaneIcon* source = Icon().FindIconById(links[static_cast<std::size_t>(slot)].sourceId);
    return source != nullptr ? Cp1252ToUtf8(source->Header().name) : std::string();
}

void CMultiplexDialog::ShowSource(int controlId, int slot)
{
    Control* field = GetControl(controlId);
    if (field == nullptr)
        return;
    const std::string source = SourceOf(slot);
    field->SetText(source.empty() ? std::string(kUnconnected) : source);
    field->Enable(!source.empty());
}

bool CMultiplexDialog::OnInitDialog()
{
    const bool result = CIconDialog::OnInitDialog();
    ShowSource(res::kIdcMuxInputA, CMultiplexIcon::kInputA);
    ShowSource(res::kIdcMuxSelectLow, CMultiplexIcon::kSelectInput);
    ShowSource(res::kIdcMuxInputB, CMultiplexIcon::kInputB);
    ShowSource(res::kIdcMuxSelectHigh, CMultiplexIcon::kSelectInput);
    return result;
}

}  // namespace corvane
