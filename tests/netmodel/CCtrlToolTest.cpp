#include "EditorTestSupport.h"
#include "RecordingPictureActions.h"

#include "netmodel/CCorvaneCtrl.h"
#include "netmodel/CCtrlTool.h"
#include "netmodel/PictureActions.h"
#include "platform/KeyCodes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane {
namespace c_ctrl_tool_test {
namespace {

using test::RecordingPictureActions;

// A picture item that counts how often it is opened, and a module picture.
class OpeningItem : public CCorvaneCtrl {
public:
    OpeningItem(bool movable, bool clickable, int ctrlId, const Rect& rect)
        : CCorvaneCtrl(false, false, movable, clickable, 300, ctrlId, rect)
    {}
    void OnOpen() override { ++opened; }
    int opened = 0;
};

class BusNode final : public OpeningItem {
public:
    explicit BusNode(const Rect& rect) : OpeningItem(false, false, 19, rect) {}
    std::string_view ClassName() const override { return "CTevlinkNode"; }
};

class CtrlTool : public test::EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        Environment().pictureActions = &actions_;
        View().UseCtrlTool();
        logger_ = &Add(false, true, 1, {400, 100, 480, 180});
        pc_ = &Add(false, true, 9, {400, 300, 480, 380});
        netFile_ = &Add(true, true, 10, {100, 100, 140, 140});
        enable_ = &Add(false, true, 14, {100, 300, 140, 340});
    }

    OpeningItem& Add(bool movable, bool clickable, int ctrlId, const Rect& rect)
    {
        return static_cast<OpeningItem&>(
            Doc().AddObject(std::make_unique<OpeningItem>(movable, clickable, ctrlId, rect)));
    }
    CCtrlTool& Tool() { return static_cast<CCtrlTool&>(*Environment().tools.FindTool(tool_kind::kControl)); }
    void DragItem(Point from, Point to)
    {
        Press(from);
        DragTo({(from.x + to.x) / 2, (from.y + to.y) / 2});
        DragTo(to);
        Release(to);
    }

    RecordingPictureActions actions_;
    OpeningItem* logger_ = nullptr;
    OpeningItem* pc_ = nullptr;
    OpeningItem* netFile_ = nullptr;
    OpeningItem* enable_ = nullptr;
};

TEST_F(CtrlTool, DispatchRunsTheCommandOfEachSourceAndTargetOnlyWhileItIsEnabled)
{
    struct Case {
        int source;
        int target;
        const char* call;  // empty: nothing happens
        int command;       // the command whose state decides; 0 for none
    };
    using C = PictureActions;
    const Case cases[] = {
        {2, 9, "DownloadNet", C::kDownloadNetCommand},
        {2, 0, "", 0},
        {2, 1, "", 0},
        {3, 0, "DownloadData", C::kDownloadDataCommand},
        {3, 9, "DownloadData", C::kDownloadDataCommand},
        {3, 1, "", 0},
        {4, 0, "LoggerConfiguration", C::kLoggerConfigurationCommand},
        {4, 9, "LoggerConfiguration", C::kLoggerConfigurationCommand},
        {4, 1, "", 0},
        {5, 0, "ProbePoints", C::kViewProbePointsCommand},
        {5, 9, "ProbePoints", C::kViewProbePointsCommand},
        {6, 0, "SetLoggerTime", C::kSetLoggerTimeCommand},
        {6, 9, "SetLoggerTime", C::kSetLoggerTimeCommand},
        {7, 0, "LoggerStatus", C::kViewLoggerStatusCommand},
        {7, 9, "LoggerStatus", C::kViewLoggerStatusCommand},
        {8, 0, "LoggerStatus", C::kViewLoggerStatusCommand},
        {8, 9, "", 0},
        {10, 1, "UploadNet", C::kUploadNetCommand},
        {10, 0, "Main 32802", C::kProgramDevelopmentCommand},
        {10, 9, "", 0},
        {12, 1, "SetLoggerTime", C::kSetLoggerTimeCommand},
        {12, 0, "", 0},
        {13, 0, "OpenLastDownload", 0},
        {13, 9, "", 0},
        {14, 0, "EnableLogging", C::kEnableLoggingCommand},
        {14, 1, "", 0},
        {15, 0, "StopLogging", C::kStopLoggingCommand},
        {16, 0, "ClearMemory", C::kClearMemoryCommand},
        {18, 0, "ConnectDialog", C::kLoggerConnectionCommand},
        {18, 9, "", 0},
        {20, 0, "ScanCard", C::kScanCardCommand},
        {20, 9, "", 0},
        {21, 0, "DownloadCardData", C::kDownloadCardDataCommand},
        {21, 9, "DownloadCardData", C::kDownloadCardDataCommand},
        {21, 1, "", 0},
        {22, 0, "Ignore", 0},
        {22, 9, "", 0},
        {24, 0, "View 32893", C::kPasswordManagementCommand},
        {24, 9, "View 32893", C::kPasswordManagementCommand},
        {1, 0, "", 0},
        {9, 0, "", 0},
        {11, 0, "", 0},
        {17, 0, "", 0},
        {19, 0, "", 0},
        {23, 0, "", 0},
        {25, 0, "", 0},
    };
    for (const Case& c : cases) {
        actions_.disabled.clear();
        actions_.calls.clear();
        Tool().DoPictureAction(View(), c.source, c.target, nullptr);
        const std::vector<std::string> expected
            = std::string(c.call).empty() ? std::vector<std::string>{} : std::vector<std::string>{c.call};
        EXPECT_EQ(actions_.calls, expected) << c.source << " onto " << c.target;

        // With its command disabled the pairing does nothing at all.
        if (c.command == 0)
            continue;
        actions_.disabled = {c.command};
        actions_.calls.clear();
        Tool().DoPictureAction(View(), c.source, c.target, nullptr);
        EXPECT_TRUE(actions_.calls.empty()) << c.source << " onto " << c.target << " while disabled";
    }
    EXPECT_TRUE(Prompts().messageBoxes.empty());
}

