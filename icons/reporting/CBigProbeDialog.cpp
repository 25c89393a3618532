#include "icons/reporting/CBigProbeDialog.h"

#include "icons/reporting/CBigProbeIcon.h"

namespace corvane {

CBigProbeDialog::CBigProbeDialog(CBigProbeIcon& icon, Window* parent)
    : CBigDataIconDialog(icon, kHelpContext, "Probe Point", parent)
{
}

}  // namespace corvane
