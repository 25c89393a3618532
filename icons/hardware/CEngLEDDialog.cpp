#include "icons/hardware/CEngLEDDialog.h"

#include "icons/hardware/CEngLEDIcon.h"
#include "res/EngLedDialog.h"

namespace corvane {

CEngLEDDialog::CEngLEDDialog(CEngLEDIcon& icon, Window* parent)
    : CIconDialog(res::kEngLedDialog, icon, kHelpContext, parent)
{
    SetSections(true, false, false);
}

}  // namespace corvane
