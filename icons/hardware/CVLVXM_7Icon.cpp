#include "icons/hardware/CVLVXM_7Icon.h"

namespace corvane {

CVLVXM_7Icon::CVLVXM_7Icon(const Rect& position, int address, int channel)
    : CVXM_7inputsIcon(position, address, channel)
{
    // Range "+/- 2.2 Vdc", sampling code 3.
    PlaceAs(kLowVoltageBitmap, 0x0307, "Vdc");
}

}  // namespace corvane
