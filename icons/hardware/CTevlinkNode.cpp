#include "icons/hardware/CTevlinkNode.h"

#include "res/ResourceIds.h"

#include <algorithm>

namespace corvane {

CTevlinkNode::CTevlinkNode(
    int bitmapId, int ctrlId, const Rect& rect, std::span<const std::uint8_t, CHardwarePoll::kModuleRecordSize> record)
    : CCorvaneCtrl(false, false, false, false, bitmapId, ctrlId, rect)
{
    std::ranges::copy(record, record_.begin());
}

int CTevlinkNode::PictureForModuleType(std::uint8_t moduleType)
{
    switch (moduleType) {
    case 0: return res::kBitmapModuleAnalog;
    case 1: return res::kBitmapModuleDigital;
    default: return res::kBitmapModuleOther;
    }
}

}  // namespace corvane
