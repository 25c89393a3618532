#pragma once

#include "platform/Geometry.h"

#include <memory>
#include <vector>

namespace corvane {

class CCorvaneTool;

// Tool kinds: select, connect, a second connect tool that is never made
// current, and the control-picture tool of the Communication Window.
namespace tool_kind {
inline constexpr int kSelect = 0;
inline constexpr int kConnect = 1;
inline constexpr int kRectangle = 2;
inline constexpr int kControl = 3;
}  // namespace tool_kind

// The program's mouse tools, one of each kind, and the state of the drag
// they share: the current kind (one for all views, so one drag at a time),
// and the key flags and client points of the last left-button press.
// The program makes one set and hands it to every view; UI thread only.
class CToolSet {
public:
    // Makes the tools in their order: control picture, select, connect,
    // and the second connect tool.
    CToolSet();
    ~CToolSet();
    CToolSet(const CToolSet&) = delete;
    CToolSet& operator=(const CToolSet&) = delete;

    // The first tool of the kind, or null.
    CCorvaneTool* FindTool(int kind) const;
    // The tool of the current kind (never null for kinds 0, 1 and 3).
    CCorvaneTool* CurrentTool() const { return FindTool(currentKind_); }

    int CurrentKind() const { return currentKind_; }
    void SetCurrentKind(int kind) { currentKind_ = kind; }

    unsigned DownFlags() const { return downFlags_; }
    void SetDownFlags(unsigned flags) { downFlags_ = flags; }
    Point DownPoint() const { return downPoint_; }
    void SetDownPoint(Point point) { downPoint_ = point; }
    Point LastPoint() const { return lastPoint_; }
    void SetLastPoint(Point point) { lastPoint_ = point; }

private:
    std::vector<std::unique_ptr<CCorvaneTool>> tools_;
    int currentKind_ = tool_kind::kSelect;
    unsigned downFlags_ = 0;
    Point downPoint_;
    Point lastPoint_;
};

}  // namespace corvane
