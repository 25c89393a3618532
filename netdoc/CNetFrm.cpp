#include "netdoc/CNetFrm.h"

#include "netmodel/CIconBar.h"
#include "platform/MdiFrame.h"

#include <algorithm>
#include <cstdlib>

namespace corvane {

CNetFrm::CNetFrm(EditorEnvironment& environment) : ChildFrame(ChildFrameStyle{false}), environment_(environment) {}

CNetFrm::~CNetFrm() = default;

void CNetFrm::SetIconBarTarget(CanvasWindow* view)
{
    if (iconBar_ != nullptr)
        iconBar_->SetTargetView(view);
}

void CNetFrm::ShowPalette(bool show)
{
    if (iconBar_ != nullptr)
        iconBar_->Show(show);
}

std::optional<Point> CNetFrm::PalettePositionAfterMainFrameMove(
    Point storedMainTopLeft, Point newMainTopLeft, Point paletteTopLeft)
{
    const Point delta = newMainTopLeft - storedMainTopLeft;
    if (std::abs(delta.x) > kLargestFollowedMove || std::abs(delta.y) > kLargestFollowedMove)
        return std::nullopt;
    const Point moved = paletteTopLeft + delta;
    return Point{std::max(moved.x, 0), std::max(moved.y, 0)};
}

bool CNetFrm::OnCreate()
{
    MdiFrame* main = MainFrame();
    if (main == nullptr)
        return false;
    iconBar_ = std::make_unique<CIconBar>(*main, environment_);
    iconBar_->MoveTo(main->WindowRect().TopLeft() + kPaletteOffset);
    iconBar_->Show(false);
    return true;
}

void CNetFrm::OnMainFrameMoved(Point oldTopLeft, Point newTopLeft)
{
    if (iconBar_ == nullptr)
        return;
    if (!mainTopLeft_)
        mainTopLeft_ = oldTopLeft;
    const std::optional<Point> place
        = PalettePositionAfterMainFrameMove(*mainTopLeft_, newTopLeft, iconBar_->WindowRect().TopLeft());
    if (!place)
        return;
    mainTopLeft_ = newTopLeft;
    iconBar_->MoveTo(*place);
}

}  // namespace corvane
