#include "icons/reporting/CBigRamDialog.h"

#include "icons/reporting/CBigRamIcon.h"

namespace corvane {

CBigRamDialog::CBigRamDialog(CBigRamIcon& icon, Window* parent)
    : CBigDataIconDialog(icon, kHelpContext, "Log Data Memory", parent)
{
}

}  // namespace corvane
