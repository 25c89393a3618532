#include "netmodel/CUIDMgr.h"

#include <algorithm>

namespace corvane {

std::optional<std::uint16_t> CUIDMgr::GetNextId()
{
    if (counter_ == 0xFFFF) {
        return std::nullopt;
    }
    ++counter_;
    return counter_;
}

void CUIDMgr::ResetFromIds(std::span<const std::uint16_t> ids)
{
    counter_ = 0;
    for (const std::uint16_t id : ids) {
        counter_ = std::max(counter_, id);
    }
}

}  // namespace corvane
