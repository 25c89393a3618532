#include "icons/function/CLatchDialog.h"

#include "icons/function/CLatchIcon.h"
#include "platform/DataExchange.h"
#include "res/LatchDialog.h"
#include "res/ResourceIds.h"

namespace corvane {

CLatchDialog::CLatchDialog(CLatchIcon& icon, Window* parent)
    : CIconDialog(res::kLatchDialog, icon, 0, parent), latch_(icon), state_(icon.IsOffChosen() ? 1 : 0)
{
    SetSections(true, false, false);
}

void CLatchDialog::DoDataExchange(DataExchange& exchange)
{
    DdxRadio(exchange, res::kIdcLatchOn, state_);
    CIconDialog::DoDataExchange(exchange);
}

void CLatchDialog::ApplyToIcon()
{
    latch_.SetOffChosen(state_ == 1);
}

}  // namespace corvane
