#include "icons/reporting/CBigRamIcon.h"

#include "icons/reporting/CBigRamDialog.h"
#include "res/ResourceIds.h"

namespace corvane {

CBigRamIcon::CBigRamIcon() : CBigDataIcon(DataTagLists::kMaxTags)
{
    Init();
}

CBigRamIcon::CBigRamIcon(const Rect& position) : CBigDataIcon(position, DataTagLists::kMaxTags)
{
    Init();
}

void CBigRamIcon::Init()
{
    SetName("Memory");
    SetBitmapId(res::kBitmapMemoryNet);
    SetMinimumInputs(0);
    InitIcon(Position().left, Position().top, 0, 0, kTypeCode, true, false, false);
}

std::unique_ptr<IconDialog> CBigRamIcon::CreateIconDialog()
{
    return std::make_unique<CBigRamDialog>(*this);
}

int CBigRamIcon::CheckIconConnections(bool& isolated) const
{
    return CheckConnections(isolated, false, false, false, 0, false, true);
}

}  // namespace corvane
