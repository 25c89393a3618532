#include "NetTestIcons.h"

#include <gtest/gtest.h>

namespace corvane {
namespace c_corvane_icon_links_test {
namespace {

using test::ClockIcon;
using test::GateIcon;
using test::Link;
using test::Place;
using test::RecordingNet;
using test::RelayIcon;
using test::SourceIcon;
using test::TagIcon;
using test::TagListIcon;

class IconLinks : public ::testing::Test {
protected:
    CCorvaneDoc doc;
};

TEST_F(IconLinks, LinkingStoresTheSourceAndEndsAtItsOutput)
{
    auto& source = Place<SourceIcon>(doc);
    auto& gate = Place<GateIcon>(doc);
    Link(source, 0, gate, 1);
    EXPECT_EQ(gate.GetInputLinks()[1].sourceId, source.UniqueId());
    EXPECT_EQ(gate.GetInputLinks()[1].sourceOutput, 0);
    EXPECT_EQ(gate.Input(1).LinkEnd(), source.Output(0).GetLinkAnchorPoint());
    EXPECT_FALSE(gate.Input(0).HasLinkEnd());

    // Moving the source drags the link end along.
    source.MoveTo(source.Position().Offset(40, 30), nullptr);
    EXPECT_EQ(gate.Input(1).LinkEnd(), source.Output(0).GetLinkAnchorPoint());
}

TEST_F(IconLinks, LayingOutEveryIconAtOnceLinksAsLayingOutEachInTurn)
{
    // Each net: a receiver ahead of its source in the list, a gate fed by
    // both on its inputs and trigger, a link naming an output its source
    // lacks and one naming no icon; then every icon moves without a layout.
    const auto build = [](CCorvaneDoc& net) {
        auto& relay = Place<RelayIcon>(net);
        auto& source = Place<SourceIcon>(net);
        auto& gate = Place<GateIcon>(net);
        Link(source, 0, relay, 0);
        Link(source, 0, gate, 0);
        Link(relay, 0, gate, 1);
        *gate.RecordLink(kTriggerSlot) = InputLink{relay.UniqueId(), 0, 0};
        *gate.RecordLink(kEnableSlot) = InputLink{source.UniqueId(), 5, 0};
        gate.GetInputLinks()[2] = InputLink{999, 0, 0x02};
        int step = 0;
        for (CCorvaneIcon* icon : net.Icons()) {
            ++step;
            icon->Header().x = static_cast<std::uint16_t>(icon->Header().x + 45 * step);
            icon->Header().y = static_cast<std::uint16_t>(icon->Header().y + 20 * step);
            icon->SetPositionFromRecord();
        }
    };
    CCorvaneDoc eachInTurn;
    build(eachInTurn);
    for (CCorvaneIcon* icon : eachInTurn.Icons())
        icon->LayoutConnectors();
    build(doc);
    doc.LayoutAllIconConnectors();

    const std::vector<CCorvaneIcon*> expected = eachInTurn.Icons();
    const std::vector<CCorvaneIcon*> laidOut = doc.Icons();
    ASSERT_EQ(laidOut.size(), expected.size());
    for (std::size_t i = 0; i < laidOut.size(); ++i) {
        std::vector<int> slots{kEnableSlot, kTriggerSlot};
        for (int slot = 0; slot < static_cast<int>(CCorvaneIcon::kMaxInputs); ++slot)
            slots.push_back(slot);
        for (const int slot : slots) {
            SCOPED_TRACE("icon " + std::to_string(i) + " slot " + std::to_string(slot));
            EXPECT_EQ(laidOut[i]->InputConnector(slot)->LinkEnd(), expected[i]->InputConnector(slot)->LinkEnd());
            EXPECT_EQ(laidOut[i]->InputConnector(slot)->IsActive(), expected[i]->InputConnector(slot)->IsActive());
        }
    }
    // The links end at the moved outputs.
    const CCorvaneIcon& source = *laidOut[1];
    EXPECT_EQ(laidOut[0]->Input(0).LinkEnd(), source.Output(0).GetLinkAnchorPoint());
    EXPECT_EQ(laidOut[2]->InputConnector(kTriggerSlot)->LinkEnd(), laidOut[0]->Output(0).GetLinkAnchorPoint());
}

TEST_F(IconLinks, InputsGrowWhenAllAreInUseUpToTheLimit)
{
    auto& source = Place<SourceIcon>(doc);
    auto& gate = Place<GateIcon>(doc);
    for (int i = 0; i < 6; ++i) {
        Link(source, 0, gate, i);
        EXPECT_EQ(gate.InputCount(), std::min(i + 2, 6)) << i;
        EXPECT_TRUE(gate.Input(gate.InputCount() - 1).IsActive());
    }
    EXPECT_FALSE(gate.Input(6).IsActive());
    // A slot the icon does not show takes no link.
    Link(source, 0, gate, 7);
    EXPECT_EQ(gate.GetInputLinks().size(), 6u);
}

TEST_F(IconLinks, RemovingAnIconClearsEveryInputThatNamesIt)
{
    auto& source = Place<SourceIcon>(doc);
    auto& gate = Place<GateIcon>(doc);
    auto& other = Place<GateIcon>(doc);
    Link(source, 0, gate, 0);
    Link(source, 0, gate, 1);  // one output feeding two inputs of one icon
    Link(source, 0, other, 0);
    other.GetInputLinks()[1] = InputLink{source.UniqueId(), 9, 0x02};  // names an output it lacks

    EXPECT_EQ(source.RemoveFromNet(), source.UniqueId());
    for (CCorvaneIcon* icon : {static_cast<CCorvaneIcon*>(&gate), static_cast<CCorvaneIcon*>(&other)})
        for (int i = 0; i < icon->TotalInputs(); ++i) {
            EXPECT_EQ(icon->GetInputLinks()[static_cast<std::size_t>(i)].sourceId, 0) << i;
            EXPECT_FALSE(icon->Input(i).HasLinkEnd()) << i;
        }
    EXPECT_EQ(other.GetInputLinks()[1].flags, 0x02) << "plain flags survive";
}

TEST_F(IconLinks, DisconnectingAnOutputClearsAllItsInputs)
{
    auto& source = Place<SourceIcon>(doc);
    auto& a = Place<RelayIcon>(doc);
    auto& b = Place<RelayIcon>(doc);
    auto& c = Place<RelayIcon>(doc);
    for (RelayIcon* r : {&a, &b, &c})
        Link(source, 0, *r, 0);
    source.DisconnectOutput(0);
    for (RelayIcon* r : {&a, &b, &c}) {
        EXPECT_EQ(r->GetInputLinks()[0].sourceId, 0);
        EXPECT_FALSE(r->Input(0).HasLinkEnd());
    }
}

TEST_F(IconLinks, AnAdaptingInputTakesItsSourceType)
{
    auto& source = Place<SourceIcon>(doc);
    auto& relay = Place<RelayIcon>(doc);
    relay.Input(0).SetDataType(data_type::kAdapts | data_type::kUnsettled);
    relay.Output(0).SetDataType(data_type::kAdapts);
    Link(source, 0, relay, 0);
    EXPECT_EQ(relay.Input(0).GetDataType(), data_type::kData | data_type::kAdapts);
    EXPECT_EQ(relay.GetInputLinks()[0].flags, 0x02) << "a data source";

    auto& logicSource = Place<GateIcon>(doc);
    auto& adapting = Place<RelayIcon>(doc);
    adapting.Input(0).SetDataType(data_type::kAdapts);
    Link(logicSource, 0, adapting, 0);
    EXPECT_EQ(adapting.GetInputLinks()[0].flags, 0);
}

TEST_F(IconLinks, ConnectionCheckReportsWhatIsMissing)
{
    auto& source = Place<SourceIcon>(doc);
    auto& gate = Place<GateIcon>(doc);
    auto& sink = Place<GateIcon>(doc);
    bool isolated = false;

    EXPECT_EQ(gate.CheckConnections(isolated, true, true, true, 2, true, false), missing_connection::kIsolated);
    EXPECT_TRUE(isolated);
    EXPECT_EQ(gate.CheckConnections(isolated, true, true, true, 2, true, true), 0) << "isolation allowed";

    Link(source, 0, gate, 0);
    EXPECT_EQ(gate.CheckConnections(isolated, false, true, false, 2, true, false),
        missing_connection::kTriggerInput | missing_connection::kDataInput | missing_connection::kDataOutput);
    EXPECT_FALSE(isolated);
    Link(source, 0, gate, 1);
    Link(gate, 0, sink, 0);
    EXPECT_EQ(gate.CheckConnections(isolated, false, false, false, 2, true, false), 0);
    // A link to an icon that is gone is no connection.
    sink.GetInputLinks()[1] = InputLink{999, 0, 0};
    EXPECT_EQ(sink.CheckConnections(isolated, false, false, false, 2, false, false), missing_connection::kDataInput);
}

TEST_F(IconLinks, AChainIsNumberedFromSourceToSinkWhereverTheWalkStarts)
{
    auto& source = Place<SourceIcon>(doc);
    auto& middle = Place<RelayIcon>(doc);
    auto& sink = Place<RelayIcon>(doc);
    Link(source, 0, middle, 0);
    Link(middle, 0, sink, 0);
    RecordingNet net;
    sink.AssignExecutionOrder(net);
    middle.AssignExecutionOrder(net);
    EXPECT_EQ(source.GetExecutionOrder(), 1);
    EXPECT_EQ(middle.GetExecutionOrder(), 2);
    EXPECT_EQ(sink.GetExecutionOrder(), 3);
    EXPECT_TRUE(net.messages.empty());
}

TEST_F(IconLinks, ACycleIsReportedAndLeftUnnumbered)
{
    auto& a = Place<RelayIcon>(doc);
    auto& b = Place<RelayIcon>(doc);
    auto& fed = Place<RelayIcon>(doc);
    Link(a, 0, b, 0);
    Link(b, 0, a, 0);
    Link(b, 0, fed, 0);
    RecordingNet net;
    for (RelayIcon* icon : {&a, &b, &fed})
        icon->AssignExecutionOrder(net);
    EXPECT_EQ(a.GetExecutionOrder(), -1);
    EXPECT_EQ(b.GetExecutionOrder(), -1);
    EXPECT_EQ(fed.GetExecutionOrder(), 1) << "what the cycle feeds is still numbered";
    ASSERT_EQ(net.messages.size(), 3u) << "once per entry into the cycle";
    EXPECT_EQ(net.messages[0], "A circular icon dependency has been found, Net can not be uploaded.");
}

TEST_F(IconLinks, ACycleThroughASampleRateClockIsQuiet)
{
    auto& clock = Place<ClockIcon>(doc);
    auto& gate = Place<GateIcon>(doc);
    Link(clock, 0, gate, 0);
    Link(gate, 0, clock, kTriggerSlot);
    RecordingNet net;
    clock.AssignExecutionOrder(net);
    gate.AssignExecutionOrder(net);
    EXPECT_TRUE(net.messages.empty());
    EXPECT_EQ(gate.GetExecutionOrder(), 1);
    EXPECT_EQ(clock.GetExecutionOrder(), 2);
}

TEST_F(IconLinks, ALongChainDoesNotExhaustTheStack)
{
    std::vector<RelayIcon*> chain{&Place<RelayIcon>(doc)};
    for (int i = 0; i < 3000; ++i) {
        chain.push_back(&Place<RelayIcon>(doc));
        chain.back()->GetInputLinks()[0] = InputLink{chain[chain.size() - 2]->UniqueId(), 0, 0};
    }
    RecordingNet net;
    chain.back()->AssignExecutionOrder(net);
    EXPECT_EQ(chain.front()->GetExecutionOrder(), 1);
    EXPECT_EQ(chain.back()->GetExecutionOrder(), 3001);
}

TEST_F(IconLinks, LabelsFlowDownTheNetAndStopOnALoop)
{
    auto& source = Place<SourceIcon>(doc);
    source.SetName("Tank level sensor");
    auto& a = Place<RelayIcon>(doc, "Memory", 2);
    auto& b = Place<RelayIcon>(doc, "Probe");
    Link(a, 0, b, 0);
    Link(b, 0, a, 1);  // a loop: a feeds b feeds a
    Link(source, 0, a, 0);
    for (RelayIcon* icon : {&a, &b}) {
        EXPECT_EQ(icon->Name(), "Tank level sensor") << "a placeholder name is replaced";
        const auto& data = icon->GetOutputEntries()[0].data;
        EXPECT_EQ(std::string(data.begin(), data.end()), "Tank lev") << "labels fill 8 bytes, no more";
        EXPECT_EQ(icon->GetOutputEntries()[0].byte10, 0);
    }

    auto& named = Place<RelayIcon>(doc, "Kept name");
    Link(source, 0, named, 0);
    EXPECT_EQ(named.Name(), "Kept name");
    auto& keeper = Place<RelayIcon>(doc, "Keeper");
    SetOutputData(keeper.GetOutputEntries()[0], "Own");
    keeper.SetLabelFlags(label_flag::kKeepExisting);
    Link(source, 0, keeper, 0);
    EXPECT_EQ(keeper.GetOutputEntries()[0].data[0], 'O');
}

TEST_F(IconLinks, RemovingADataTagTellsTheTagLists)
{
    auto& tag = Place<TagIcon>(doc);
    auto& other = Place<TagIcon>(doc);
    auto& list = Place<TagListIcon>(doc);
    list.tags = {other.UniqueId(), tag.UniqueId(), other.UniqueId()};
    tag.RemoveFromNet();
    EXPECT_EQ(list.tags, (std::vector<std::uint16_t>{other.UniqueId(), other.UniqueId()}));
}

TEST_F(IconLinks, OptionalConnectorsComeWithTheirTypeAndGoWithTheirLinks)
{
    auto& source = Place<SourceIcon>(doc);
    auto& gate = Place<GateIcon>(doc);
    auto& sink = Place<RelayIcon>(doc, "Sink");
    gate.SetOptionalConnector(ConnectorSide::Input, 3, true, false);
    EXPECT_EQ(gate.InputCount(), 4) << "every input up to the one asked for";
    EXPECT_EQ(gate.Input(3).GetDataType(), data_type::kLogic);
    EXPECT_EQ(gate.Input(3).Kind(), connector_kind::kDataInput);
    EXPECT_EQ(gate.GetInputLinks()[3].flags, 0) << "a logic input";
    Link(source, 0, gate, 2);

    gate.SetOptionalConnector(ConnectorSide::Output, 1, true, true);
    ASSERT_EQ(gate.OutputCount(), 2);
    EXPECT_EQ(gate.Output(1).GetDataType(), data_type::kLogic | data_type::kUnsettled);
    Link(gate, 1, sink, 0);

    gate.SetOptionalConnector(ConnectorSide::Input, 2, false, false);
    EXPECT_EQ(gate.InputCount(), 2) << "the input and those after it";
    EXPECT_EQ(gate.RecordLink(2)->sourceId, 0);
    EXPECT_TRUE(source.FindLinkedInputs(0).empty());

    gate.SetOptionalConnector(ConnectorSide::Output, 1, false, false);
    EXPECT_EQ(gate.OutputCount(), 1);
    EXPECT_EQ(sink.GetInputLinks()[0].sourceId, 0) << "the link that used the removed output";
    EXPECT_FALSE(sink.Input(0).HasLinkEnd());
}

}  // namespace
}  // namespace c_corvane_icon_links_test
}  // namespace corvane
