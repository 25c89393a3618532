#include "icons/hardware/CPowerManagementDialog.h"

#include "icons/hardware/CPowerManagementIcon.h"
#include "platform/DataExchange.h"
#include "res/PowerManagementDialog.h"
#include "res/ResourceIds.h"

namespace corvane {
namespace {

constexpr int kMaxDelay = 255;

}  // namespace

CPowerManagementDialog::CPowerManagementDialog(CPowerManagementIcon& icon, Window* parent)
    : CIconDialog(res::kPowerManagementDialog, icon, 0, parent), power_(icon)
{
    SetSections(false, true, false);
}

bool CPowerManagementDialog::OnInitDialog()
{
    SetCaption("Power Management");
    delay_ = power_.PowerWord() & CPowerManagementIcon::kDelayMask;
    scheduled_ = (power_.PowerWord() & CPowerManagementIcon::kScheduled) != 0 ? 1 : 0;
    return CIconDialog::OnInitDialog();
}

void CPowerManagementDialog::DoDataExchange(DataExchange& exchange)
{
    DdxCheck(exchange, res::kIdcPowerScheduled, scheduled_);
    DdxInt(exchange, res::kIdcPowerDelay, delay_, 0, kMaxDelay);
    CIconDialog::DoDataExchange(exchange);
}

void CPowerManagementDialog::ApplyToIcon()
{
    const auto delay = static_cast<std::uint16_t>(delay_);
    power_.SetPowerWord(scheduled_ != 0 ? static_cast<std::uint16_t>(delay | CPowerManagementIcon::kScheduled) : delay);
}

}  // namespace corvane