TEST_F(CtrlTool, UploadWithoutANetTellsTheUser)
{
    actions_.netHasObjects = false;
    Tool().DoPictureAction(View(), 10, 1, nullptr);
    EXPECT_TRUE(actions_.calls.empty());
    ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_EQ(Prompts().messageBoxes[0].text, "No net loaded in the Program Development window.");

    // While the upload is disabled there is nothing to tell.
    actions_.disabled = {PictureActions::kUploadNetCommand};
    Tool().DoPictureAction(View(), 10, 1, nullptr);
    EXPECT_EQ(Prompts().messageBoxes.size(), 1u);
}

TEST_F(CtrlTool, NothingHappensWithoutTheCommunicationWindowsCommands)
{
    Environment().pictureActions = nullptr;
    DragItem({120, 120}, {440, 140});
    DoubleClick({120, 320});
    EXPECT_TRUE(actions_.calls.empty());
    EXPECT_EQ(netFile_->Position(), netFile_->HomeRect());
}

TEST_F(CtrlTool, DroppingAnItemRunsItsCommandAndPutsItBack)
{
    DragItem({120, 120}, {440, 140});
    EXPECT_EQ(actions_.calls, std::vector<std::string>{"UploadNet"});
    EXPECT_EQ(netFile_->Position(), netFile_->HomeRect());
    EXPECT_FALSE(View().HasCapture());
    EXPECT_EQ(Environment().tools.CurrentKind(), tool_kind::kControl);

    // Onto empty paper: nothing runs, and the item still goes home.
    actions_.calls.clear();
    DragItem({120, 120}, {250, 450});
    EXPECT_TRUE(actions_.calls.empty());
    EXPECT_EQ(netFile_->Position(), netFile_->HomeRect());
}

TEST_F(CtrlTool, ADragMovesTheItemWithThePointer)
{
    Press({120, 120});
    EXPECT_EQ(Tool().GetMode(), 2);
    DragTo({150, 135});
    EXPECT_EQ(netFile_->Position(), netFile_->HomeRect().Offset(30, 15));
    Release({150, 135});
    EXPECT_EQ(netFile_->Position(), netFile_->HomeRect());
}

TEST_F(CtrlTool, ADragFromEmptyPaperMovesNothing)
{
    Press({120, 120});
    Release({120, 120});
    ASSERT_TRUE(View().IsSelected(*netFile_));
    MoveTo({120, 120});  // the pointer rested on the item before
    Press({250, 450});
    EXPECT_EQ(Tool().GetMode(), 0);
    DragTo({300, 480});
    EXPECT_EQ(netFile_->Position(), netFile_->HomeRect());
    Release({300, 480});
}

TEST_F(CtrlTool, DoubleClickRunsTheItemsCommandAndOpensABusNode)
{
    DoubleClick({120, 320});
    EXPECT_EQ(actions_.calls, std::vector<std::string>{"EnableLogging"});

    auto& node = static_cast<BusNode&>(Doc().AddObject(std::make_unique<BusNode>(Rect{600, 300, 661, 424})));
    auto& notNode = Add(false, false, 19, {600, 100, 661, 224});
    DoubleClick({630, 350});
    DoubleClick({630, 150});
    EXPECT_EQ(node.opened, 1);
    EXPECT_EQ(notNode.opened, 0);
}

TEST_F(CtrlTool, CancelPutsTheDraggedItemBackAndKeepsTheTool)
{
    Doc().SetModified(false);
    Press({120, 120});
    DragTo({300, 250});
    ASSERT_NE(netFile_->Position(), netFile_->HomeRect());
    frame_automation::SendKey(View(), key_code::kEscape);
    EXPECT_EQ(netFile_->Position(), netFile_->HomeRect());
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_FALSE(View().HasCapture());
    EXPECT_EQ(Environment().tools.CurrentKind(), tool_kind::kControl);
    Release({300, 250});
    EXPECT_TRUE(actions_.calls.empty());
}

}  // namespace
}  // namespace c_ctrl_tool_test
}  // namespace corvane
