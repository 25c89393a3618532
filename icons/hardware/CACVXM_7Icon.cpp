#include "icons/hardware/CACVXM_7Icon.h"

namespace corvane {

CACVXM_7Icon::CACVXM_7Icon(const Rect& position, int address, int channel)
    : CVXM_7inputsIcon(position, address, channel)
{
    // Range "+/- 22 mAdc", sampling code 3.
    PlaceAs(kCurrentBitmap, 0x030F, "mAdc");
}

}  // namespace corvane
