#pragma once

#include "PlatformTestSupport.h"
#include "platform/ChildFrame.h"
#include "platform/DeviceContext.h"
#include "platform/DocTemplate.h"
#include "platform/Document.h"
#include "platform/MdiFrame.h"
#include "platform/ScrollView.h"

#include <array>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace corvane::test {

// Command ids of the test menus.
inline constexpr int kFileNew = 100;
inline constexpr int kFileSave = 101;
inline constexpr int kFileExit = 102;
inline constexpr int kEditCut = 200;
inline constexpr int kEditPaste = 201;
inline constexpr int kViewGrid = 300;
inline constexpr int kTrendPause = 400;
inline constexpr int kHelpAbout = 900;
inline constexpr int kNoHandler = 999;

inline constexpr std::array kMainFile = {MenuCommand(kFileNew, "&New"), MenuSeparator(), MenuCommand(kFileExit, "E&xit")};
inline constexpr std::array kHelp = {MenuCommand(kHelpAbout, "&About...")};
inline constexpr std::array kMainBar = {MenuPopup("&File", kMainFile), MenuPopup("&Help", kHelp)};
inline constexpr MenuTemplate kMainMenu{2, kMainBar};

inline constexpr std::array kDocFile
    = {MenuCommand(kFileNew, "&New"), MenuCommand(kFileSave, "&Save\tCtrl+S"), MenuCommand(kNoHandler, "&Nothing")};
inline constexpr std::array kNetEdit = {MenuCommand(kEditCut, "Cu&t"), MenuCommand(kEditPaste, "&Paste")};
inline constexpr std::array kNetView = {MenuCommand(kViewGrid, "&Grid")};
inline constexpr std::array kNetBar
    = {MenuPopup("&File", kDocFile), MenuPopup("&Edit", kNetEdit), MenuPopup("&View", kNetView), MenuPopup("&Help", kHelp)};
inline constexpr MenuTemplate kNetMenu{132, kNetBar};

inline constexpr std::array kTrend = {MenuCommand(kTrendPause, "&Pause")};
inline constexpr std::array kTrendBar
    = {MenuPopup("&File", kDocFile), MenuPopup("&Trend", kTrend), MenuPopup("&Help", kHelp)};
inline constexpr MenuTemplate kTrendMenu{131, kTrendBar};

inline constexpr std::array kNetKeys = {Accelerator{'S', key_modifier::kCtrl, kFileSave},
    Accelerator{key_code::kDelete, key_modifier::kNone, kEditCut}};
inline constexpr AcceleratorTable kNetAccelerators{132, kNetKeys};
inline constexpr std::array kMainKeys = {Accelerator{'N', key_modifier::kCtrl, kFileNew}};
inline constexpr AcceleratorTable kMainAccelerators{2, kMainKeys};

// A document that records its saves and can refuse them.
class TestDocument : public Document {
public:
    std::vector<std::filesystem::path> saves;
    std::vector<std::filesystem::path> opens;
    std::vector<std::filesystem::path>* saveLog = nullptr;  // outlives the document
    bool saveSucceeds = true;
    bool openSucceeds = true;
    int newCount = 0;

    bool OnNewDocument() override
    {
        ++newCount;
        return Document::OnNewDocument();
    }
    bool OnOpenDocument(const std::filesystem::path& path) override
    {
        opens.push_back(path);
        return openSucceeds;
    }
    bool OnSaveDocument(const std::filesystem::path& path) override
    {
        saves.push_back(path);
        if (saveLog != nullptr)
            saveLog->push_back(path);
        return saveSucceeds;
    }
};

// A scroll view that can zoom (logical units are scaled by zoom / 100) and
// records what reaches it.
class TestView : public ScrollView {
public:
    struct Update {
        View* sender;
        int hint;
        std::any object;
    };
    struct Activation {
        bool activate;
        View* activated;
        View* deactivated;
    };
    struct Mouse {
        char kind;  // 'd' down, 'u' up, 'm' move, '2' double
        MouseEvent event;
        Point logical;
    };

