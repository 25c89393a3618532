#include "netmodel/RenumberIds.h"

namespace corvane {

RenumberedIds RenumberIds(std::span<const std::uint16_t> ids, std::span<const std::uint16_t> linkSources)
{
    RenumberedIds result;
    std::vector<std::uint16_t> newOf(0x10000, 0);
    result.ids.reserve(ids.size());
    for (std::size_t i = 0; i < ids.size(); ++i) {
        const std::uint16_t next = i < 0xFFFF ? static_cast<std::uint16_t>(i + 1) : std::uint16_t{0};
        result.ids.push_back(next);
        if (ids[i] != 0 && newOf[ids[i]] == 0) {
            newOf[ids[i]] = next;
        }
    }
    result.linkSources.reserve(linkSources.size());
    for (const std::uint16_t source : linkSources) {
        result.linkSources.push_back(source == 0 ? std::uint16_t{0} : newOf[source]);
    }
    return result;
}

}  // namespace corvane
