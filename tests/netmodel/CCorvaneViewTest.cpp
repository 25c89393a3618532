#include "netmodel/CCorvaneView.h"

#include "EditorTestSupport.h"
#include "ScratchFolder.h"
#include "netmodel/CCorvaneTool.h"
#include "netmodel/PaletteCells.h"
#include "platform/KeyCodes.h"
#include "platform/PrintJob.h"

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace corvane {
namespace c_corvane_view_test {
namespace {

using test::EditorTest;
using test::SourceIcon;
namespace fa = frame_automation;
namespace vc = view_command;

// A base view that counts what reaches its hooks.
class RecordingView : public CCorvaneView {
public:
    using CCorvaneView::CCorvaneView;
    int hoverMoves = 0;
    int gridDraws = 0;
    int hardwareChanges = 0;

    void OnHoverMove() override { ++hoverMoves; }
    void DrawGrid(DeviceContext&) override { ++gridDraws; }
    void OnHardwareChanged() override { ++hardwareChanges; }
};

class CCorvaneViewTest : public EditorTest {
protected:
    CCorvaneViewTest()
    {
        makeView = [](EditorEnvironment& environment) { return std::make_unique<RecordingView>(environment); };
    }

    RecordingView& Recording() { return static_cast<RecordingView&>(View()); }

    SourceIcon& AddIcon(int x, int y, std::uint16_t typeCode = 40)
    {
        return test::Place<SourceIcon>(Doc(), typeCode, x, y);
    }

    std::vector<CCorvaneObj*> Order()
    {
        std::vector<CCorvaneObj*> order;
        for (const auto& object : Doc().GetObjects())
            order.push_back(object.get());
        return order;
    }

    void Tick()
    {
        TestClock().Advance(CCorvaneView::kAutoScrollIntervalMs);
        App().ProcessPending();
    }

    // Registers, for a cell, a maker of icons of the type code.
    void RegisterCell(int cell, std::uint16_t typeCode)
    {
        Environment().makers.Register(cell, test::SourceIconMaker(typeCode, &bitmapIds_));
    }

    std::vector<int> bitmapIds_;
};

constexpr std::string_view kPollNotice
    = "A poll of the connected logger hardware is required to build a valid Program Net. Establish a connection "
      "to the logger, then select the 'Query Logger Configuration' button on the button bar.";

TEST(CCorvaneViewBrushOrigin, StaysOnTheEightPixelLatticeForAnyOffset)
{
    struct Case {
        Point topLeft;
        Point origin;
    };
    const Case cases[] = {
        {{0, 0}, {0, 0}},
        {{13, 21}, {5, 5}},
        {{8, 16}, {0, 0}},
        {{-3, -8}, {5, 0}},
        {{-17, -1}, {7, 7}},
        {{-800, 7}, {0, 7}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CCorvaneView::BrushOriginFor(c.topLeft), c.origin) << c.topLeft.x << ", " << c.topLeft.y;
}

TEST_F(CCorvaneViewTest, OpensActiveWithThePaperAsScrollArea)
{
    EXPECT_TRUE(View().IsViewActivated());
    const Size paper = Doc().GetPaperSize();
    EXPECT_EQ(View().TotalSize(), (Size{paper.width * 96 / 100, paper.height * 96 / 100}));
    EXPECT_EQ(View().PageSize(), (Size{448, 448}));
    EXPECT_EQ(View().LineSize(), (Size{32, 32}));

    View().SetPageSize(850, 1100);
    EXPECT_EQ(View().PrintSize(), (Size{816, 1056}));
    EXPECT_EQ(View().TotalSize(), (Size{816, 1056}));
}

TEST_F(CCorvaneViewTest, SelectsAddsAndDeselects)
{
    SourceIcon& a = AddIcon(100, 100);
    SourceIcon& b = AddIcon(200, 100);
    View().Select(&a, false);
    View().Select(&b, true);
    View().Select(&b, true);
    EXPECT_EQ(View().Selection(), (std::vector<CCorvaneObj*>{&a, &b})) << "no object twice";
    View().Select(&b, false);
    EXPECT_EQ(View().Selection(), (std::vector<CCorvaneObj*>{&b}));
    View().Select(nullptr, false);
    EXPECT_TRUE(View().Selection().empty());

    View().Select(&a, true);
    View().Select(&b, true);
    View().Deselect(&a);
    EXPECT_EQ(View().Selection(), (std::vector<CCorvaneObj*>{&b}));
    EXPECT_TRUE(View().IsSelected(b));
    EXPECT_FALSE(View().IsSelected(a));

    // The document takes an object it gives up out of the selection.
    const std::unique_ptr<CCorvaneObj> removed = Doc().RemoveObject(b);
    EXPECT_TRUE(View().Selection().empty());
}

TEST_F(CCorvaneViewTest, SelectsInAClientRectangleThroughTheScrollPosition)
{
    SourceIcon& near = AddIcon(100, 100);
    SourceIcon& far = AddIcon(600, 400);
    View().ScrollTo({50, 40});
    ASSERT_EQ(View().ScrollPosition(), (Point{50, 40}));
    // Client (40, 50)-(100, 100) is document (90, 90)-(150, 140).
    View().SelectInRect({40, 50, 100, 100}, false);
    EXPECT_EQ(View().Selection(), (std::vector<CCorvaneObj*>{&near}));
    View().SelectInRect({540, 350, 600, 400}, true);
    EXPECT_EQ(View().Selection(), (std::vector<CCorvaneObj*>{&near, &far}));
    View().SelectInRect({540, 350, 600, 400}, false);
    EXPECT_EQ(View().Selection(), (std::vector<CCorvaneObj*>{&far}));
}

TEST_F(CCorvaneViewTest, UpdateHintsDropRemovedObjectsAndTellOfHardware)
{
    SourceIcon& a = AddIcon(100, 100);
    SourceIcon& b = AddIcon(200, 100);
    View().Select(&a, true);
    View().Select(&b, true);
    Doc().UpdateAllViews(nullptr, view_hint::kObjects, std::vector<CCorvaneObj*>{&a});
    Doc().UpdateAllViews(nullptr, view_hint::kObject, static_cast<CCorvaneObj*>(&a));
    EXPECT_EQ(View().SelectionCount(), 2u) << "repainting leaves the selection";
    Doc().UpdateAllViews(nullptr, view_hint::kRemoved, std::vector<CCorvaneObj*>{&a});
    EXPECT_EQ(View().Selection(), (std::vector<CCorvaneObj*>{&b}));

    Doc().UpdateAllViews(nullptr, view_hint::kHardware);
    Doc().UpdateAllViews(nullptr, view_hint::kAll);
    EXPECT_EQ(Recording().hardwareChanges, 1);
}

TEST_F(CCorvaneViewTest, ActivationFollowsTheFrameAndGatesTheTools)
{
    View().OnActivateView(false, nullptr, &View());
    EXPECT_FALSE(View().IsViewActivated());
    Press({200, 200});
    EXPECT_FALSE(View().HasCapture()) << "an inactive view keeps the mouse from the tools";
    Release({200, 200});

    View().OnActivateView(true, &View(), nullptr);
    EXPECT_TRUE(View().IsViewActivated());
    Press({200, 200});
    EXPECT_TRUE(View().HasCapture());
    Release({200, 200});
    EXPECT_FALSE(View().HasCapture());
}

TEST_F(CCorvaneViewTest, AReleaseNearTheEdgeReachesTheToolOnlyDuringADrag)
{
    // The base release makes the select tool current after a click on one
    // pixel, which shows whether the release reached the tool.
    struct Case {
        bool captured;
        Point point;
        bool reaches;
    };
    const Case cases[] = {
        {false, {5, 50}, false},
        {false, {50, 9}, false},
        {false, {10, 10}, true},
        {true, {5, 50}, true},
        {true, {50, 0}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.point.x << ", " << c.point.y << (c.captured ? " captured" : ""));
        Environment().tools.SetCurrentKind(tool_kind::kConnect);
        Environment().tools.SetDownPoint(c.point);
        if (c.captured)
            View().SetCapture();
        Release(c.point);
        EXPECT_EQ(Environment().tools.CurrentKind(), c.reaches ? tool_kind::kSelect : tool_kind::kConnect);
        EXPECT_FALSE(View().HasCapture()) << "a drag's capture is released";
    }
}

TEST_F(CCorvaneViewTest, AutoScrollTicksScrollAStepAndReplayTheLastMove)
{
    struct Case {
        int direction;
        Point step;
    };
    const Case cases[] = {{0, {0, -32}}, {1, {0, 32}}, {2, {-32, 0}}, {3, {32, 0}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.direction);
        View().ScrollTo({300, 300});
        MoveTo({120, 130});
        const int moves = Recording().hoverMoves;
        View().SetAutoScrollDirection(c.direction);
        ASSERT_TRUE(View().SetTimer(CCorvaneView::kAutoScrollTimer, CCorvaneView::kAutoScrollIntervalMs));
        Tick();
        EXPECT_EQ(View().ScrollPosition(), (Point{300, 300} + c.step));
        EXPECT_EQ(Recording().hoverMoves, moves + 1) << "the last move replayed";
        Tick();
        EXPECT_EQ(View().ScrollPosition(), (Point{300, 300} + c.step + c.step));
        View().KillTimer(CCorvaneView::kAutoScrollTimer);
    }
}

TEST_F(CCorvaneViewTest, StackingCommandsWantExactlyOneSelectedObject)
{
    SourceIcon& a = AddIcon(100, 100);
    SourceIcon& b = AddIcon(200, 100);
    for (const int command : {vc::kBringToTop, vc::kSendToBottom, vc::kBringForward, vc::kSendBackward}) {
        View().Select(nullptr, false);
        EXPECT_FALSE(View().QueryCommand(command).IsEnabled()) << command << " with none";
        View().Select(&a, false);
        EXPECT_TRUE(View().QueryCommand(command).IsEnabled()) << command << " with one";
        View().Select(&b, true);
        EXPECT_FALSE(View().QueryCommand(command).IsEnabled()) << command << " with two";
    }
}

TEST_F(CCorvaneViewTest, StackingCommandsMoveTheSelectedObjectInTheList)
{
    struct Case {
        int command;
        int selected;
        std::vector<int> order;  // indexes into the three objects as first added
    };
    const Case cases[] = {
        {vc::kBringToTop, 1, {0, 2, 1}},
        {vc::kSendToBottom, 1, {1, 0, 2}},
        {vc::kBringForward, 1, {0, 2, 1}},
        {vc::kSendBackward, 1, {1, 0, 2}},
        {vc::kBringForward, 2, {0, 1, 2}},
        {vc::kSendBackward, 0, {0, 1, 2}},
        {vc::kBringToTop, 0, {1, 2, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.command << " of " << c.selected);
        Doc().DeleteObjects(true);
        std::vector<CCorvaneObj*> objects = {&AddIcon(100, 100), &AddIcon(200, 100), &AddIcon(300, 100)};
        View().Select(objects[static_cast<std::size_t>(c.selected)], false);
        ASSERT_TRUE(View().RouteCommand(c.command));
        std::vector<CCorvaneObj*> expected;
        for (const int index : c.order)
            expected.push_back(objects[static_cast<std::size_t>(index)]);
        EXPECT_EQ(Order(), expected);
        EXPECT_EQ(View().SelectionCount(), 1u) << "the selection stays";
    }
}

TEST_F(CCorvaneViewTest, SelectAllTakesEveryObjectAndNeedsOne)
{
    EXPECT_FALSE(View().QueryCommand(vc::kSelectAll).IsEnabled());
    EXPECT_FALSE(View().QueryCommand(vc::kCopy).IsEnabled());
    AddIcon(100, 100);
    AddIcon(200, 100);
    EXPECT_TRUE(View().QueryCommand(vc::kSelectAll).IsEnabled());
    ASSERT_TRUE(View().RouteCommand(vc::kSelectAll));
    EXPECT_EQ(View().Selection(), Order());
    EXPECT_TRUE(View().QueryCommand(vc::kCopy).IsEnabled());
    EXPECT_TRUE(View().QueryCommand(vc::kCut).IsEnabled());

    Doc().SetModified(false);
    ASSERT_TRUE(View().RouteCommand(vc::kPaste));
    EXPECT_TRUE(View().Selection().empty());
    EXPECT_TRUE(Doc().IsModified());
}

TEST_F(CCorvaneViewTest, SnapToGridTogglesTheProgramSetting)
{
    EXPECT_FALSE(View().IsSnapToGrid());
    EXPECT_FALSE(View().QueryCommand(vc::kSnapToGrid).IsChecked());
    ASSERT_TRUE(View().RouteCommand(vc::kSnapToGrid));
    EXPECT_TRUE(View().IsSnapToGrid());
    EXPECT_TRUE(View().QueryCommand(vc::kSnapToGrid).IsChecked());
    ASSERT_TRUE(View().RouteCommand(vc::kSnapToGrid));
    EXPECT_EQ(Environment().snapWrites, (std::vector<bool>{true, false}));
    EXPECT_FALSE(Environment().snapToGrid);
}

TEST_F(CCorvaneViewTest, ToolCommandsSetTheSharedKindAndEscapeCancels)
{
    ASSERT_TRUE(View().RouteCommand(vc::kLineTool));
    EXPECT_EQ(Environment().tools.CurrentKind(), tool_kind::kConnect);
    EXPECT_TRUE(View().QueryCommand(vc::kLineTool).IsChecked());
    EXPECT_FALSE(View().QueryCommand(vc::kSelectionTool).IsChecked());
    ASSERT_TRUE(View().RouteCommand(vc::kRectangleTool));
    EXPECT_EQ(Environment().tools.CurrentKind(), tool_kind::kConnect) << "the rectangle tool is never made current";

    View().SetCapture();
    fa::SendKey(View(), key_code::kEscape);
    EXPECT_EQ(Environment().tools.CurrentKind(), tool_kind::kSelect);
    EXPECT_FALSE(View().HasCapture());
    EXPECT_TRUE(View().QueryCommand(vc::kSelectionTool).IsChecked());
}

TEST_F(CCorvaneViewTest, DrawsThePaperAndTheGridOnlyWithSnap)
{
    Doc().SetPaperColor(0x00D0E0F0);
    AddIcon(100, 100);
    View().ScrollTo({40, 24});
    const Bitmap plain = View().RenderToBitmap();
    EXPECT_EQ(plain.PixelAt(2, 2), RgbFromStoredColour(0x00D0E0F0));
    EXPECT_NE(plain.PixelAt(100 - 40 + 16, 100 - 24 + 16), RgbFromStoredColour(0x00D0E0F0)) << "the icon";
    EXPECT_EQ(Recording().gridDraws, 0);
    std::string error;
    EXPECT_TRUE(plain.SavePng(PicturePath("corvane-view-scrolled.png"), &error)) << error;

    View().RouteCommand(vc::kSnapToGrid);
    View().RenderToBitmap();
    EXPECT_GT(Recording().gridDraws, 0);
}

TEST_F(CCorvaneViewTest, ToolTipsNameIconsAndWindowCommands)
{
    test::FakeEditorEnvironment& environment = Environment();
    RegisterCell(3, 273);
    CCorvaneIcon* own = View().CreatePaletteIcon(3, {200, 150});
    ASSERT_NE(own, nullptr);
    const Point over = own->Position().Centre();
    EXPECT_EQ(fa::ToolTipAt(View(), over), "Source");

    // The program's current net is asked first.
    CCorvaneDoc other;
    SourceIcon& elsewhere = test::Place<SourceIcon>(other, std::uint16_t{40}, 10, 10);
    elsewhere.SetName("Elsewhere");
    ASSERT_EQ(elsewhere.UniqueId(), own->UniqueId());
    environment.currentNet = &other;
    EXPECT_EQ(fa::ToolTipAt(View(), over), "Elsewhere");
    environment.currentNet = nullptr;

    struct Case {
        int id;
        std::string text;
    };
    const Case cases[] = {
        {32802, "Program Development"},
        {32803, "Real-Time Trending"},
        {32806, "Communications"},
        {4000, "ID 4000"},
    };
    int row = 0;
    for (const Case& c : cases) {
        const Rect area{500, 20 + row * 40, 560, 50 + row * 40};
        ++row;
        View().AddToolTip(c.id, area);
        EXPECT_EQ(fa::ToolTipAt(View(), area.Centre()), c.text) << c.id;
    }
}

TEST_F(CCorvaneViewTest, PrintsTheWindowPictureToAPdfTheUserNames)
{
    if (HasPrinter())
        GTEST_SKIP() << "a configured printer would take the job";
    test::ScratchFolder folder;
    const std::filesystem::path pdf = folder.Path() / "net.pdf";
    AddIcon(100, 100);

    ASSERT_TRUE(View().RouteCommand(vc::kPrint));
    ASSERT_EQ(Prompts().fileDialogs.size(), 1u);
    EXPECT_FALSE(Prompts().fileDialogs[0].open);
    EXPECT_FALSE(std::filesystem::exists(pdf)) << "cancelled";

    Prompts().fileDialogAnswers.push_back(FileDialogResult{{pdf.string()}, 1, {}});
    ASSERT_TRUE(View().RouteCommand(vc::kPrint));
    ASSERT_TRUE(std::filesystem::exists(pdf));
    std::ifstream file(pdf, std::ios::binary);
    const std::string start(std::istreambuf_iterator<char>(file), {});
    EXPECT_EQ(start.substr(0, 4), "%PDF");
    EXPECT_EQ(View().PrintImage().Picture().Extent(), View().ClientSize());
    EXPECT_TRUE(Prompts().messageBoxes.empty());

    PrintSettings settings;
    settings.pdfPath = folder.Path() / "direct.pdf";
    const PrintResult result = View().PrintWindow(settings);
    EXPECT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.pages, 1);
}

TEST_F(CCorvaneViewTest, APaletteDropOnAnEmptyNetShowsThePollNoticeAndStillCreates)
{
    RegisterCell(4, 261);
    Doc().SetModified(false);
    CCorvaneIcon* icon = View().CreatePaletteIcon(4, {133, 77});
    ASSERT_NE(icon, nullptr);
    ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_EQ(Prompts().messageBoxes[0].text, kPollNotice);
    EXPECT_EQ(Prompts().messageBoxes[0].buttons, MessageBoxButtons::Ok);
    EXPECT_EQ(Doc().GetObjectCount(), 1);
    EXPECT_EQ(icon->Type(), object_type::kIconOrControl);
    EXPECT_EQ(icon->Position().TopLeft(), (Point{133, 77}));
    EXPECT_NE(icon->UniqueId(), 0);
    EXPECT_EQ(icon->Owner(), &Doc());
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_EQ(bitmapIds_, (std::vector<int>{10005})) << "the cell's picture id";

    ASSERT_NE(View().CreatePaletteIcon(4, {300, 77}), nullptr);
    EXPECT_EQ(Prompts().messageBoxes.size(), 1u) << "no notice once the net holds objects";
}

TEST_F(CCorvaneViewTest, CreatesNothingWithoutAMakerOrOutsideThePalette)
{
    AddIcon(100, 100);
    Environment().capabilityByte = 1;
    EXPECT_EQ(View().CreatePaletteIcon(11, {200, 200}), nullptr);
    EXPECT_EQ(View().CreatePaletteIcon(48, {200, 200}), nullptr);
    EXPECT_EQ(View().CreatePaletteIcon(-1, {200, 200}), nullptr);
    EXPECT_EQ(Doc().GetObjectCount(), 1);
    EXPECT_TRUE(Prompts().messageBoxes.empty());
}

TEST_F(CCorvaneViewTest, ASecondSingleInstanceIconIsRefusedWithItsName)
{
    struct Case {
        int cell;
        std::uint16_t typeCode;
        std::string message;
    };
    const Case cases[] = {
        {1, 81, "A program net may contain only one\nLog memory icon."},
        {2, 82, "A program net may contain only one\nProbe icon."},
        {45, 70, "A program net may contain only one\nMQTT icon."},
        {47, 5, "A program net may contain only one\nModbus slave/server icon."},
    };
    Environment().capabilityByte = 0x04;
    Environment().configWord = 0x1000;
    AddIcon(600, 600);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cell);
        RegisterCell(c.cell, c.typeCode);
        ASSERT_NE(View().CreatePaletteIcon(c.cell, {100, 100}), nullptr);
        const int count = Doc().GetObjectCount();
        Prompts().messageBoxes.clear();
        EXPECT_EQ(View().CreatePaletteIcon(c.cell, {200, 200}), nullptr);
        EXPECT_EQ(Doc().GetObjectCount(), count);
        ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
        EXPECT_EQ(Prompts().messageBoxes[0].text, c.message);
        EXPECT_TRUE(View().CheckOneOnly(c.typeCode));
    }
    EXPECT_FALSE(View().CheckOneOnly(40)) << "not a single-instance type";
}

TEST_F(CCorvaneViewTest, NetworkAndModbusRulesComeBeforeTheOnePerNetTest)
{
    RegisterCell(45, 70);
    RegisterCell(47, 5);
    Environment().capabilityByte = 0x01;
    Environment().configWord = 0x4000;
    ASSERT_NE(View().CreatePaletteIcon(45, {100, 100}), nullptr);
    ASSERT_NE(View().CreatePaletteIcon(47, {200, 100}), nullptr);
    Prompts().messageBoxes.clear();
    const int count = Doc().GetObjectCount();

    Environment().capabilityByte = 0xF8;
    EXPECT_EQ(View().CreatePaletteIcon(45, {300, 100}), nullptr);
    EXPECT_TRUE(Prompts().messageBoxes.empty()) << "MQTT is refused silently without network features";

    Environment().configWord = 0xA000;
    EXPECT_EQ(View().CreatePaletteIcon(47, {300, 100}), nullptr);
    ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_EQ(Prompts().messageBoxes[0].text,
        "Either the Modbus RTU Slave function or TCP Server function must be enabled to use this icon in a "
        "program net.");
    EXPECT_EQ(Doc().GetObjectCount(), count);
}

TEST_F(CCorvaneViewTest, SnapsDropsToTheIconGridWhileSnapIsOn)
{
    struct Case {
        Point drop;
        Point snapped;
    };
    const Case cases[] = {
        {{0, 0}, {20, 20}},
        {{64, 54}, {20, 20}},
        {{65, 55}, {110, 90}},
        {{200, 300}, {200, 300}},
    };
    RegisterCell(3, 273);
    AddIcon(900, 900);
    for (const bool snap : {false, true}) {
        if (snap != View().IsSnapToGrid())
            View().RouteCommand(vc::kSnapToGrid);
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << c.drop.x << ", " << c.drop.y << (snap ? " snapped" : ""));
            Point point = c.drop;
            View().SnapDropPoint(point);
            EXPECT_EQ(point, snap ? c.snapped : c.drop);
            CCorvaneIcon* icon = View().CreatePaletteIcon(3, c.drop);
            ASSERT_NE(icon, nullptr);
            EXPECT_EQ(icon->Position().TopLeft(), point);
        }
    }
}

}  // namespace
}  // namespace c_corvane_view_test
}  // namespace corvane
