#include "EditorTestSupport.h"
#include "NetViewTestSupport.h"
#include "TestOutput.h"

#include "netdoc/CNetView.h"
#include "netmodel/PaletteMessages.h"
#include "platform/Application.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <unistd.h>

namespace corvane::test {
namespace c_net_view_test {
namespace {

constexpr int kSampleClockCell = 0;  // a palette cell without placing rules

// A net document with its net view in an offscreen main frame.
class CNetViewTest : public EditorTest {
protected:
    CNetViewTest()
    {
        makeDocument = [this] { return std::make_unique<CNetDoc>(netServices, factory); };
        makeView
            = [this](EditorEnvironment& environment) { return std::make_unique<CNetView>(environment, viewServices); };
        folder_ = test::OutputFolder()
            / ("corvane-netview-" + std::to_string(::getpid()) + "-"
                + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder_);
        netServices.netFolder = folder_;
    }
    ~CNetViewTest() override { std::filesystem::remove_all(folder_); }

    CNetView& Net() { return dynamic_cast<CNetView&>(View()); }
    CNetDoc& NetDoc() { return dynamic_cast<CNetDoc&>(Doc()); }
    void Key(int key) { frame_automation::SendKey(Net(), key); }

    FakeNetServices netServices;
    IconFactory factory = TestFactory();
    FakeNetViewServices viewServices;

private:
    std::filesystem::path folder_;
};

TEST_F(CNetViewTest, ZoomKeysStepByTenWithinTenToFourHundred)
{
    struct Case {
        int key;
        int presses;
        int zoom;
    };
    const Case cases[] = {{'A', 1, 110}, {'Z', 3, 80}, {'A', 40, 400}, {'Z', 50, 10}, {'A', 9, 100}};
    for (const Case& c : cases) {
        for (int i = 0; i < c.presses; ++i)
            Key(c.key);
        EXPECT_EQ(Net().Zoom(), c.zoom) << static_cast<char>(c.key) << " x " << c.presses;
    }
}

TEST_F(CNetViewTest, ZoomMakesThatManyUnitsAnInch)
{
    struct Case {
        int zoom;
        Point client;  // where document point (200, 100) shows at scroll 0, 0 on a 96-dpi screen
    };
    const Case cases[] = {{100, {192, 96}}, {50, {384, 192}}, {200, {96, 48}}};
    for (const Case& c : cases) {
        Net().SetZoom(c.zoom);
        Net().ScrollTo({0, 0});
        EXPECT_EQ(Net().LogicalToClient(Point{200, 100}), c.client) << c.zoom;
    }
}

TEST_F(CNetViewTest, ZoomKeepsThePointUnderThePointerInPlace)
{
    Net().ScrollTo({0, 0});
    const Point pointer{200, 150};
    ASSERT_TRUE(frame_automation::MovePointer(Net().ClientToScreen(pointer)));
    const Point under = Net().ClientToLogical(pointer);
    for (int i = 0; i < 5; ++i)
        Key('Z');
    ASSERT_EQ(Net().Zoom(), 50);
    EXPECT_NE(Net().ScrollPosition(), (Point{0, 0}));
    const Point now = Net().LogicalToClient(under);
    EXPECT_NEAR(now.x, pointer.x, 1);
    EXPECT_NEAR(now.y, pointer.y, 1);
}

TEST_F(CNetViewTest, DrawsTheGridDotsWhileSnapToGridIsOn)
{
    Net().ScrollTo({0, 0});
    Net().HandleCommand(view_command::kSnapToGrid);
    ASSERT_TRUE(Net().IsSnapToGrid());
    const Bitmap picture = Net().RenderToBitmap();
    picture.SavePng(PicturePath("net-view-grid.png"));
    const RgbColour black{0, 0, 0};
    // Dots at x = 36 + 90 k, y = 36 + 70 k (units), nothing between them.
    for (const Point dot : {Point{36, 36}, Point{126, 36}, Point{36, 106}, Point{216, 176}}) {
        const Point at = Net().LogicalToClient(dot);
        EXPECT_EQ(picture.PixelAt(at.x, at.y), black) << dot.x << ", " << dot.y;
    }
    for (const Point between : {Point{80, 36}, Point{36, 70}, Point{80, 80}}) {
        const Point at = Net().LogicalToClient(between);
        EXPECT_NE(picture.PixelAt(at.x, at.y), black) << between.x << ", " << between.y;
    }
}

TEST_F(CNetViewTest, ADropOnAScrolledViewLandsAtThePointPlusTheScrollOffset)
{
    Environment().makers.Register(kSampleClockCell, SourceIconMaker(2));
    Net().ScrollTo({96, 48});
    ASSERT_EQ(Net().ScrollPosition(), (Point{96, 48}));
    App().SendMessage(
        Net().Handle(), kPaletteDropMessage, kSampleClockCell, 0, std::make_unique<PaletteDropPayload>(Point{30, 40}));
    ASSERT_EQ(Doc().Icons().size(), 1u);
    // (30 + 96, 40 + 48) pixels at 96 per inch, in hundredths of an inch, rounded.
    EXPECT_EQ(Doc().Icons().front()->Position().TopLeft(), (Point{131, 92}));
}

TEST_F(CNetViewTest, APaletteButtonPlacesItsCellTheBarsWidthRightOfThePointer)
{
    Environment().makers.Register(kSampleClockCell, SourceIconMaker(2));
    Net().ScrollTo({0, 0});
    ASSERT_TRUE(frame_automation::MovePointer(Net().ClientToScreen({-96, 48})));
    Net().HandleCommand(830 + kSampleClockCell);
    ASSERT_EQ(Doc().Icons().size(), 1u);
    // (-96 + 192, 48) pixels, in hundredths of an inch.
    EXPECT_EQ(Doc().Icons().front()->Position().TopLeft(), (Point{100, 50}));
}

TEST_F(CNetViewTest, WithoutAConnectionTheQueryIsDisabledAndMakesOnlyTheProgramIcon)
{
    EXPECT_FALSE(Net().QueryCommand(CNetView::kQueryCommand).IsEnabled());
    Environment().connected = true;
    EXPECT_TRUE(Net().QueryCommand(CNetView::kQueryCommand).IsEnabled());
    Environment().connected = false;

    Place<SourceIcon>(Doc());
    Net().OnQueryLoggerConfiguration();
    ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_EQ(Prompts().messageBoxes[0].text, "Please connect to the logger prior to polling for hardware");
    EXPECT_EQ(Prompts().messageBoxes[0].caption, "Logger Connection Error");
    ASSERT_EQ(Doc().Icons().size(), 1u);
    EXPECT_NE(NetDoc().ProgramIcon(), nullptr);
    EXPECT_EQ(viewServices.programRects, (std::vector<Rect>{{20, 90, 52, 122}}));
    EXPECT_EQ(Doc().Title(), "ProgramNet");
    EXPECT_EQ(viewServices.diagnosticsCleared, 0);
}

TEST_F(CNetViewTest, WithAConnectionTheQueryEmptiesTheNetAndStartsThePoll)
{
    Environment().connected = true;
    Place<SourceIcon>(Doc());
    // No logger link answers here: the query ends at once as failed, with
    // nothing found to place.
    Net().OnQueryLoggerConfiguration();
    EXPECT_EQ(viewServices.diagnosticsCleared, 1);
    EXPECT_EQ(Doc().GetHardwarePoll().PollState(), CHardwarePoll::kFailed);
    EXPECT_TRUE(Doc().Icons().empty());
    EXPECT_TRUE(Prompts().messageBoxes.empty());
    EXPECT_FALSE(Doc().IsModified());
}

TEST_F(CNetViewTest, DeleteRemovesOnlyTheDeletedIconsLinks)
{
    auto& source = Place<SourceIcon>(Doc());
    auto& gate = Place<GateIcon>(Doc(), 300, 100, 2, kTestGateType);
    auto& fixed = Place<SourceIcon>(Doc(), kTestConstType, 100, 200);
    auto& relay = Place<RelayIcon>(Doc(), "Relay", 2, kTestRelayType);
    Link(source, 0, gate, 0);
    Link(gate, 0, relay, 0);
    Link(fixed, 0, relay, 1);
    fixed.SetDeletable(false);
    const std::uint16_t gateId = gate.UniqueId();

    Net().Select(&gate, false);
    Net().Select(&fixed, true);
    Net().AddToNetSelection(gate);
    Net().HandleCommand(view_command::kDelete);

    ASSERT_EQ(Doc().Icons().size(), 3u);
    EXPECT_EQ(Doc().FindIconById(gateId), nullptr);
    EXPECT_FALSE(relay.GetInputLinks()[0].IsConnected());
    EXPECT_TRUE(relay.GetInputLinks()[1].IsConnected());
    EXPECT_EQ(relay.GetInputLinks()[1].sourceId, fixed.UniqueId());
    EXPECT_TRUE(Net().Selection().empty());
    EXPECT_TRUE(Net().NetSelection().empty());
    EXPECT_TRUE(Doc().IsModified());
}

TEST_F(CNetViewTest, CopyTakesTheSelectedDeletableIconsAndPasteAddsThem)
{
    auto& copied = Place<SourceIcon>(Doc(), kTestConstType, 100, 100);
    auto& fixed = Place<SourceIcon>(Doc(), kTestConstType, 300, 100);
    fixed.SetDeletable(false);
    Net().Select(&copied, false);
    Net().Select(&fixed, true);
    Net().HandleCommand(view_command::kCopy);
    EXPECT_EQ(Net().Clipboard().RecordCount(), 1);

    Net().HandleCommand(view_command::kPaste);
    ASSERT_EQ(Doc().Icons().size(), 3u);
    const CCorvaneIcon& pasted = *Doc().Icons().back();
    EXPECT_EQ(pasted.TypeCode(), kTestConstType);
    EXPECT_NE(pasted.UniqueId(), copied.UniqueId());
}

TEST_F(CNetViewTest, ContextMenuSelectsTheIconUnderThePointAndRunsTheChosenCommand)
{
    auto& kept = Place<SourceIcon>(Doc(), kTestConstType, 300, 100);
    auto& clicked = Place<SourceIcon>(Doc(), kTestConstType, 100, 100);
    Net().Select(&kept, false);
    Net().ScrollTo({0, 0});
    const Point point = Net().LogicalToClient(Point{110, 110});

    std::vector<std::string> shown;
    std::vector<CCorvaneObj*> selectedWhileOpen;
    RecordingWindow driver;
    driver.onMessage = [&](Message&) {
        shown = frame_automation::OpenPopupTexts();
        selectedWhileOpen = Net().Selection();
        EXPECT_TRUE(frame_automation::ChooseOpenPopupItem(view_command::kDelete));
        return 0;
    };
    driver.PostMessage(kUserMessage);
    frame_automation::SendMouse(Net(), frame_automation::MouseAction::Press, MouseButton::Right, point);
    frame_automation::SendMouse(Net(), frame_automation::MouseAction::Release, MouseButton::Right, point);

    EXPECT_EQ(shown, (std::vector<std::string>{"Cu&t", "&Copy", "&Paste", "&Delete", "", "P&roperties"}));
    EXPECT_EQ(selectedWhileOpen, (std::vector<CCorvaneObj*>{&clicked}));
    EXPECT_EQ(Doc().Icons(), (std::vector<CCorvaneIcon*>{&kept}));
}

TEST_F(CNetViewTest, SaveAsksForANameForProgramNetAndForSaveAs)
{
    struct Case {
        const char* title;
        int command;
        bool asks;
    };
    const Case cases[] = {
        {"ProgramNet", CNetView::kSaveCommand, true},
        {"Mine.nt3", CNetView::kSaveCommand, false},
        {"Mine.nt3", CNetView::kSaveAsCommand, true},
    };
    Place<SourceIcon>(Doc());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        Prompts().fileDialogs.clear();
        Doc().SetPathName(netServices.netFolder / "Mine.nt3", false);
        Doc().SetTitle(c.title);
        Net().HandleCommand(c.command);
        EXPECT_EQ(Prompts().fileDialogs.size(), c.asks ? 1u : 0u);
    }
}

}  // namespace
}  // namespace c_net_view_test
}  // namespace corvane::test
