#include "icons/hardware/CEngRelayDialog.h"

#include "icons/hardware/CQuvEngRelayIcon.h"
#include "platform/DataExchange.h"
#include "res/EngRelayDialog.h"
#include "res/ResourceIds.h"

namespace corvane {
namespace {

constexpr std::uint16_t kStopBits = CQuvEngRelayIcon::kRetainOnStop | CQuvEngRelayIcon::kCloseOnStop;

}  // namespace

CEngRelayDialog::CEngRelayDialog(CQuvEngRelayIcon& icon, Window* parent)
    : CIconDialog(res::kEngRelayDialog, icon, kHelpContext, parent), relay_(icon)
{
    SetSections(true, false, false);
}

bool CEngRelayDialog::OnInitDialog()
{
    SetCaption("Latching Relay");
    const std::uint16_t mode = relay_.ModeWord();
    logic_ = (mode & CQuvEngRelayIcon::kOpenWhenHigh) != 0 ? 1 : 0;
    const std::uint16_t stop = mode & kStopBits;
    stopState_ = stop == CQuvEngRelayIcon::kCloseOnStop ? kCloseIndex
        : stop == CQuvEngRelayIcon::kRetainOnStop       ? kRetainIndex
                                                        : kOpenIndex;
    return CIconDialog::OnInitDialog();
}

void CEngRelayDialog::DoDataExchange(DataExchange& exchange)
{
    DdxRadio(exchange, res::kIdcRelayRetain, stopState_);
    DdxRadio(exchange, res::kIdcRelayClosedWhenHigh, logic_);
    CIconDialog::DoDataExchange(exchange);
}

void CEngRelayDialog::ApplyToIcon()
{
    std::uint16_t mode = logic_ == 1 ? CQuvEngRelayIcon::kOpenWhenHigh : 0;
    if (stopState_ == kRetainIndex)
        mode |= CQuvEngRelayIcon::kRetainOnStop;
    else if (stopState_ == kCloseIndex)
        mode |= CQuvEngRelayIcon::kCloseOnStop;
    relay_.SetModeWord(mode);
}

}  // namespace corvane
