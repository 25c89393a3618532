#include "platform/CursorCatalog.h"

#include <array>
#include <utility>

namespace corvane {

namespace {

struct StandardId {
    int id;
    CursorShape shape;
};

constexpr std::array kStandardIds{
    StandardId{32512, CursorShape::Arrow},
    StandardId{32513, CursorShape::IBeam},
    StandardId{32514, CursorShape::Wait},
    StandardId{32515, CursorShape::Cross},
    StandardId{32642, CursorShape::SizeDiagonalDown},
    StandardId{32643, CursorShape::SizeDiagonalUp},
    StandardId{32644, CursorShape::SizeHorizontal},
    StandardId{32645, CursorShape::SizeVertical},
    StandardId{32646, CursorShape::SizeAll},
    StandardId{32648, CursorShape::No},
    StandardId{32649, CursorShape::Hand},
};

}  // namespace

CursorCatalog::CursorCatalog()
{
    for (const StandardId& standard : kStandardIds)
        made_.emplace(standard.id, Cursor(standard.shape));
}

void CursorCatalog::Register(int id, Maker maker)
{
    made_.erase(id);
    makers_[id] = std::move(maker);
}

bool CursorCatalog::Has(int id) const { return makers_.count(id) != 0 || made_.count(id) != 0; }

Cursor CursorCatalog::Get(int id)
{
    if (auto it = made_.find(id); it != made_.end())
        return it->second;
    auto maker = makers_.find(id);
    if (maker == makers_.end() || !maker->second)
        return Cursor();
    Cursor made;
    try {
        made = maker->second();
    } catch (...) {
        // A maker that fails gives the arrow, like one that gives nothing.
        made = Cursor();
    }
    made_.emplace(id, made);
    return made;
}

}  // namespace corvane
