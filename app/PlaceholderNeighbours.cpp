#include "app/PlaceholderNeighbours.h"

#include "app/CChildFrame.h"
#include "app/ShellMessages.h"
#include "halvix/HalvixLib.h"
#include "platform/DeviceContext.h"
#include "platform/DocTemplate.h"
#include "platform/Document.h"
#include "platform/ScrollView.h"

#include <array>

namespace corvane {
namespace {

constexpr std::array kDocFileMenu = {MenuCommand(kCmdFileNew, "&New\tCtrl+N"),
    MenuCommand(kCmdFileOpen, "&Open...\tCtrl+O"), MenuSeparator(), MenuCommand(kCmdExit, "E&xit")};
constexpr std::array kDocViewMenu = {MenuCommand(kCmdCommunications, "&Communications"),
    MenuCommand(kCmdProgramDevelopment, "&Program Development"), MenuCommand(kCmdTrending, "&Real-Time Trending")};
constexpr std::array kDocHelpMenu = {MenuCommand(kCmdAbout, "&About Corvane...")};
constexpr std::array kDocMenuBar
    = {MenuPopup("&File", kDocFileMenu), MenuPopup("&View", kDocViewMenu), MenuPopup("&Help", kDocHelpMenu)};
constexpr MenuTemplate kCommWindowMenu{kCommWindowTemplate, kDocMenuBar};
constexpr MenuTemplate kNetMenu{kNetTemplate, kDocMenuBar};
constexpr MenuTemplate kTrendingMenu{kTrendingTemplate, kDocMenuBar};
constexpr MenuTemplate kWebMenu{kWebTemplate, kDocMenuBar};

// A document of a kind whose real one comes later: it reads any file as
// empty so that opening names it.
class PlaceholderDocument final : public Document {
public:
    bool OnOpenDocument(const std::filesystem::path&) override { return true; }
};

// An empty sheet of paper on a grey desk.
class PlaceholderPaperView : public ScrollView {
public:
    void OnInitialUpdate() override
    {
        SetScrollSizes({1100, 850});
        ScrollView::OnInitialUpdate();
    }

    void OnDraw(DeviceContext& dc) override
    {
        dc.FillRect({0, 0, 1100, 850}, SolidBrush({160, 160, 160}));
        dc.FillRect({20, 20, 1080, 830}, SolidBrush({255, 255, 255}));
    }
};

// The Communication Window until its own view exists.
class PlaceholderCommWindowView final : public PlaceholderPaperView, public CommWindowLink {
public:
    void SetRunState(std::uintptr_t) override {}
    void SetCardState(std::uintptr_t) override {}
    void ConnectionLost() override {}
    void Refresh() override { Invalidate(); }
};

class PlaceholderValueCache final : public ValueCache {
public:
    void AddData(std::size_t, std::span<const std::uint8_t>) override {}
    void Disable() override {}
};

class PlaceholderDisplayControls final : public DisplayControlsBinding {
public:
    void AttachTo(View*) override {}
    void DetachAllWindows() override {}
};

template <class ViewType>
ShellNeighbours::TemplateMaker Maker(const MenuTemplate& menu, std::string_view title, std::string_view filter,
    std::string_view extension)
{
    return [&menu, title, filter, extension](CCorvaneApp&) {
        DocTemplateResources resources;
        resources.id = menu.id;
        resources.menu = &menu;
        resources.newTitle = title;
        resources.fileFilter = filter;
        resources.defaultExtension = extension;
        return std::make_unique<DocTemplate>(
            resources, [] { return std::make_unique<PlaceholderDocument>(); },
            [] { return std::make_unique<CChildFrame>(); }, [] { return std::make_unique<ViewType>(); });
    };
}

}  // namespace

ShellNeighbours MakePlaceholderNeighbours()
{
    ShellNeighbours neighbours;
    neighbours.commWindow = Maker<PlaceholderCommWindowView>(kCommWindowMenu, "Communications", {}, {});
    neighbours.net = Maker<PlaceholderPaperView>(kNetMenu, "Untitled", "Net Files (*.nt3)|*.nt3||", "nt3");
    neighbours.trending = Maker<PlaceholderPaperView>(kTrendingMenu, "Trending", "Trend Files (*.xml)|*.xml||", "xml");
    neighbours.web = Maker<PlaceholderPaperView>(kWebMenu, "Web Page", {}, {});
    neighbours.valueCache = [] { return std::make_unique<PlaceholderValueCache>(); };
    neighbours.displayControls = [] { return std::make_unique<PlaceholderDisplayControls>(); };
    neighbours.usbDevice = [] {
        // The device behind the port the serial link was opened on.
        HalvixLibrary* library = InstalledHalvixLibrary();
        return library != nullptr ? std::filesystem::path(library->SerialDevice(library->ComPort()))
                                  : std::filesystem::path{};
    };
    return neighbours;
}

}  // namespace corvane
