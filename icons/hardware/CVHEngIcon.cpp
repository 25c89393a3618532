#include "icons/hardware/CVHEngIcon.h"

namespace corvane {

CVHEngIcon::CVHEngIcon()
{
    SetBitmapId(kHighVoltageKind);
    SetModeWord(kHighLevel);
}

CVHEngIcon::CVHEngIcon(const Rect& position, int channel) : CEngInputsIcon(position, channel)
{
    PlaceAs(kHighVoltageKind, kHighLevel, "Vdc");
}

}  // namespace corvane
