#include "icons/hardware/CACEngIcon.h"

namespace corvane {

CACEngIcon::CACEngIcon()
{
    SetBitmapId(kCurrentKind);
    SetModeWord(kKindCurrent);
}

CACEngIcon::CACEngIcon(const Rect& position, int channel) : CEngInputsIcon(position, channel)
{
    PlaceAs(kCurrentKind, kKindCurrent, "mA");
}

}  // namespace corvane
