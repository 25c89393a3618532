#include "icons/function/CLogicIcon.h"

#include "LogicIconsTestSupport.h"
#include "icons/function/CAndIcon.h"
#include "icons/function/CNotIcon.h"
#include "icons/function/COrIcon.h"
#include "icons/function/CXorIcon.h"
#include "res/ResourceIds.h"

#include <vector>

namespace corvane {
namespace c_logic_icon_test {
namespace {

using test::Link;
using test::Place;
using test::RelayIcon;
using test::Saved;
using test::SourceIcon;

constexpr Rect kDrop{300, 100, 332, 132};

class CLogicIconTest : public test::LogicIconNetTest {
protected:
    std::vector<SourceIcon*> Sources(int count)
    {
        std::vector<SourceIcon*> sources;
        for (int i = 0; i < count; ++i)
            sources.push_back(&Place<SourceIcon>(doc, 40, 20, 20 + 40 * i));
        return sources;
    }
};

TEST_F(CLogicIconTest, AndAndOrGatesGrowAFreeInputUpTo24)
{
    for (const bool andGate : {true, false}) {
        CLogicIcon& gate = andGate ? static_cast<CLogicIcon&>(Place<CAndIcon>(doc, kDrop))
                                   : static_cast<CLogicIcon&>(Place<COrIcon>(doc, kDrop));
        const std::vector<SourceIcon*> sources = Sources(25);
        EXPECT_EQ(gate.InputCount(), 2);
        for (int i = 0; i < 24; ++i) {
            Link(*sources[static_cast<std::size_t>(i)], 0, gate, i);
            EXPECT_EQ(gate.InputCount(), std::min(i + 2, 24)) << "after linking input " << i;
        }
        EXPECT_EQ(gate.InputCount(), 24);
        Link(*sources[24], 0, gate, 23);
        EXPECT_EQ(gate.InputCount(), 24) << "relinking the last input grows nothing";
    }
}

TEST_F(CLogicIconTest, ExclusiveOrAndInverterKeepTheirInputs)
{
    auto& xorGate = Place<CXorIcon>(doc, kDrop);
    auto& notGate = Place<CNotIcon>(doc, kDrop);
    const std::vector<SourceIcon*> sources = Sources(3);
    Link(*sources[0], 0, xorGate, 0);
    Link(*sources[1], 0, xorGate, 1);
    Link(*sources[2], 0, notGate, 0);
    EXPECT_EQ(xorGate.InputCount(), 2);
    EXPECT_EQ(notGate.InputCount(), 1);
}

TEST_F(CLogicIconTest, ConnectionChecksNeedTheGatesMinimumAndTheOutput)
{
    struct Case {
        std::string_view label;
        bool notGate;
        int linkedInputs;
        bool outputLinked;
        int expected;
    };
    const std::vector<Case> cases{
        {"AND both inputs and output", false, 2, true, 0},
        {"AND one input", false, 1, true, missing_connection::kDataInput},
        {"AND without output", false, 2, false, missing_connection::kDataOutput},
        {"AND alone", false, 0, false, missing_connection::kIsolated},
        {"NOT linked", true, 1, true, 0},
        {"NOT without input", true, 0, true, missing_connection::kDataInput},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.label));
        CNetDoc net{services, factory};
        CLogicIcon& gate = c.notGate ? static_cast<CLogicIcon&>(Place<CNotIcon>(net, kDrop))
                                     : static_cast<CLogicIcon&>(Place<CAndIcon>(net, kDrop));
        for (int i = 0; i < c.linkedInputs; ++i)
            Link(Place<SourceIcon>(net, 40, 20, 20 + 40 * i), 0, gate, i);
        if (c.outputLinked)
            Link(gate, 0, Place<RelayIcon>(net), 0);
        bool isolated = false;
        EXPECT_EQ(gate.CheckIconConnections(isolated), c.expected);
    }
}

TEST_F(CLogicIconTest, CompiledRecordsDropTheFreeInputsDownToTheMinimum)
{
    auto& gate = Place<CAndIcon>(doc, kDrop);
    const std::vector<SourceIcon*> sources = Sources(2);
    Link(*sources[0], 0, gate, 0);
    Link(*sources[1], 0, gate, 1);
    ASSERT_EQ(gate.InputCount(), 3);
    EXPECT_EQ(Saved(gate, TransferMode::Save)[kIconInputCountOffset], 3);
    EXPECT_EQ(Saved(gate, TransferMode::Compile)[kIconInputCountOffset], 2);
    auto& inverter = Place<CNotIcon>(doc, kDrop);
    EXPECT_EQ(Saved(inverter, TransferMode::Compile)[kIconInputCountOffset], 1);
}

TEST_F(CLogicIconTest, TheInvertedOutputComesWithOutputZerosLabelAndGoesWithItsLinks)
{
    auto& gate = Place<CAndIcon>(doc, kDrop);
    SetOutputData(gate.GetOutputEntries()[0], "Alarm");
    gate.SetOptionalConnector(ConnectorSide::Output, 1, true, true);
    ASSERT_EQ(gate.OutputCount(), 2);
    EXPECT_TRUE(gate.HasInvertedOutput());
    EXPECT_EQ(gate.GetOutputEntries()[1].data, gate.GetOutputEntries()[0].data);
    EXPECT_EQ(gate.GetOutputEntries()[1].byte10, 0);
    EXPECT_EQ(gate.GetOutputEntries()[1].flags, 0);
    EXPECT_TRUE(gate.Output(1).IsActive());

    auto& plain = Place<RelayIcon>(doc);
    auto& inverted = Place<RelayIcon>(doc);
    Link(gate, 0, plain, 0);
    Link(gate, 1, inverted, 0);
    ASSERT_EQ(inverted.GetInputLinks()[0].sourceId, gate.UniqueId());

    gate.SetOptionalConnector(ConnectorSide::Output, 1, false, false);
    EXPECT_EQ(gate.OutputCount(), 1);
    EXPECT_FALSE(gate.HasInvertedOutput());
    EXPECT_FALSE(inverted.GetInputLinks()[0].IsConnected()) << "the link to the inverted output is cleared";
    EXPECT_FALSE(inverted.Input(0).HasLinkEnd());
    EXPECT_EQ(plain.GetInputLinks()[0].sourceId, gate.UniqueId()) << "the plain output keeps its link";
}

TEST_F(CLogicIconTest, TheInvertedOutputHasItsOwnHitCode)
{
    auto& gate = Place<CAndIcon>(doc, kDrop);
    gate.SetOptionalConnector(ConnectorSide::Output, 1, true, true);
    auto& sink = Place<RelayIcon>(doc);
    const Point second = gate.Output(1).HotRect().Centre();
    EXPECT_EQ(gate.HitTestConnect(second, nullptr, &sink.Input(0), &sink), CLogicIcon::kHitInvertedOutput);
    EXPECT_EQ(gate.DraggedConnector(), &gate.Output(1));
    const Point first = gate.Output(0).HotRect().Centre();
    EXPECT_EQ(gate.HitTestConnect(first, nullptr, &sink.Input(0), &sink), connector_hit::kOutput);
    auto& source = Place<SourceIcon>(doc);
    const Point input = gate.Input(1).HotRect().Centre();
    EXPECT_EQ(gate.HitTestConnect(input, nullptr, &source.Output(0), &source), connector_hit::kInput);
}

TEST_F(CLogicIconTest, ASavedGateWithTwoOutputEntriesComesBackWithItsInvertedOutput)
{
    struct Case {
        std::uint8_t mode;
        int bitmap;
    };
    // AND, AND De Morgan, and an exclusive OR, which always loads with its
    // plain picture.
    const std::vector<Case> cases{{0x00, res::kBitmapAndInverted}, {0x40, res::kBitmapAndDeMorganInverted},
        {0x82, res::kBitmapXor}};
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.mode));
        const std::vector<std::uint8_t> bytes =
            test::ExpectedRecord{256, "Gate", {c.mode, 0}, 2, 0, 2, 0}.Bytes();
        const std::unique_ptr<CCorvaneIcon> icon = Load(bytes);
        ASSERT_NE(icon, nullptr);
        auto& gate = dynamic_cast<CLogicIcon&>(*icon);
        EXPECT_TRUE(gate.HasInvertedOutput());
        EXPECT_EQ(gate.OutputCount(), 2);
        EXPECT_EQ(gate.BitmapId(), c.bitmap);
        EXPECT_EQ(Saved(gate)[72], c.mode | CLogicIcon::kInvertedOutput);
    }
}

