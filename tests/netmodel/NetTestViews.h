#pragma once

#include "netmodel/CCorvaneObj.h"
#include "netmodel/NetObjectView.h"
#include "platform/View.h"

#include <algorithm>
#include <vector>

namespace corvane::test {

// A view with a selection that records what the model asks of it.
class FakeObjectView final : public View, public NetObjectView {
public:
    std::vector<const CCorvaneObj*> selection;
    std::vector<Rect> invalidated;
    std::vector<Size> paperSizes;
    bool activated = true;

    bool IsSelected(const CCorvaneObj& object) const override
    {
        return std::find(selection.begin(), selection.end(), &object) != selection.end();
    }
    std::size_t SelectionCount() const override { return selection.size(); }
    void DropFromSelection(const CCorvaneObj& object) override
    {
        selection.erase(std::remove(selection.begin(), selection.end(), &object), selection.end());
    }
    bool IsViewActivated() const override { return activated; }
    void InvalidateObject(const CCorvaneObj& object) override { invalidated.push_back(object.Position()); }
    void OnPaperSizeChanged(Size paper) override { paperSizes.push_back(paper); }
};

}  // namespace corvane::test
