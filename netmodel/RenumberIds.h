#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace corvane {

// A net's ids after compact renumbering.
struct RenumberedIds {
    std::vector<std::uint16_t> ids;          // new id of each icon, in list order
    std::vector<std::uint16_t> linkSources;  // each link's source id in the new numbering
};

// Gives the icons the ids 1, 2, 3 ... in list order and maps every link's
// source id along. When an old id appears more than once, links follow its
// first icon. A link whose source is 0 or names no icon of the list becomes
// unconnected (0). The list must hold at most 65535 icons; later ones get 0.
RenumberedIds RenumberIds(std::span<const std::uint16_t> ids, std::span<const std::uint16_t> linkSources);

}  // namespace corvane