    int zoom = 100;
    std::vector<Update> updates;
    std::vector<Activation> activations;
    std::vector<Mouse> mice;
    std::vector<KeyEvent> keys;
    std::vector<Point> contextMenus;
    std::vector<std::uint32_t> timers;
    std::vector<Size> scrolls;
    bool refuseScrolling = false;
    int initialUpdates = 0;
    std::function<void(const MouseEvent&)> onMouseDown;
    std::function<void(Point)> onContextMenu;
    std::function<void(DeviceContext&)> onDraw;
    std::function<std::string(int)> toolTipText;

    void OnInitialUpdate() override
    {
        ++initialUpdates;
        SetScrollSizes({2000, 1500});
    }
    void OnUpdate(View* sender, int hint, const std::any& object) override
    {
        updates.push_back({sender, hint, object});
    }
    void OnActivateView(bool activate, View* activated, View* deactivated) override
    {
        activations.push_back({activate, activated, deactivated});
    }
    void OnPrepareDC(DeviceContext& dc) override
    {
        ScrollView::OnPrepareDC(dc);
        dc.SetMapMode(MapMode::Anisotropic);
        dc.SetWindowExtent({100, 100});
        dc.SetViewportExtent({zoom, zoom});
    }
    void OnDraw(DeviceContext& dc) override
    {
        if (onDraw)
            onDraw(dc);
    }

protected:
    void OnMouseDown(const MouseEvent& e) override
    {
        mice.push_back({'d', e, ClientToLogical(e.point)});
        if (onMouseDown)
            onMouseDown(e);
    }
    void OnMouseUp(const MouseEvent& e) override { mice.push_back({'u', e, ClientToLogical(e.point)}); }
    void OnMouseMove(const MouseEvent& e) override { mice.push_back({'m', e, ClientToLogical(e.point)}); }
    void OnDoubleClick(const MouseEvent& e) override { mice.push_back({'2', e, ClientToLogical(e.point)}); }
    void OnKeyDown(const KeyEvent& e) override { keys.push_back(e); }
    void OnContextMenu(Point point) override
    {
        contextMenus.push_back(point);
        if (onContextMenu)
            onContextMenu(point);
    }
    std::string OnToolTipText(int toolId) override { return toolTipText ? toolTipText(toolId) : std::string(); }
    void OnTimer(std::uint32_t id) override { timers.push_back(id); }
    bool OnScrollBy(Size delta, bool doScroll) override
    {
        scrolls.push_back(delta);
        return !refuseScrolling && ScrollView::OnScrollBy(delta, doScroll);
    }
};

// A main frame with two kinds of document: a "net" (template 132) and a
// "trend" (template 131), each with its own menu.
class FrameTest : public PlatformTest {
protected:
    FrameTest()
    {
        frame_.Create("Corvane", kMainMenu, &kMainAccelerators);
        frame_.MoveTo({100, 80, 900, 680});
        netTemplate_ = &frame_.AddDocTemplate(std::make_unique<DocTemplate>(
            DocTemplateResources{132, &kNetMenu, &kNetAccelerators, "ProgramNet", "Net Files (*.nt3)|*.nt3||", "nt3"},
            [] { return std::make_unique<TestDocument>(); }, [] { return std::make_unique<ChildFrame>(); },
            [] { return std::make_unique<TestView>(); }));
        trendTemplate_ = &frame_.AddDocTemplate(std::make_unique<DocTemplate>(
            DocTemplateResources{131, &kTrendMenu, nullptr, "Real-Time Trending", {}, {}},
            [] { return std::make_unique<TestDocument>(); },
            [] { return std::make_unique<ChildFrame>(ChildFrameStyle{false}); },
            [] { return std::make_unique<TestView>(); }));
    }

    TestDocument* OpenNet() { return static_cast<TestDocument*>(netTemplate_->OpenNew()); }
    TestDocument* OpenTrend() { return static_cast<TestDocument*>(trendTemplate_->OpenNew()); }
    static TestView& ViewOf(Document& document) { return static_cast<TestView&>(*document.FirstView()); }

    MdiFrame frame_;
    DocTemplate* netTemplate_ = nullptr;
    DocTemplate* trendTemplate_ = nullptr;
};

}  // namespace corvane::test
