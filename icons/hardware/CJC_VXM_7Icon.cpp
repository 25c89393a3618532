#include "icons/hardware/CJC_VXM_7Icon.h"

namespace corvane {

CJC_VXM_7Icon::CJC_VXM_7Icon(const Rect& position, int address)
    : CVXM_7inputsIcon(position, address, kColdJunctionChannel)
{
    // Celsius.
    PlaceAs(kColdJunctionBitmap, 0x0029, "'C");
}

}  // namespace corvane
