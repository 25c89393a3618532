// Redraws a net that fills the net file's size limit in the net editor's
// view, as the view paints its window: the paper, the grid dots and every
// icon with its links.
#include "FullNetFixture.h"

#include "netdoc/CNetView.h"
#include "netdoc/HardwareIconMakers.h"
#include "netdoc/NetViewServices.h"
#include "netmodel/CInput.h"
#include "netmodel/CToolSet.h"
#include "netmodel/EditorEnvironment.h"
#include "netmodel/PaletteIconMakers.h"
#include "platform/Bitmap.h"
#include "platform/ChildFrame.h"
#include "platform/DocTemplate.h"
#include "platform/MdiFrame.h"
#include "platform/MenuTemplate.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

namespace corvane::bench {
namespace {

constexpr int kNetTemplateId = 132;
constexpr int kExitCommand = 57665;
constexpr std::array kFileMenu = {MenuCommand(kExitCommand, "E&xit")};
constexpr std::array kMenuBar = {MenuPopup("&File", kFileMenu)};
constexpr MenuTemplate kMainMenu{2, kMenuBar};

// Room kept around the icons for their connectors and captions, in units.
constexpr int kNetMargin = 40;

// A program without a logger whose editor snaps to the grid, so the view
// draws the grid's dots under the icons.
class SnappingEnvironment final : public EditorEnvironment {
public:
    CToolSet& Tools() override { return tools_; }
    bool GetSnapToGrid() const override { return true; }
    void SetSnapToGrid(bool) override {}
    bool IsConnected() const override { return false; }
    std::uint8_t LoggerCapabilityByte() const override { return 0; }
    std::uint16_t PolledConfigWord() const override { return 0; }
    const PaletteIconMakers& PaletteMakers() const override { return makers_; }
    CCorvaneDoc* CurrentNetDocument() override { return currentNet; }
    PictureActions* GetPictureActions() override { return nullptr; }

    CCorvaneDoc* currentNet = nullptr;

private:
    CToolSet tools_;
    PaletteIconMakers makers_;
};

// A net view's surroundings that make no hardware icons and show nothing.
class IdleViewServices final : public NetViewServices {
public:
    const HardwareIconMakers& HardwareMakers() const override { return makers_; }
    std::unique_ptr<CCorvaneIcon> MakeProgramIcon(const Rect&, const CHardwarePoll&) override { return nullptr; }
    void ShowWiringList(CNetDoc&) override {}
    void ClearDiagnostics() override {}
    HardwarePollReporter* PollReporter() override { return nullptr; }

private:
    HardwareIconMakers makers_;
};

// The full net opened in a net view, in a maximised child of an offscreen
// main frame grown until the view's window shows the whole net at 100 %.
struct NetOnScreen {
    NetOnScreen()
    {
        frame.Create("Corvane", kMainMenu);
        auto& docTemplate = frame.AddDocTemplate(std::make_unique<DocTemplate>(
            DocTemplateResources{kNetTemplateId, nullptr, nullptr, "Net", {}, {}},
            [this] { return std::make_unique<CNetDoc>(full.services, full.factory); },
            [] { return std::make_unique<ChildFrame>(); },
            [this] { return std::make_unique<CNetView>(environment, viewServices); }));
        frame.ShowNormal();
        Document* opened = docTemplate.OpenNew();
        document = dynamic_cast<CNetDoc*>(opened);
        view = opened != nullptr ? dynamic_cast<CNetView*>(opened->FirstView()) : nullptr;
        if (document == nullptr || view == nullptr)
            throw std::runtime_error("the net template made no net document with its view");
        environment.currentNet = document;
        if (document->LoadNetImage(full.image, false))
            throw std::runtime_error("the full net does not open");
        document->UpdateAllViews(nullptr);
        docTemplate.Frame()->ShowMaximized();
        full.app->ProcessPending();

        // Every chain icon after the first must show its link.
        const std::vector<CCorvaneIcon*> icons = document->Icons();
        iconCount = icons.size();
        linkCount = static_cast<std::size_t>(std::count_if(icons.begin(), icons.end(), [](CCorvaneIcon* icon) {
            const CInput* input = icon->TypeCode() == kChainTypeCode ? icon->InputConnector(0) : nullptr;
            return input != nullptr && input->HasLinkEnd();
        }));
        if (linkCount + 2 != iconCount)
            throw std::runtime_error("the chain's links are not bound: " + std::to_string(linkCount) + " of "
                + std::to_string(iconCount - 2));

        // The frame grows by what the view's window lacks of the net's
        // extent (its edges and bars stay as they are).
        Point farthest;
        for (const CCorvaneIcon* icon : icons) {
            const Rect position = icon->Position().Normalized();
            farthest = {std::max(farthest.x, position.right), std::max(farthest.y, position.bottom)};
        }
        const Point corner = view->LogicalToClient(Point{farthest.x + kNetMargin, farthest.y + kNetMargin});
        for (int attempt = 0; attempt < 3 && !ShowsWholeNet(corner); ++attempt) {
            const Size lack{
                std::max(0, corner.x - view->ClientSize().width), std::max(0, corner.y - view->ClientSize().height)};
            const Rect now = frame.WindowRect();
            frame.MoveTo({now.left, now.top, now.right + lack.width, now.bottom + lack.height});
            full.app->ProcessPending();
        }
        if (!ShowsWholeNet(corner))
            throw std::runtime_error("the net view cannot be made large enough to show the whole net");
    }

    bool ShowsWholeNet(Point corner) const
    {
        return view->ScrollPosition() == Point{0, 0} && view->ClientSize().width >= corner.x
            && view->ClientSize().height >= corner.y;
    }

    FullNet full;
    SnappingEnvironment environment;
    IdleViewServices viewServices;
    MdiFrame frame;
    CNetDoc* document = nullptr;  // owned by the frame's template
    CNetView* view = nullptr;
    std::size_t iconCount = 0;
    std::size_t linkCount = 0;
};

// One full repaint of the view's window, through the view's own paint
// path (erase, prepare the context, draw into a buffer, copy it out).
void BM_RedrawFullNet(benchmark::State& state)
{
    NetOnScreen f;
    Size drawn;
    for (auto _ : state) {
        Bitmap picture = f.view->RenderToBitmap();
        drawn = picture.Extent();
        benchmark::DoNotOptimize(picture);
    }
    state.counters["icons"] = static_cast<double>(f.iconCount);
    state.counters["links"] = static_cast<double>(f.linkCount);
    state.counters["width"] = drawn.width;
    state.counters["height"] = drawn.height;
}
BENCHMARK(BM_RedrawFullNet)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvane::bench