TEST_F(CLogicIconTest, RefusesARecordWithAnUnknownGateCode)
{
    CAndIcon gate;
    for (const std::uint8_t mode : {std::uint8_t{0x04}, std::uint8_t{0x87}}) {
        const std::vector<std::uint8_t> bytes = test::ExpectedRecord{256, "Gate", {mode, 0}, 2, 0, 1, 0}.Bytes();
        const auto loaded = gate.LoadRecord(bytes);
        ASSERT_TRUE(std::holds_alternative<RecordError>(loaded)) << static_cast<int>(mode);
        EXPECT_EQ(std::get<RecordError>(loaded).kind, RecordErrorKind::BadValue);
        EXPECT_EQ(std::get<RecordError>(loaded).offset, 72u);
    }
}

TEST_F(CLogicIconTest, PicturesFollowTheGateAndItsTwoFlags)
{
    using G = CLogicIcon::Gate;
    EXPECT_EQ(CLogicIcon::PictureFor(G::Or, true, true), res::kBitmapOrDeMorganInverted);
    EXPECT_EQ(CLogicIcon::PictureFor(G::Not, true, false), res::kBitmapNotDeMorgan);
    EXPECT_EQ(CLogicIcon::PictureFor(G::Xor, true, true), res::kBitmapXorInverted);
    EXPECT_EQ(CLogicIcon::ToggleInvertedPicture(res::kBitmapAndDeMorgan), res::kBitmapAndDeMorganInverted);
    EXPECT_EQ(CLogicIcon::ToggleInvertedPicture(res::kBitmapXorInverted), res::kBitmapXor);
    EXPECT_EQ(CLogicIcon::ToggleDeMorganPicture(res::kBitmapNotInverted), res::kBitmapNotDeMorganInverted);
    EXPECT_EQ(CLogicIcon::ToggleDeMorganPicture(res::kBitmapXor), res::kBitmapXor);
    EXPECT_EQ(CLogicIcon::ToggleDeMorganPicture(res::kBitmapLatch), res::kBitmapLatch);
}

}  // namespace
}  // namespace c_logic_icon_test
}  // namespace corvane
