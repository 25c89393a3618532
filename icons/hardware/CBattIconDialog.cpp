#include "icons/hardware/CBattIconDialog.h"

#include "icons/hardware/CBattIcon.h"
#include "res/BattIconDialog.h"

namespace corvane {

CBattIconDialog::CBattIconDialog(CBattIcon& icon, Window* parent) : CIconDialog(res::kBattIconDialog, icon, 0, parent)
{
    SetSections(false, false, false);
}

}  // namespace corvane
