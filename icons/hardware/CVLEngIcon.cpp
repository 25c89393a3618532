#include "icons/hardware/CVLEngIcon.h"

namespace corvane {

CVLEngIcon::CVLEngIcon()
{
    SetBitmapId(kLowVoltageKind);
    SetModeWord(kKindVoltage);
}

CVLEngIcon::CVLEngIcon(const Rect& position, int channel) : CEngInputsIcon(position, channel)
{
    PlaceAs(kLowVoltageKind, kKindVoltage, "Vdc");
}

}  // namespace corvane
