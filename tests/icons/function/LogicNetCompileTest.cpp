#include "LogicIconsTestSupport.h"

#include "base/AtomicFile.h"
#include "icons/function/CAndIcon.h"
#include "icons/function/CComparatorIcon.h"
#include "icons/function/CFlipFlopIcon.h"
#include "icons/function/CLatchIcon.h"
#include "icons/function/CNotIcon.h"
#include "icons/function/CSampleRateClockIcon.h"
#include "icons/function/CXorIcon.h"
#include "netimage/NetImage.h"
#include "res/ResourceIds.h"

namespace corvane {
namespace logic_net_compile_test {
namespace {

using test::Link;
using test::Place;
using test::RelayIcon;
using test::SourceIcon;

Rect At(int x, int y)
{
    return {x, y, x + 32, y + 32};
}

class LogicNetCompile : public test::LogicIconNetTest {
protected:
    // Program icon and clock; two values compared plainly and by window;
    // the results ANDed (with its inverted output), inverted, latched on
    // the clock, held by a flip-flop and told apart by an exclusive OR.
    void BuildNet()
    {
        PlaceProgram(doc);
        auto& clock = Place<CSampleRateClockIcon>(doc, At(20, 300));
        auto& a = Place<SourceIcon>(doc, 40, 20, 100);
        auto& b = Place<SourceIcon>(doc, 40, 20, 200);
        comparator = &Place<CComparatorIcon>(doc, At(120, 100), res::kBitmapComparator);
        auto& window = Place<CComparatorIcon>(doc, At(120, 200), res::kBitmapWindowComparator);
        gate = &Place<CAndIcon>(doc, At(220, 150));
        inverter = &Place<CNotIcon>(doc, At(320, 150));
        latch = &Place<CLatchIcon>(doc, At(420, 150));
        auto& flipFlop = Place<CFlipFlopIcon>(doc, At(520, 150));
        auto& exclusive = Place<CXorIcon>(doc, At(620, 150));
        auto& sink = Place<RelayIcon>(doc, "Out", 1, 60);
        Link(a, 0, *comparator, 0);
        Link(b, 0, *comparator, 1);
        Link(b, 0, window, 0);
        Link(a, 0, window, 1);
        Link(b, 0, window, 2);
        Link(*comparator, 0, *gate, 0);
        Link(window, 0, *gate, 1);
        gate->SetOptionalConnector(ConnectorSide::Output, 1, true, true);
        Link(*gate, 0, *inverter, 0);
        Link(clock, 0, *latch, kTriggerSlot);
        Link(*inverter, 0, *latch, 0);
        Link(*latch, 0, flipFlop, CFlipFlopIcon::kSetInput);
        Link(*gate, 1, flipFlop, CFlipFlopIcon::kResetInput);
        Link(*latch, 0, exclusive, 0);
        Link(flipFlop, 0, exclusive, 1);
        Link(exclusive, 0, sink, 0);
    }

    CComparatorIcon* comparator = nullptr;
    CAndIcon* gate = nullptr;
    CNotIcon* inverter = nullptr;
    CLatchIcon* latch = nullptr;
};

TEST_F(LogicNetCompile, APlacedNetOfGatesLatchesAndComparatorsChecksCleanAndCompiles)
{
    BuildNet();
    std::vector<std::string> messages;
    EXPECT_FALSE(doc.CompileNet(messages, Folder() / "check.quv", CompileMode::CheckOnly));
    const std::vector<std::string> expected{
        "WARNING: When checking a program net, a logger connection is required to",
        "completely verify the program net is compatible with the connected logger.", "",
        "Logger hardware icon configuration not validated without a logger connection.", ""};
    EXPECT_EQ(messages, expected);
    EXPECT_EQ(doc.OrderedList().size(), static_cast<std::size_t>(doc.GetObjectCount()));
    EXPECT_LT(comparator->GetExecutionOrder(), gate->GetExecutionOrder());
    EXPECT_LT(gate->GetExecutionOrder(), inverter->GetExecutionOrder());
    EXPECT_LT(inverter->GetExecutionOrder(), latch->GetExecutionOrder());

    const auto out = Folder() / "net.quv";
    EXPECT_TRUE(doc.CompileNet(messages, out, CompileMode::ConvertAnyway));
    EXPECT_TRUE(messages.empty());
    const auto image = ReadWholeFile(out, 1 << 20);
    ASSERT_FALSE(image.bytes.empty());
    const auto parsed = ParseNetImage(image.bytes);
    ASSERT_TRUE(std::holds_alternative<NetImageRecords>(parsed));
    const auto& records = std::get<NetImageRecords>(parsed).records;
    EXPECT_EQ(records.size(), doc.OrderedList().size());
    for (const auto& record : records) {
        const std::uint16_t id = static_cast<std::uint16_t>(record[2] | (record[3] << 8));
        if (id == gate->UniqueId()) {
            EXPECT_EQ(record[kIconInputCountOffset], 2) << "the free third input is not compiled";
        }
    }
}

}  // namespace
}  // namespace logic_net_compile_test
}  // namespace corvane
