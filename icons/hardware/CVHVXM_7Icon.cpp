#include "icons/hardware/CVHVXM_7Icon.h"

namespace corvane {

CVHVXM_7Icon::CVHVXM_7Icon(const Rect& position, int address, int channel)
    : CVXM_7inputsIcon(position, address, channel)
{
    // Range "+/-7.5 Vdc", sampling code 3.
    PlaceAs(kHighVoltageBitmap, 0x0322, "Vdc");
}

}  // namespace corvane
