#include "icons/hardware/CTCVXM_7Icon.h"

namespace corvane {

CTCVXM_7Icon::CTCVXM_7Icon(const Rect& position, int address, int channel)
    : CVXM_7inputsIcon(position, address, channel)
{
    // Type J in Celsius over the full range, sampling code 3.
    PlaceAs(kThermocoupleBitmap, 0x0310, "'C");
}

}  // namespace corvane
