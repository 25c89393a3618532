#include "icons/hardware/CVEXA25VOutDialog.h"

#include "icons/hardware/CVEXA25VoltIcon.h"
#include "platform/DataExchange.h"
#include "res/ResourceIds.h"
#include "res/VexaFiveVoltDialog.h"

namespace corvane {
namespace {

constexpr std::uint32_t kHelpContext = 12365;

}  // namespace

CVEXA25VOutDialog::CVEXA25VOutDialog(CVEXA25VoltIcon& icon, Window* parent)
    : CIconDialog(res::kVexaFiveVoltDialog, icon, kHelpContext, parent), channel_(icon)
{
    logic_ = (icon.ChannelWord() & CVEXA_2Icon::kOutputLowWhenHigh) != 0 ? 1 : 0;
}

bool CVEXA25VOutDialog::OnInitDialog()
{
    const bool result = CIconDialog::OnInitDialog();
    SetCaption(kTitle);
    return result;
}

void CVEXA25VOutDialog::DoDataExchange(DataExchange& exchange)
{
    DdxRadio(exchange, res::kIdcVexaHighWhenHigh, logic_);
    CIconDialog::DoDataExchange(exchange);
}

void CVEXA25VOutDialog::ApplyToIcon()
{
    const auto kept = static_cast<std::uint16_t>(
        channel_.ChannelWord() & ~(CVEXA_2Icon::kKindMask | CVEXA_2Icon::kOutputLowWhenHigh));
    channel_.SetChannelWord(static_cast<std::uint16_t>(
        kept | CVEXA_2Icon::kKindFiveVoltOut | (logic_ != 0 ? CVEXA_2Icon::kOutputLowWhenHigh : std::uint16_t{0})));
    channel_.SetChannelCounts(1, 0);
    channel_.GetInputLinks()[0].flags = 0;
    channel_.RebuildConnectors();
}

}  // namespace corvane
