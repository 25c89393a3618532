#include "icons/hardware/CTCEngIcon.h"

namespace corvane {

CTCEngIcon::CTCEngIcon()
{
    SetBitmapId(kThermocoupleKind);
    SetModeWord(kKindCelsius);
}

CTCEngIcon::CTCEngIcon(const Rect& position, int channel) : CEngInputsIcon(position, channel)
{
    PlaceAs(kThermocoupleKind, kKindCelsius, "'C");
}

}  // namespace corvane
