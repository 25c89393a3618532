#include "platform/MdiFrame.h"

#include "FrameTestSupport.h"
#include "TestOutput.h"
#include "base/ByteReader.h"
#include "platform/BitmapCatalog.h"
#include "platform/CommandPrompts.h"
#include "platform/FrameAutomation.h"
#include "platform/StatusProgress.h"

#include <fstream>
#include <iterator>
#include <map>
#include <memory>

namespace corvane {
namespace mdi_frame_test {
namespace {

using test::FrameTest;
using test::TestDocument;
using test::TestView;
namespace fa = frame_automation;
using test::kEditCut;
using test::kEditPaste;
using test::kFileNew;
using test::kFileSave;
using test::kTrendPause;
using test::kViewGrid;

const std::vector<std::string> kMainTitles{"&File", "&Help"};
const std::vector<std::string> kNetTitles{"&File", "&Edit", "&View", "&Help"};
const std::vector<std::string> kTrendTitles{"&File", "&Trend", "&Help"};

TEST_F(FrameTest, MenuBarFollowsTheActiveChild)
{
    frame_.ShowNormal();
    EXPECT_EQ(fa::MenuBarTitles(frame_), kMainTitles);
    TestDocument* net = OpenNet();
    ASSERT_NE(net, nullptr);
    EXPECT_EQ(frame_.ActiveDocument(), net);
    EXPECT_EQ(fa::MenuBarTitles(frame_), kNetTitles);
    EXPECT_EQ(frame_.Caption(), "Corvane - ProgramNet");
    TestDocument* trend = OpenTrend();
    ASSERT_NE(trend, nullptr);
    EXPECT_EQ(fa::MenuBarTitles(frame_), kTrendTitles);
    EXPECT_EQ(frame_.Caption(), "Corvane - Real-Time Trending");

    frame_.ActivateChild(*netTemplate_->Frame());
    EXPECT_EQ(frame_.ActiveView(), net->FirstView());
    EXPECT_EQ(fa::MenuBarTitles(frame_), kNetTitles);

    // The views hear of it, in order: the trend view lost, the net view won.
    const auto& netActivations = ViewOf(*net).activations;
    ASSERT_FALSE(netActivations.empty());
    EXPECT_TRUE(netActivations.back().activate);
    EXPECT_EQ(netActivations.back().deactivated, trend->FirstView());
    EXPECT_FALSE(ViewOf(*trend).activations.back().activate);
    EXPECT_TRUE(net->FirstView()->IsActive());
    EXPECT_FALSE(trend->FirstView()->IsActive());

    ASSERT_TRUE(netTemplate_->CloseDocument());
    ASSERT_TRUE(trendTemplate_->CloseDocument());
    EXPECT_EQ(frame_.ActiveChild(), nullptr);
    EXPECT_TRUE(frame_.Children().empty());
    EXPECT_EQ(fa::MenuBarTitles(frame_), kMainTitles);
    EXPECT_EQ(frame_.Caption(), "Corvane");
}

// Each link of the chain records the commands it takes.
struct Recorder {
    std::vector<std::string> taken;
    void Take(CommandTarget& target, const std::string& name, std::initializer_list<int> ids)
    {
        for (int id : ids)
            target.AddCommand(id, [this, name](int command) { taken.push_back(name + ":" + std::to_string(command)); });
    }
};

TEST_F(FrameTest, CommandsTravelFromTheViewToTheApplication)
{
    TestDocument* net = OpenNet();
    ASSERT_NE(net, nullptr);
    Recorder recorder;
    CommandTarget application;
    frame_.SetApplicationTarget(&application);
    recorder.Take(*net->FirstView(), "view", {1, 2});
    recorder.Take(*net, "document", {2, 3});
    recorder.Take(*netTemplate_->Frame(), "child", {3, 4});
    recorder.Take(frame_, "main", {4, 5});
    recorder.Take(application, "app", {5, 6});
    for (int id = 1; id <= 7; ++id)
        EXPECT_EQ(frame_.RouteCommand(id), id != 7) << id;
    EXPECT_EQ(
        recorder.taken, (std::vector<std::string>{"view:1", "view:2", "document:3", "child:4", "main:5", "app:6"}));
}

TEST_F(FrameTest, UpdateHandlersDecideHowMenuItemsLook)
{
    frame_.ShowNormal();
    TestDocument* net = OpenNet();
    ASSERT_NE(net, nullptr);
    View& view = *net->FirstView();
    bool grid = false;
    int pasted = 0;
    view.AddCommand(kViewGrid, [&](int) { grid = !grid; });
    view.AddUpdate(kViewGrid, [&](CommandState& state) { state.SetCheck(grid); });
    view.AddCommand(kEditPaste, [&](int) { ++pasted; });
    view.AddUpdate(kEditPaste, [&](CommandState& state) {
        state.Enable(pasted == 0);
        state.SetText("&Paste " + std::to_string(pasted));
    });
    net->AddCommand(kEditCut, [](int) {});  // a handler alone enables

    EXPECT_FALSE(fa::LookAtMenuItem(frame_, kViewGrid).checked);
    EXPECT_TRUE(fa::ChooseMenuItem(frame_, kViewGrid));
    EXPECT_TRUE(grid);
    const fa::MenuItemLook gridLook = fa::LookAtMenuItem(frame_, kViewGrid);
    EXPECT_TRUE(gridLook.enabled);
    EXPECT_TRUE(gridLook.checked);

    EXPECT_EQ(fa::LookAtMenuItem(frame_, kEditPaste).text, "&Paste 0");
    EXPECT_TRUE(fa::ChooseMenuItem(frame_, kEditPaste));
    EXPECT_EQ(pasted, 1);
    const fa::MenuItemLook pasteLook = fa::LookAtMenuItem(frame_, kEditPaste);
    EXPECT_FALSE(pasteLook.enabled);
    EXPECT_EQ(pasteLook.text, "&Paste 1");
    EXPECT_FALSE(fa::ChooseMenuItem(frame_, kEditPaste)) << "a disabled item cannot be chosen";
    EXPECT_EQ(pasted, 1);

    EXPECT_TRUE(fa::LookAtMenuItem(frame_, kEditCut).enabled);
    const fa::MenuItemLook nothing = fa::LookAtMenuItem(frame_, test::kNoHandler);
    EXPECT_TRUE(nothing.found);
    EXPECT_FALSE(nothing.enabled) << "an item no target answers is disabled";
    EXPECT_FALSE(fa::LookAtMenuItem(frame_, kTrendPause).found) << "not on the net's menu";
}

TEST_F(FrameTest, ShortcutKeysOfTheActiveKindComeFirst)
{
    frame_.ShowNormal();
    int news = 0;
    frame_.AddCommand(kFileNew, [&](int) { ++news; });
    EXPECT_TRUE(fa::PressKey(frame_, 'N', key_modifier::kCtrl));
    EXPECT_EQ(news, 1) << "the frame's own keys work without a document";

    TestDocument* net = OpenNet();
    ASSERT_NE(net, nullptr);
    int saves = 0;
    int cuts = 0;
    net->AddCommand(kFileSave, [&](int) { ++saves; });
    bool cutEnabled = false;
    net->AddCommand(kEditCut, [&](int) { ++cuts; });
    net->AddUpdate(kEditCut, [&](CommandState& state) { state.Enable(cutEnabled); });
    net->FirstView()->SetFocus();
    fa::PressKey(frame_, 'S', key_modifier::kCtrl);
    fa::PressKey(frame_, 'N', key_modifier::kCtrl);
    fa::PressKey(frame_, key_code::kDelete);
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(news, 2);
    EXPECT_EQ(cuts, 0) << "the key of a disabled command does nothing";
    EXPECT_TRUE(ViewOf(*net).keys.empty()) << "a shortcut key does not reach the view";
    cutEnabled = true;
    fa::PressKey(frame_, key_code::kDelete);
    EXPECT_EQ(cuts, 1);

    // The trend kind has no keys of its own: Ctrl+S means nothing there.
    TestDocument* trend = OpenTrend();
    ASSERT_NE(trend, nullptr);
    trend->FirstView()->SetFocus();
    fa::PressKey(frame_, 'S', key_modifier::kCtrl);
    EXPECT_EQ(saves, 1);
    ASSERT_EQ(ViewOf(*trend).keys.size(), 1u) << "an unclaimed key goes to the view";
    EXPECT_EQ(ViewOf(*trend).keys[0].key, 'S');
}

constexpr int kOne = 150;
constexpr int kTwo = 151;
const std::vector<std::string> kDocFileTexts{"&New", "&Save\tCtrl+S", "&Nothing"};

TEST_F(FrameTest, MenuItemsAreInsertedAndRemovedByPlaceAndByCommand)
{
    frame_.ShowNormal();
    ASSERT_NE(OpenNet(), nullptr);
    const auto file = [&] { return fa::MenuItemTexts(frame_, "&File"); };
    const auto edit = [&] { return fa::MenuItemTexts(frame_, "&Edit"); };

    EXPECT_TRUE(frame_.InsertMenuItem(test::kNetMenu, {0, 1}, MenuCommand(kOne, "&One")));
    EXPECT_TRUE(frame_.InsertMenuItem(test::kNetMenu, {0, 4}, MenuSeparator())) << "just past the last appends";
    EXPECT_TRUE(frame_.InsertMenuItemBefore(test::kNetMenu, kEditPaste, MenuCommand(kTwo, "&Two")));
    EXPECT_EQ(file(), (std::vector<std::string>{"&New", "&One", "&Save\tCtrl+S", "&Nothing", ""}));
    EXPECT_EQ(edit(), (std::vector<std::string>{"Cu&t", "&Two", "&Paste"}));
    EXPECT_EQ(frame_.FindMenuCommand(test::kNetMenu, kTwo), (MenuPlace{1, 1}));
    EXPECT_EQ(frame_.MenuItemCount(test::kNetMenu, 0), 5);

    // Places and commands that are not there change nothing.
    EXPECT_FALSE(frame_.InsertMenuItem(test::kNetMenu, {0, 6}, MenuCommand(kOne, "x")));
    EXPECT_FALSE(frame_.InsertMenuItem(test::kNetMenu, {4, 0}, MenuCommand(kOne, "x")));
    EXPECT_FALSE(frame_.InsertMenuItem(test::kNetMenu, {0, -1}, MenuCommand(kOne, "x")));
    EXPECT_FALSE(frame_.InsertMenuItemBefore(test::kNetMenu, test::kTrendPause, MenuCommand(kOne, "x")));
    EXPECT_FALSE(frame_.RemoveMenuItem(test::kNetMenu, {0, 5}));
    EXPECT_FALSE(frame_.RemoveMenuCommand(test::kNetMenu, test::kTrendPause));
    EXPECT_FALSE(frame_.FindMenuCommand(test::kNetMenu, test::kTrendPause));
    EXPECT_EQ(frame_.MenuItemCount(test::kNetMenu, 4), -1);
    EXPECT_EQ(frame_.MenuItemCount(test::kNetMenu, 0), 5);

    EXPECT_TRUE(frame_.RemoveMenuItem(test::kNetMenu, {0, 4}));
    EXPECT_TRUE(frame_.RemoveMenuCommand(test::kNetMenu, kOne));
    EXPECT_TRUE(frame_.RemoveMenuCommand(test::kNetMenu, kTwo));
    EXPECT_EQ(file(), kDocFileTexts);
    EXPECT_EQ(edit(), (std::vector<std::string>{"Cu&t", "&Paste"}));

    // A kind's menu changes before it shows, for every child of the kind,
    // and the other kinds' menus stay as they are.
    EXPECT_TRUE(frame_.InsertMenuItem(test::kTrendMenu, {1, 1}, MenuCommand(kOne, "&One")));
    ASSERT_NE(OpenTrend(), nullptr);
    EXPECT_EQ(fa::MenuItemTexts(frame_, "&Trend"), (std::vector<std::string>{"&Pause", "&One"}));
    EXPECT_EQ(file(), kDocFileTexts);
    frame_.ActivateChild(*netTemplate_->Frame());
    EXPECT_FALSE(fa::LookAtMenuItem(frame_, kOne).found);
}

TEST_F(FrameTest, InsertedItemsUpdateRunAndKeepTheirShortcutKeys)
{
    frame_.ShowNormal();
    TestDocument* net = OpenNet();
    ASSERT_NE(net, nullptr);
    View& view = *net->FirstView();
    int ones = 0;
    bool oneEnabled = false;
    view.AddCommand(kOne, [&](int) { ++ones; });
    view.AddUpdate(kOne, [&](CommandState& state) {
        state.Enable(oneEnabled);
        state.SetText("&One " + std::to_string(ones));
    });
    ASSERT_TRUE(frame_.InsertMenuItem(test::kNetMenu, {1, 0}, MenuCommand(kOne, "&One")));
    EXPECT_EQ(frame_.CommandPrompt(kOne), "One");
    EXPECT_FALSE(fa::LookAtMenuItem(frame_, kOne).enabled);
    EXPECT_FALSE(fa::ChooseMenuItem(frame_, kOne));
    oneEnabled = true;
    EXPECT_TRUE(fa::ChooseMenuItem(frame_, kOne));
    EXPECT_EQ(ones, 1);
    EXPECT_EQ(fa::LookAtMenuItem(frame_, kOne).text, "&One 1");

    // Save moves from File to Edit; its key still runs it, and only while enabled.
    int saves = 0;
    bool saveEnabled = true;
    net->AddCommand(kFileSave, [&](int) { ++saves; });
    net->AddUpdate(kFileSave, [&](CommandState& state) { state.Enable(saveEnabled); });
    ASSERT_TRUE(frame_.RemoveMenuCommand(test::kNetMenu, kFileSave));
    ASSERT_TRUE(frame_.InsertMenuItemBefore(test::kNetMenu, kEditPaste, MenuCommand(kFileSave, "&Save\tCtrl+S")));
    EXPECT_EQ(frame_.FindMenuCommand(test::kNetMenu, kFileSave), (MenuPlace{1, 2}));
    view.SetFocus();
    fa::PressKey(frame_, 'S', key_modifier::kCtrl);
    saveEnabled = false;
    fa::PressKey(frame_, 'S', key_modifier::kCtrl);
    EXPECT_EQ(saves, 1);
    EXPECT_TRUE(ViewOf(*net).keys.empty());

    // A command may take its own item away while it runs.
    view.AddCommand(kOne, [&](int) { EXPECT_TRUE(frame_.RemoveMenuCommand(test::kNetMenu, kOne)); });
    EXPECT_TRUE(fa::ChooseMenuItem(frame_, kOne));
    App().ProcessPending();
    EXPECT_FALSE(fa::LookAtMenuItem(frame_, kOne).found);
    EXPECT_EQ(frame_.CommandPrompt(kOne), "");
}

constexpr int kStripId = 7001;
constexpr std::array kButtons = {kFileNew, kToolBarSeparator, kEditCut, kViewGrid};
constexpr ToolBarTemplate kToolBar{4, kStripId, {16, 15}, kButtons};
constexpr std::array kPanes = {StatusPaneLayout{0, 250}, StatusPaneLayout{0, 120}, StatusPaneLayout{122, 30},
    StatusPaneLayout{123, 150}, StatusPaneLayout{124, 100, true}};
constexpr int kConnectedPicture = 286;

Bitmap ColouredStrip(int buttons)
{
    Bitmap strip(16 * buttons, 15);
    strip.Fill({255, 0, 255});
    for (int b = 0; b < buttons; ++b)
        for (int y = 2; y < 13; ++y)
            for (int x = 3; x < 13; ++x)
                strip.SetPixel(
                    16 * b + x, y, {static_cast<std::uint8_t>(80 * b), 120, static_cast<std::uint8_t>(200 - 60 * b)});
    return strip;
}

TEST_F(FrameTest, ToolBarButtonsRunAndFollowTheirCommands)
{
    App().Bitmaps().Register(kStripId, [] { return ColouredStrip(3); });
    ToolBar& bar = frame_.AddToolBar(kToolBar);
    frame_.ShowNormal();
    EXPECT_EQ(bar.ButtonCount(), 3);
    EXPECT_EQ(bar.CommandAt(1), kEditCut);

    TestDocument* net = OpenNet();
    ASSERT_NE(net, nullptr);
    bool grid = false;
    net->FirstView()->AddCommand(kViewGrid, [&](int) { grid = !grid; });
    net->FirstView()->AddUpdate(kViewGrid, [&](CommandState& state) { state.SetCheck(grid); });
    frame_.UpdateCommandUi();
    EXPECT_TRUE(bar.IsButtonEnabled(kViewGrid));
    EXPECT_FALSE(bar.IsButtonChecked(kViewGrid));
    EXPECT_FALSE(bar.IsButtonEnabled(kEditCut)) << "no handler";
    EXPECT_FALSE(fa::ClickToolBarButton(frame_, kEditCut));

    EXPECT_TRUE(fa::ClickToolBarButton(frame_, kViewGrid));
    EXPECT_TRUE(grid);
    frame_.UpdateCommandUi();
    EXPECT_TRUE(bar.IsButtonChecked(kViewGrid));

    frame_.ShowToolBar(0, false);
    EXPECT_FALSE(bar.IsShown());
    frame_.ShowToolBar(0, true);
    EXPECT_TRUE(bar.IsShown());
    bar.Float({300, 200});
    EXPECT_TRUE(bar.IsFloating());
    EXPECT_TRUE(bar.IsShown());
    bar.Dock(DockSide::Top);
    EXPECT_FALSE(bar.IsFloating());
    EXPECT_TRUE(bar.IsShown());
}

TEST_F(FrameTest, ToolBarPicturesAreDrawnWhenTheBarFirstComesIntoSight)
{
    constexpr int kHiddenStripId = 7002;
    constexpr ToolBarTemplate kHiddenBar{5, kHiddenStripId, {16, 15}, kButtons};
    const auto shownDrawn = std::make_shared<int>(0);
    const auto hiddenDrawn = std::make_shared<int>(0);
    App().Bitmaps().Register(kStripId, [shownDrawn] {
        ++*shownDrawn;
        return ColouredStrip(3);
    });
    App().Bitmaps().Register(kHiddenStripId, [hiddenDrawn] {
        ++*hiddenDrawn;
        return ColouredStrip(3);
    });
    const ToolBar& shown = frame_.AddToolBar(kToolBar);
    const ToolBar& hidden = frame_.AddToolBar(kHiddenBar);
    frame_.ShowToolBar(1, false);
    EXPECT_EQ(*shownDrawn, 0) << "nothing is drawn while the frame is hidden";

    frame_.ShowNormal();
    EXPECT_EQ(*shownDrawn, 1);
    EXPECT_EQ(*hiddenDrawn, 0);
    // A bar without its pictures still has its buttons and their commands.
    EXPECT_EQ(hidden.ButtonCount(), 3);
    EXPECT_EQ(hidden.CommandAt(2), kViewGrid);
    EXPECT_EQ(hidden.ButtonToolTip(kEditCut), shown.ButtonToolTip(kEditCut));

    frame_.ShowToolBar(1, true);
    EXPECT_EQ(*hiddenDrawn, 1);
    frame_.ShowToolBar(1, false);
    frame_.ShowToolBar(1, true);
    EXPECT_EQ(*hiddenDrawn, 1);
}

TEST_F(FrameTest, ToolBarButtonRunsItsCommandOnlyWhenItsHandlerEnablesItAtTheClick)
{
    App().Bitmaps().Register(kStripId, [] { return ColouredStrip(3); });
    frame_.AddToolBar(kToolBar);
    frame_.ShowNormal();
    TestDocument* net = OpenNet();
    ASSERT_NE(net, nullptr);
    // Enabled when the buttons are updated, disabled by the time of the click.
    int queries = 0;
    int runs = 0;
    net->FirstView()->AddCommand(kViewGrid, [&](int) { ++runs; });
    net->FirstView()->AddUpdate(kViewGrid, [&](CommandState& state) { state.Enable(++queries % 2 == 1); });
    EXPECT_TRUE(fa::ClickToolBarButton(frame_, kViewGrid));
    EXPECT_EQ(runs, 0);

    net->FirstView()->AddUpdate(kViewGrid, [](CommandState& state) { state.Enable(); });
    EXPECT_TRUE(fa::ClickToolBarButton(frame_, kViewGrid));
    EXPECT_EQ(runs, 1);
    EXPECT_FALSE(frame_.RunEnabledCommand(test::kNoHandler));
}

TEST_F(FrameTest, CommandPromptsComeFromTheMenuTexts)
{
    struct Case {
        const char* menuText;
        const char* prompt;
    };
    const Case cases[] = {
        {"&Save\tCtrl+S", "Save"},
        {"Cu&t", "Cut"},
        {"Corvane Settings", "Corvane Settings"},
        {"Fish && &Chips", "Fish & Chips"},
        {"Logger &Connection...", "Logger Connection..."},
        {"&", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CommandPromptFromMenuText(c.menuText), c.prompt) << c.menuText;

    // The first menu that names a command gives its prompt.
    static constexpr std::array kInner = {MenuCommand(7, "&Inner"), MenuCommand(8, "&Again")};
    constexpr std::array kItems
        = {MenuPopup("&Outer", kInner), MenuSeparator(), MenuCommand(8, "&Later"), MenuCommand(0, "&None")};
    std::map<int, std::string> prompts{{7, "Kept"}};
    CollectCommandPrompts(kItems, prompts);
    EXPECT_EQ(prompts, (std::map<int, std::string>{{7, "Kept"}, {8, "Again"}}));
}

TEST_F(FrameTest, ButtonsShowTheirCommandsPromptAsTooltipAndInTheStatusBar)
{
    App().Bitmaps().Register(kStripId, [] { return ColouredStrip(3); });
    ToolBar& bar = frame_.AddToolBar(kToolBar);
    StatusBar& status = frame_.CreateStatusBar(kPanes);
    frame_.ShowNormal();
    EXPECT_EQ(bar.ButtonToolTip(kFileNew), "New");
    EXPECT_EQ(bar.ButtonToolTip(kEditCut), "Cut") << "from a document's menu";
    EXPECT_EQ(frame_.CommandPrompt(kFileSave), "Save");
    EXPECT_EQ(frame_.CommandPrompt(4242), "");

    status.SetPaneText(0, "Ready");
    frame_.UpdateCommandUi();
    ASSERT_FALSE(bar.IsButtonEnabled(kEditCut));
    ASSERT_TRUE(fa::HoverToolBarButton(frame_, kEditCut));
    EXPECT_EQ(status.Prompt(), "Cut") << "a greyed button says what it is too";
    EXPECT_EQ(status.PaneText(0), "Ready");
    ASSERT_TRUE(fa::HoverToolBarButton(frame_, kEditCut, false));
    EXPECT_EQ(status.Prompt(), "");

    TestDocument* net = OpenNet();
    ASSERT_NE(net, nullptr);
    EXPECT_EQ(fa::LookAtMenuItem(frame_, kFileSave).prompt, "Save");
    EXPECT_EQ(fa::MenuItemTexts(frame_, "&Edit"), (std::vector<std::string>{"Cu&t", "&Paste"}));
    EXPECT_TRUE(fa::MenuItemTexts(frame_, "&Nowhere").empty());
}

TEST_F(FrameTest, StatusPanesTakeTextsFromTheirUpdateHandlers)
{
    StatusBar& status = frame_.CreateStatusBar(kPanes);
    frame_.ShowNormal();
    std::string connection = "Disconnected";
    frame_.AddUpdate(123, [&](CommandState& state) { state.SetText(connection); });
    frame_.AddUpdate(122, [](CommandState& state) { state.Enable(false); });
    status.SetPaneText(2, "hidden");
    status.SetPaneText(0, "Ready");
    frame_.UpdateCommandUi();
    EXPECT_EQ(status.PaneText(3), "Disconnected");
    EXPECT_FALSE(status.IsPaneEnabled(2));
    EXPECT_TRUE(status.IsPaneEnabled(4)) << "a pane nobody updates stays as it is";
    EXPECT_EQ(status.PaneText(0), "Ready");
    connection = "Connected: Tank farm";
    frame_.UpdateCommandUi();
    EXPECT_EQ(status.PaneText(3), "Connected: Tank farm");
    EXPECT_EQ(status.IndexOf(124), 4);
    EXPECT_EQ(status.IndexOf(77), -1);

    // The stretching pane takes what the others leave.
    const Rect last = status.PaneRect(4);
    EXPECT_GT(last.Width(), 100);
    EXPECT_EQ(status.PaneRect(0).Width(), 250);

    StatusProgress* progress = status.ShowProgress(4);
    ASSERT_NE(progress, nullptr);
    progress->SetRange(0, 10);
    EXPECT_EQ(progress->SetPos(4), 0);
    EXPECT_EQ(progress->SetPos(40), 4);
    EXPECT_EQ(progress->GetPos(), 10) << "kept within the range";
    status.HideProgress();
    EXPECT_EQ(status.Progress(), nullptr);
    EXPECT_EQ(status.ShowProgress(9), nullptr);
}

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST_F(FrameTest, PictureOfAFrameWithItsBars)
{
    App().Bitmaps().Register(kStripId, [] { return ColouredStrip(3); });
    App().Bitmaps().Register(kConnectedPicture, [] {
        Bitmap picture(16, 16);
        picture.Fill({0, 160, 0});
        return picture;
    });
    frame_.AddToolBar(kToolBar);
    StatusBar& status = frame_.CreateStatusBar(kPanes);
    frame_.AddUpdate(123, [](CommandState& state) { state.SetText("Connected: Tank farm"); });
    frame_.AddCommand(kFileNew, [](int) {});
    frame_.ShowNormal();
    TestDocument* net = OpenNet();
    ASSERT_NE(net, nullptr);
    ViewOf(*net).onDraw = [](DeviceContext& dc) {
        dc.SelectBrush(SolidBrush({250, 230, 120}));
        dc.Rectangle({20, 20, 140, 90});
    };
    status.SetPaneText(0, "Ready");
    status.SetPaneText(1, "Program development");
    status.SetPanePicture(2, App().Bitmaps().Get(kConnectedPicture));
    status.ShowProgress(4)->SetRange(0, 10);
    status.Progress()->SetPos(6);
    frame_.UpdateCommandUi();
    App().ProcessPending();

    const std::filesystem::path png = test::OutputFile("MdiFrame.png");
    ASSERT_TRUE(frame_.SaveImage(png));
    const std::vector<std::uint8_t> bytes = ReadBytes(png);
    ByteReader reader(bytes);
    reader.Seek(16);
    const Rect window = frame_.WindowRect();
    EXPECT_EQ(reader.U32BE("width"), static_cast<std::uint32_t>(window.Width()));
    EXPECT_EQ(reader.U32BE("height"), static_cast<std::uint32_t>(window.Height()));
    EXPECT_FALSE(reader.Failed());

    // Really drawn: the status bar's picture pane shows its green.
    const Bitmap picture = Bitmap::FromImageBytes(bytes);
    ASSERT_EQ(picture.Width(), window.Width());
    const Rect pane = status.PaneRect(2);
    const int barTop = window.Height() - (status.PaneRect(0).Height() + 2);
    EXPECT_EQ(picture.PixelAt(pane.Centre().x, barTop + pane.Centre().y), (RgbColour{0, 160, 0}));
}

TEST_F(FrameTest, PlacementRoundTrip)
{
    frame_.SetPlacement({{120, 90, 820, 610}, false});
    EXPECT_FALSE(frame_.IsMaximized());
    EXPECT_EQ(frame_.GetPlacement(), (WindowPlacement{{120, 90, 820, 610}, false}));

    frame_.SetPlacement({{140, 100, 740, 500}, true});
    EXPECT_TRUE(frame_.IsMaximized());
    const WindowPlacement maximized = frame_.GetPlacement();
    EXPECT_TRUE(maximized.maximized);
    EXPECT_EQ(maximized.normal, (Rect{140, 100, 740, 500})) << "the size it returns to";

    frame_.SetPlacement({{}, false});
    EXPECT_TRUE(frame_.IsMaximized()) << "no rectangle: maximized";
}

TEST_F(FrameTest, ChildFramesTellOfTheMainFrameMoving)
{
    struct MovingFrame : ChildFrame {
        std::vector<std::pair<Point, Point>> moves;
        void OnMainFrameMoved(Point oldTopLeft, Point newTopLeft) override
        {
            moves.emplace_back(oldTopLeft, newTopLeft);
        }
    };
    MovingFrame* child = nullptr;
    DocTemplate& palette = frame_.AddDocTemplate(std::make_unique<DocTemplate>(
        DocTemplateResources{5, nullptr, nullptr, "Palette", {}, {}}, [] { return std::make_unique<TestDocument>(); },
        [&] {
            auto made = std::make_unique<MovingFrame>();
            child = made.get();
            return made;
        },
        [] { return std::make_unique<TestView>(); }));
    frame_.ShowNormal();
    ASSERT_NE(palette.OpenNew(), nullptr);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(fa::MenuBarTitles(frame_), kMainTitles) << "a kind without a menu shows the frame's";
    const Rect before = frame_.WindowRect();
    frame_.MoveTo(before.Offset(30, -20));
    App().ProcessPending();
    ASSERT_FALSE(child->moves.empty());
    const auto& [from, to] = child->moves.back();
    EXPECT_EQ(to.x - from.x, 30);
    EXPECT_EQ(to.y - from.y, -20);
}

}  // namespace
}  // namespace mdi_frame_test
}  // namespace corvane
