#include "icons/hardware/CTevlinkNode.h"

#include "base/NoticeSink.h"
#include "res/ResourceIds.h"

#include <algorithm>
#include <utility>

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

void CTevlinkNode::SetNodeDialogRunner(NodeDialogRunner runner, NoticeSink* notices)
{
    runner_ = std::move(runner);
    notices_ = notices;
}

std::string CTevlinkNode::UnknownModuleText(std::uint8_t moduleType, std::uint8_t address)
{
    return "Unknown module type " + std::to_string(moduleType) + " at Tevlink address " + std::to_string(address);
}

void CTevlinkNode::OnOpen()
{
    const std::uint8_t type = ModuleType();
    if (type == 0 || type == 1) {
        // A copy runs: the picture may be rebuilt, and this node deleted,
        // while the dialog is open.
        if (const NodeDialogRunner runner = runner_)
            runner(type, Address());
        return;
    }
    if (type == kModuleTypeOther)
        return;
    if (notices_ != nullptr)
        notices_->ShowNotice(UnknownModuleText(type, Address()), "Warning", NoticeStyle::Warning);
}

}  // namespace corvane
