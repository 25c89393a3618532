#include "netmodel/LinkedInputIndex.h"
#include "NetTestIcons.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace corvane {
namespace linked_input_index_test {
namespace {

using test::GateIcon;
using test::Link;
using test::Place;
using test::RelayIcon;
using test::SourceIcon;

using Found = std::vector<std::pair<const CCorvaneIcon*, int>>;

Found Inputs(const CCorvaneIcon& icon, int output)
{
    Found found;
    for (const LinkedInput& linked : icon.FindLinkedInputs(output))
        found.emplace_back(linked.icon, linked.slot);
    return found;
}

TEST(LinkedInputIndexTest, AnswersAsTheWalkOverEveryIcon)
{
    // Several inputs of one icon fed by one output, enable and trigger
    // links, an output number the source lacks, a link to no icon and two
    // icons that share an id.
    CCorvaneDoc doc;
    auto& source = Place<SourceIcon>(doc);
    auto& relay = Place<RelayIcon>(doc);
    auto& gate = Place<GateIcon>(doc, 300, 100, 3);
    auto& other = Place<GateIcon>(doc);
    auto& twin = Place<SourceIcon>(doc);
    Link(source, 0, relay, 0);
    Link(source, 0, gate, 0);
    Link(relay, 0, gate, 1);
    Link(source, 0, gate, 2);
    *gate.RecordLink(kTriggerSlot) = InputLink{relay.UniqueId(), 0, 0};
    *gate.RecordLink(kEnableSlot) = InputLink{source.UniqueId(), 5, 0};
    *other.RecordLink(kEnableSlot) = InputLink{source.UniqueId(), 0, 0};
    other.GetInputLinks()[0] = InputLink{source.UniqueId(), 1, 0x02};
    other.GetInputLinks()[1] = InputLink{999, 0, 0x02};
    twin.SetUniqueId(source.UniqueId());

    const std::vector<int> outputs{-1, 0, 1, 5, 256};
    std::vector<Found> walked;
    for (const CCorvaneIcon* icon : doc.Icons())
        for (const int output : outputs)
            walked.push_back(Inputs(*icon, output));
    ASSERT_EQ(walked[1].size(), 4u);  // the source's output 0

    const LinkedInputIndex index(doc);
    EXPECT_EQ(doc.ActiveLinkedInputIndex(), &index);
    std::size_t n = 0;
    for (const CCorvaneIcon* icon : doc.Icons())
        for (const int output : outputs) {
            SCOPED_TRACE(icon->Header().name + " output " + std::to_string(output));
            EXPECT_EQ(Inputs(*icon, output), walked[n++]);
        }
}

TEST(LinkedInputIndexTest, TheIconsWalkTheNetAgainOnceItEnds)
{
    CCorvaneDoc doc;
    auto& source = Place<SourceIcon>(doc);
    auto& relay = Place<RelayIcon>(doc);
    {
        const LinkedInputIndex outer(doc);
        std::optional<LinkedInputIndex> inner(doc);
        EXPECT_EQ(doc.ActiveLinkedInputIndex(), &*inner);
        inner.reset();
        EXPECT_EQ(doc.ActiveLinkedInputIndex(), &outer);
        EXPECT_TRUE(source.FindLinkedInputs(0).empty());
    }
    EXPECT_EQ(doc.ActiveLinkedInputIndex(), nullptr);
    Link(source, 0, relay, 0);
    EXPECT_EQ(Inputs(source, 0), (Found{{&relay, 0}}));
}

}  // namespace
}  // namespace linked_input_index_test
}  // namespace corvane
