#include "EditorTestSupport.h"

#include "netmodel/CConnectionTool.h"
#include "platform/KeyCodes.h"

#include <gtest/gtest.h>

namespace corvane {
namespace c_connection_tool_test {
namespace {

using test::Place;
using test::SourceIcon;

// An icon with one input and one output of chosen data types.
class TypedIcon final : public CCorvaneIcon {
public:
    TypedIcon(int inputType, int outputType, int x, int y) : inputType_(inputType), outputType_(outputType)
    {
        SetName("Typed");
        InitIcon(x, y, 1, 1, 60, false, false, false);
    }
    void BuildConnectors() override
    {
        CreateConnectors(true, inputType_, false, false);
        CreateConnectors(false, outputType_, false, false);
    }
    void Layout() override
    {
        BuildConnectors();
        CCorvaneIcon::Layout();
    }
    void CopyFixedPart(RecordTransfer& /*transfer*/) override {}

private:
    int inputType_;
    int outputType_;
};

Point Centre(const CConnector& connector) { return connector.HotRect().Centre(); }

class ConnectionTool : public test::EditorTest {
protected:
    CConnectionTool& Tool()
    {
        return static_cast<CConnectionTool&>(*Environment().tools.FindTool(tool_kind::kConnect));
    }
    // Presses on one point, moves halfway, and releases on the other.
    void DragLink(Point from, Point to)
    {
        Press(from);
        DragTo({(from.x + to.x) / 2, (from.y + to.y) / 2 + 40});
        DragTo(to);
        Release(to);
    }
    static bool Linked(const CCorvaneIcon& giver, const CCorvaneIcon& receiver)
    {
        return receiver.GetInputLinks()[0].sourceId == giver.UniqueId();
    }
};

TEST_F(ConnectionTool, ClickOnOnePixelReturnsToTheSelectTool)
{
    auto& source = Place<SourceIcon>(Doc(), std::uint16_t{40}, 100, 100);
    for (const Point point : {Point{400, 300}, Centre(source.Output(0))}) {
        View().RouteCommand(view_command::kLineTool);
        ASSERT_EQ(Environment().tools.CurrentKind(), tool_kind::kConnect);
        Press(point);
        Release(point);
        EXPECT_EQ(Environment().tools.CurrentKind(), tool_kind::kSelect) << point.x;
        EXPECT_FALSE(View().HasCapture());
    }
    EXPECT_FALSE(source.Output(0).HasLinkEnd());
    EXPECT_FALSE(Doc().IsModified());
}

TEST_F(ConnectionTool, DragFromAnOutputToAnInputLinksThem)
{
    auto& giver = Place<TypedIcon>(Doc(), data_type::kData, data_type::kData, 100, 100);
    auto& receiver = Place<TypedIcon>(Doc(), data_type::kData, data_type::kData, 300, 100);
    Doc().SetModified(false);
    Press(Centre(giver.Output(0)));
    const Point anchor = giver.Output(0).GetLinkAnchorPoint();
    DragTo({250, anchor.y});
    EXPECT_EQ(giver.Output(0).LinkEnd(), (Point{250, anchor.y}));
    // The rubber line runs from the output to the pointer.
    const Bitmap dragging = View().RenderToBitmap();
    dragging.SavePng(PicturePath("connection-tool-drag.png"));
    EXPECT_NE(dragging.PixelAt(200, anchor.y), (RgbColour{255, 255, 255}));
    DragTo(Centre(receiver.Input(0)));
    Release(Centre(receiver.Input(0)));

    EXPECT_TRUE(Linked(giver, receiver));
    EXPECT_EQ(receiver.Input(0).LinkEnd(), giver.Output(0).GetLinkAnchorPoint());
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_EQ(Tool().SourceIcon(), nullptr);
    EXPECT_EQ(giver.DraggedConnector(), nullptr);
    EXPECT_EQ(receiver.DraggedConnector(), nullptr);
    EXPECT_EQ(Environment().tools.CurrentKind(), tool_kind::kSelect);
    EXPECT_FALSE(View().HasCapture());
}

TEST_F(ConnectionTool, NoLinkOntoTheSameIconTheSameSideOrWithoutAMove)
{
    auto& first = Place<TypedIcon>(Doc(), data_type::kData, data_type::kData, 100, 100);
    auto& second = Place<SourceIcon>(Doc(), std::uint16_t{40}, 300, 100);
    auto& third = Place<TypedIcon>(Doc(), data_type::kData, data_type::kData, 100, 300);

    // Onto its own input, onto another output, and straight onto an input
    // without a move between.
    DragLink(Centre(first.Output(0)), Centre(first.Input(0)));
    DragLink(Centre(first.Output(0)), Centre(second.Output(0)));
    Press(Centre(first.Output(0)));
    Release(Centre(third.Input(0)));

    EXPECT_EQ(first.GetInputLinks()[0].sourceId, 0);
    EXPECT_EQ(third.GetInputLinks()[0].sourceId, 0);
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_EQ(Environment().tools.CurrentKind(), tool_kind::kSelect);
}

TEST_F(ConnectionTool, DataTypesDecideWhetherALinkIsMade)
{
    struct Case {
        int outputType;
        int inputType;
        bool linked;
    };
    const Case cases[] = {
        {data_type::kData, data_type::kData, true},
        {data_type::kLogic, data_type::kLogic, true},
        {data_type::kAdapts, data_type::kData, true},
        {data_type::kAdapts, data_type::kLogic, true},
        {data_type::kData, data_type::kAdapts, true},
        {data_type::kLogic, data_type::kAdapts, true},
        {data_type::kData, data_type::kLogic, false},
        {data_type::kLogic, data_type::kData, false},
        {data_type::kData | data_type::kUnsettled, data_type::kData, true},
        {data_type::kSpecial, data_type::kData, false},
    };
    for (const Case& c : cases) {
        for (const bool fromInput : {false, true}) {
            auto& giver = Place<TypedIcon>(Doc(), data_type::kData, c.outputType, 100, 100);
            auto& receiver = Place<TypedIcon>(Doc(), c.inputType, data_type::kData, 300, 100);
            if (fromInput)
                DragLink(Centre(receiver.Input(0)), Centre(giver.Output(0)));
            else
                DragLink(Centre(giver.Output(0)), Centre(receiver.Input(0)));
            EXPECT_EQ(Linked(giver, receiver), c.linked)
                << c.outputType << " to " << c.inputType << (fromInput ? " from the input" : "");
            Doc().RemoveObject(giver);
            Doc().RemoveObject(receiver);
        }
    }
}

TEST_F(ConnectionTool, CancelClearsTheDragAndKeepsAnInputsLink)
{
    auto& giver = Place<SourceIcon>(Doc(), std::uint16_t{40}, 100, 100);
    auto& receiver = Place<TypedIcon>(Doc(), data_type::kData, data_type::kData, 300, 100);
    test::Link(giver, 0, receiver, 0);
    receiver.SetDraggedConnector(nullptr);
    const Point anchor = giver.Output(0).GetLinkAnchorPoint();
    ASSERT_EQ(receiver.Input(0).LinkEnd(), anchor);
    Doc().SetModified(false);

    for (const bool byKey : {true, false}) {
        Press(Centre(receiver.Input(0)));
        ASSERT_EQ(Tool().SourceConnector(), &receiver.Input(0));
        DragTo({250, 300});
        EXPECT_EQ(receiver.Input(0).LinkEnd(), (Point{250, 300}));
        if (byKey)
            frame_automation::SendKey(View(), key_code::kEscape);
        else
            View().RouteCommand(view_command::kCancel);

        EXPECT_EQ(Tool().SourceIcon(), nullptr);
        EXPECT_EQ(Tool().SourceConnector(), nullptr);
        EXPECT_EQ(receiver.DraggedConnector(), nullptr);
        EXPECT_EQ(receiver.Input(0).LinkEnd(), anchor);
        EXPECT_TRUE(Linked(giver, receiver));
        EXPECT_FALSE(View().HasCapture());
        EXPECT_FALSE(Doc().IsModified());
        EXPECT_EQ(Environment().tools.CurrentKind(), tool_kind::kSelect);
    }
}

}  // namespace
}  // namespace c_connection_tool_test
}  // namespace corvane
