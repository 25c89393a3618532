#include "icons/reporting/CBigProbeIcon.h"

#include "icons/reporting/CBigProbeDialog.h"
#include "res/ResourceIds.h"

namespace corvane {

CBigProbeIcon::CBigProbeIcon() : CBigDataIcon(DataTagLists::kMaxTags)
{
    Init();
}

CBigProbeIcon::CBigProbeIcon(const Rect& position) : CBigDataIcon(position, DataTagLists::kMaxTags)
{
    Init();
}

void CBigProbeIcon::Init()
{
    SetName("Probe");
    SetBitmapId(res::kBitmapProbeNet);
    SetMinimumInputs(0);
    InitIcon(Position().left, Position().top, 0, 0, kTypeCode, true, false, false);
}

std::unique_ptr<IconDialog> CBigProbeIcon::CreateIconDialog()
{
    return std::make_unique<CBigProbeDialog>(*this);
}

int CBigProbeIcon::CheckIconConnections(bool& isolated) const
{
    return CheckConnections(isolated, false, false, false, 0, false, true);
}

}  // namespace corvane
