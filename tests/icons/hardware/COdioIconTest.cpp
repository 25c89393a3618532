#include "icons/hardware/COdioIcon.h"

#include "HardwareIconTestSupport.h"

#include "netmodel/TerminalStripEntry.h"
#include "res/ResourceIds.h"

namespace corvane {
namespace c_odio_icon_test {
namespace {

using test::HardwareRecordBytes;
using test::Link;
using test::Place;

constexpr std::uint16_t kX = 100;
constexpr std::uint16_t kY = 200;
constexpr Rect kDrop{kX + 8, kY + 8, kX + 40, kY + 40};

class OdioIcon : public test::HardwareIconNetTest {
protected:
    // A stored record of one kind: inputs have an output, outputs a data input.
    static std::vector<std::uint8_t> RecordOf(std::uint16_t mode, std::string_view label)
    {
        const bool input = mode < COdioIcon::kKindOutput;
        HardwareRecordBytes bytes;
        bytes.Header(input ? 86 : 82, 7, COdioIcon::kTypeCode, kX, kY, input ? 0 : 1, input ? 1 : 0, "Door").U16(mode);
        if (input)
            bytes.Output(label, mode >= COdioIcon::kKindCounter ? 2 : 0);
        else
            bytes.Link(0);
        return bytes.Bytes();
    }
};

TEST_F(OdioIcon, PlacedIconIsAnEventInputWithoutDataInput)
{
    auto& odio = Place<COdioIcon>(doc, kDrop, 0);
    const auto expected = HardwareRecordBytes()
                              .Header(86, odio.UniqueId(), 23, kX, kY, 0, 1, "DI/O")
                              .U16(0)
                              .Output("Hi/Low", 0)
                              .Bytes();
    EXPECT_EQ(Saved(odio), expected);
    EXPECT_EQ(odio.BitmapId(), res::kBitmapDigitalEvent);
    EXPECT_EQ(odio.Output(0).GetDataType(), data_type::kLogic);
    EXPECT_EQ(odio.InputCount(), 0);
    EXPECT_TRUE(odio.TriggerInput().IsActive());
    EXPECT_TRUE(odio.EnableInput().IsActive());
    EXPECT_FALSE(odio.IsDeletable());
    EXPECT_TRUE(odio.IsHardwareLayout());
    EXPECT_EQ(odio.LabelFlags(), label_flag::kOwnLabels);
    EXPECT_EQ(odio.GetModuleType(), 0);
    EXPECT_EQ(odio.GetModuleAddress(), -17);
}

TEST_F(OdioIcon, LoadsEachKindAndWritesItBackUnchanged)
{
    struct Case {
        std::uint16_t mode;
        std::string_view label;
        int bitmap;
        bool trigger;
        bool enable;
        int outputType;  // 0: no output
    };
    const Case cases[] = {
        {0x2000, "Hi/Low", res::kBitmapDigitalEvent, true, true, data_type::kLogic},
        {0x40E0, "Count", res::kBitmapCounterInput, true, true, data_type::kData},
        {0x9C00, "", res::kBitmapDigitalOutput, false, true, 0},
        {0xD400, "", res::kBitmapUnlatchedRelay, false, true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        const auto record = RecordOf(c.mode, c.label);
        std::unique_ptr<CCorvaneIcon> loaded = Load(record);
        ASSERT_NE(loaded, nullptr);
        auto* odio = dynamic_cast<COdioIcon*>(loaded.get());
        ASSERT_NE(odio, nullptr);
        EXPECT_EQ(odio->ModeWord(), c.mode);
        EXPECT_EQ(odio->BitmapId(), c.bitmap);
        EXPECT_EQ(odio->TriggerInput().IsActive(), c.trigger);
        EXPECT_EQ(odio->EnableInput().IsActive(), c.enable);
        EXPECT_FALSE(odio->IsDeletable());
        EXPECT_EQ(odio->Caption(), "Door");
        if (c.outputType != 0)
            EXPECT_EQ(odio->Output(0).GetDataType(), c.outputType);
        else
            EXPECT_EQ(odio->Input(0).GetDataType(), data_type::kLogic);
        EXPECT_EQ(Saved(*odio), record);
    }
}

TEST_F(OdioIcon, RefusesATruncatedRecord)
{
    const auto record = RecordOf(0x4000, "Count");
    for (std::size_t size = 0; size < record.size(); ++size) {
        SCOPED_TRACE(size);
        std::unique_ptr<CCorvaneIcon> icon = doc.CreateIcon(COdioIcon::kTypeCode, 0x4000);
        ASSERT_NE(icon, nullptr);
        EXPECT_TRUE(doc.LoadIconFromRecord(icon, std::span(record).first(size), COdioIcon::kTypeCode, 0x4000, false));
        EXPECT_EQ(icon, nullptr);
    }
}

TEST_F(OdioIcon, InputsNeedTriggerAndOutputAndOutputsNeedTheirDataInput)
{
    auto& odio = Place<COdioIcon>(doc, kDrop, 0);
    bool isolated = false;
    EXPECT_EQ(odio.CheckIconConnections(isolated), 0) << "an icon without any connection passes";
    auto& clock = Place<test::ClockIcon>(doc);
    Link(clock, 0, odio, kTriggerSlot);
    EXPECT_EQ(odio.CheckIconConnections(isolated), missing_connection::kDataOutput);

    std::unique_ptr<CCorvaneIcon> output = Load(RecordOf(0x8000, ""));
    ASSERT_NE(output, nullptr);
    auto& switched = static_cast<COdioIcon&>(doc.AddObject(std::move(output)));
    EXPECT_EQ(switched.CheckIconConnections(isolated), 0);
    Link(clock, 0, switched, kEnableSlot);
    EXPECT_EQ(switched.CheckIconConnections(isolated), missing_connection::kDataInput);
    Link(clock, 0, switched, 0);
    EXPECT_EQ(switched.CheckIconConnections(isolated), 0);
}

TEST_F(OdioIcon, GivesTwoTerminalsOfTheLoggerStripByKind)
{
    struct Case {
        std::uint16_t mode;
        std::string_view ground;
        std::string_view signal;
    };
    const Case cases[] = {
        {0x0000, "Digital I/O: Ground", "Digital I/O: Event In"},
        {0x4000, "Digital I/O: Ground", "Digital I/O: Counter In"},
        {0x8000, "Digital I/O: Ground", "Digital I/O: Open-drain Out"},
        {0xC000, "Relay 2: Contact", "Relay 2: Contact"},
    };
    auto& odio = Place<COdioIcon>(doc, kDrop, 0);
    odio.SetName("Flow");
    EXPECT_EQ(odio.GetPinCount(), 2);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        odio.SetModeWord(c.mode);
        TerminalStripEntry ground;
        TerminalStripEntry signal;
        ASSERT_EQ(odio.GetPinInfo(1, ground), 0);
        ASSERT_EQ(odio.GetPinInfo(2, signal), 0);
        EXPECT_EQ(ground.index, 16);
        EXPECT_EQ(ground.terminalNumber, 16);
        EXPECT_EQ(ground.name, "Flow");
        EXPECT_EQ(ground.function, c.ground);
        EXPECT_EQ(ground.polarity, "[-]");
        EXPECT_FALSE(ground.blankLineAfter);
        EXPECT_EQ(signal.index, 17);
        EXPECT_EQ(signal.terminalNumber, 17);
        EXPECT_EQ(signal.function, c.signal);
        EXPECT_EQ(signal.polarity, "[+]");
        EXPECT_TRUE(signal.blankLineAfter);
    }
    TerminalStripEntry untouched;
    EXPECT_EQ(odio.GetPinInfo(3, untouched), -1);
    EXPECT_TRUE(untouched.function.empty());
}

}  // namespace
}  // namespace c_odio_icon_test
}  // namespace corvane
