#include "icons/hardware/CVEXA_2Icon.h"

#include "HardwareIconTestSupport.h"

#include "icons/hardware/CHardwareModuleInfo.h"
#include "icons/hardware/CVEXA25VoltIcon.h"
#include "icons/hardware/CVEXA2EventCountTTLIcon.h"
#include "icons/hardware/CVEXA2FreqInIcon.h"
#include "icons/hardware/CVEXA2FreqOutIcon.h"
#include "netmodel/TerminalStripEntry.h"
#include "res/ResourceIds.h"

#include "base/AtomicFile.h"
#include "netmodel/CHardwarePoll.h"

#include <string>

namespace corvane {
namespace cvexa_2_icon_test {
namespace {

using test::HardwareRecordBytes;
using test::Link;
using test::Place;

constexpr std::uint16_t kX = 100;
constexpr std::uint16_t kY = 200;
constexpr Rect kDrop{kX + 8, kY + 8, kX + 40, kY + 40};

// Places the icon a channel calls for, as the net view does after a query.
CVEXA_2Icon& PlaceChannel(CNetDoc& doc, int address, int channel)
{
    if (channel < 24)
        return Place<CVEXA2EventCountTTLIcon>(doc, kDrop, address, channel);
    if (channel < 26)
        return Place<CVEXA2FreqInIcon>(doc, kDrop, address, channel);
    if (channel < 29)
        return Place<CVEXA2FreqOutIcon>(doc, kDrop, address, channel);
    return Place<CVEXA25VoltIcon>(doc, kDrop, address, channel);
}

// The text of an output entry's label.
std::string LabelOf(const OutputEntry& entry)
{
    std::string text;
    for (const std::uint8_t byte : entry.data) {
        if (byte == 0)
            break;
        text.push_back(static_cast<char>(byte));
    }
    return text;
}

class VexaTwoIcon : public test::HardwareIconNetTest {
protected:
    // A stored record: header, address, channel, word, links and entries.
    static std::vector<std::uint8_t> RecordOf(std::uint8_t channel, std::uint16_t word, int inputs, int outputs,
        std::uint8_t linkFlags, std::string_view label)
    {
        HardwareRecordBytes bytes;
        const auto length = static_cast<std::uint16_t>(76 + 8 * inputs + 12 * outputs);
        bytes
            .Header(length, 9, CVEXA_2Icon::kTypeCode, kX, kY, static_cast<std::uint8_t>(inputs),
                static_cast<std::uint8_t>(outputs), "Pump")
            .U8(4)
            .U8(channel)
            .U16(word);
        for (int i = 0; i < inputs; ++i)
            bytes.Link(linkFlags);
        for (int i = 0; i < outputs; ++i)
            bytes.Output(label, linkFlags);
        return bytes.Bytes();
    }
};

TEST_F(VexaTwoIcon, PlacedIconsHoldTheirChannelNameAndDefaults)
{
    struct Case {
        int channel;
        std::string_view name;
        std::uint16_t word;
        int bitmap;
        int inputs;
        int outputs;
        std::string_view label;
        std::uint8_t flags;  // of the output entry or input link
        bool trigger;
        int dataType;
    };
    const Case cases[] = {
        {7, "VEXA-2_3H In", 0x0000, res::kBitmapDigitalEvent, 0, 1, "Hi/Low", 0, true, data_type::kLogic},
        {16, "VEXA-2_3I I/O", 0x0000, res::kBitmapDigitalEventIo, 0, 1, "Hi/Low", 0, true, data_type::kLogic},
        {24, "VEXA2 Freq In Q", 0x6000, res::kBitmapFrequencyInput, 0, 1, "Hz", 2, true, data_type::kData},
        {25, "VEXA2 Freq In R", 0x6000, res::kBitmapFrequencyInput, 0, 1, "Hz", 2, true, data_type::kData},
        // A new output icon keeps an output entry until its dialog's OK.
        {26, "VEXA2 Freq/OC S", 0xA000, res::kBitmapDigitalOutput, 1, 1, "", 0, false, data_type::kLogic},
        {28, "VEXA2 Freq/OC U", 0xA000, res::kBitmapDigitalOutput, 1, 1, "", 0, false, data_type::kLogic},
        {29, "VEXA2 5V Out", 0xC000, res::kBitmapFiveVoltOutput, 1, 0, "", 0, false, data_type::kLogic},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.channel);
        CVEXA_2Icon& icon = PlaceChannel(doc, 3, c.channel);
        HardwareRecordBytes expected;
        expected
            .Header(static_cast<std::uint16_t>(76 + 8 * c.inputs + 12 * c.outputs), icon.UniqueId(), 33, kX, kY,
                static_cast<std::uint8_t>(c.inputs), static_cast<std::uint8_t>(c.outputs), c.name)
            .U8(3)
            .U8(static_cast<std::uint8_t>(c.channel))
            .U16(c.word);
        if (c.inputs > 0)
            expected.Link(c.flags);
        if (c.outputs > 0)
            expected.Output(c.label, c.inputs > 0 ? 2 : c.flags);
        EXPECT_EQ(Saved(icon), expected.Bytes());
        EXPECT_EQ(icon.BitmapId(), c.bitmap);
        EXPECT_EQ(icon.TriggerInput().IsActive(), c.trigger);
        EXPECT_TRUE(icon.EnableInput().IsActive());
        if (c.inputs > 0)
            EXPECT_EQ(icon.Input(0).GetDataType(), c.dataType);
        else
            EXPECT_EQ(icon.Output(0).GetDataType(), c.dataType);
        EXPECT_FALSE(icon.IsDeletable());
        EXPECT_TRUE(icon.IsHardwareLayout());
        EXPECT_EQ(icon.LabelFlags(), label_flag::kOwnLabels);
        EXPECT_EQ(icon.GetModuleType(), 2);
        EXPECT_EQ(icon.GetModuleAddress(), 3);
    }
}

TEST_F(VexaTwoIcon, LoadsTheClassOfEachKindAndWritesItBackUnchanged)
{
    struct Case {
        std::uint8_t channel;
        std::uint16_t word;
        int inputs;
        int outputs;
        std::uint8_t flags;
        std::string_view label;
        std::string_view className;
        int bitmap;
        bool trigger;
        int dataType;  // of the input when there is one, else of the output
    };
    const Case cases[] = {
        {2, 0x0040, 0, 1, 0, "Hi/Low", "CVEXA2EventCountTTLIcon", res::kBitmapDigitalEvent, true, data_type::kLogic},
        {18, 0x0040, 0, 1, 0, "Hi/Low", "CVEXA2EventCountTTLIcon", res::kBitmapDigitalEventIo, true, data_type::kLogic},
        {17, 0x2010, 1, 0, 0, "", "CVEXA2EventCountTTLIcon", res::kBitmapDigitalOutput, false, data_type::kLogic},
        {5, 0x4E00, 0, 1, 2, "Counts", "CVEXA2EventCountTTLIcon", res::kBitmapCounterInput, true, data_type::kData},
        {25, 0x6040, 0, 1, 2, "Hz", "CVEXA2FreqInIcon", res::kBitmapFrequencyInput, true, data_type::kData},
        {27, 0x8020, 1, 0, 2, "", "CVEXA2FreqOutIcon", res::kBitmapFrequencyOutput, false, data_type::kData},
        {27, 0xA010, 1, 0, 0, "", "CVEXA2FreqOutIcon", res::kBitmapDigitalOutput, false, data_type::kLogic},
        {29, 0xC010, 1, 0, 0, "", "CVEXA25VoltIcon", res::kBitmapFiveVoltOutput, false, data_type::kLogic},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.word);
        const auto record = RecordOf(c.channel, c.word, c.inputs, c.outputs, c.flags, c.label);
        std::unique_ptr<CCorvaneIcon> loaded = Load(record);
        ASSERT_NE(loaded, nullptr);
        EXPECT_EQ(loaded->ClassName(), c.className);
        auto* icon = dynamic_cast<CVEXA_2Icon*>(loaded.get());
        ASSERT_NE(icon, nullptr);
        EXPECT_EQ(icon->ChannelWord(), c.word);
        EXPECT_EQ(icon->Channel(), c.channel);
        EXPECT_EQ(icon->GetModuleAddress(), 4);
        EXPECT_EQ(icon->TriggerInput().IsActive(), c.trigger);
        EXPECT_FALSE(icon->IsDeletable());
        EXPECT_EQ(icon->Caption(), "Pump");
        EXPECT_EQ(icon->BitmapId(), c.bitmap) << "the picture follows the stored channel word";
        if (c.inputs > 0)
            EXPECT_EQ(icon->Input(0).GetDataType(), c.dataType);
        else
            EXPECT_EQ(icon->Output(0).GetDataType(), c.dataType);
        EXPECT_EQ(Saved(*icon), record);
    }
    EXPECT_EQ(Load(RecordOf(3, 0xE000, 0, 1, 0, "")), nullptr) << "kind 0xE000 is not used";
}

TEST_F(VexaTwoIcon, RefusesATruncatedRecord)
{
    const auto record = RecordOf(24, 0x6000, 0, 1, 2, "Hz");
    for (std::size_t size = 0; size < record.size(); ++size) {
        SCOPED_TRACE(size);
        std::unique_ptr<CCorvaneIcon> icon = doc.CreateIcon(CVEXA_2Icon::kTypeCode, 0x6000);
        ASSERT_NE(icon, nullptr);
        EXPECT_TRUE(doc.LoadIconFromRecord(icon, std::span(record).first(size), CVEXA_2Icon::kTypeCode, 0x6000, false));
        EXPECT_EQ(icon, nullptr);
    }
}

TEST_F(VexaTwoIcon, ChannelKindSetsBitmapAndLabel)
{
    auto& icon = Place<CVEXA2EventCountTTLIcon>(doc, kDrop, 1, 18);
    icon.ApplyChannelKind(0x4000, 18);
    EXPECT_EQ(icon.BitmapId(), res::kBitmapCounterInput);
    EXPECT_EQ(LabelOf(icon.GetOutputEntries()[0]), "Hi/Low");
    icon.ApplyChannelKind(0x2000, 18);
    EXPECT_EQ(icon.BitmapId(), res::kBitmapDigitalOutput);
    EXPECT_EQ(LabelOf(icon.GetOutputEntries()[0]), "Digital ") << "the label field holds 8 bytes";
    icon.ApplyChannelKind(0x0000, 18);
    EXPECT_EQ(icon.BitmapId(), res::kBitmapDigitalEventIo);
    EXPECT_EQ(LabelOf(icon.GetOutputEntries()[0]), "Digital ") << "a label is kept";

    auto& out = Place<CVEXA2FreqOutIcon>(doc, kDrop, 1, 26);
    out.ApplySubtype(0x8000);
    EXPECT_EQ(out.BitmapId(), res::kBitmapFrequencyOutput);
    out.ApplySubtype(0xA000);
    EXPECT_EQ(out.BitmapId(), res::kBitmapDigitalOutput);
}

TEST_F(VexaTwoIcon, ChecksConnectionsByKind)
{
    auto& clock = Place<test::ClockIcon>(doc);
    bool isolated = false;

    auto& event = Place<CVEXA2EventCountTTLIcon>(doc, kDrop, 1, 16);
    EXPECT_EQ(event.CheckIconConnections(isolated), 0) << "an icon without any connection passes";
    Link(clock, 0, event, kTriggerSlot);
    EXPECT_EQ(event.CheckIconConnections(isolated), missing_connection::kDataOutput);

    std::unique_ptr<CCorvaneIcon> loaded = Load(RecordOf(17, 0x2000, 1, 0, 0, ""));
    ASSERT_NE(loaded, nullptr);
    auto& discrete = static_cast<CVEXA_2Icon&>(doc.AddObject(std::move(loaded)));
    EXPECT_EQ(discrete.CheckIconConnections(isolated), 0);
    Link(clock, 0, discrete, kEnableSlot);
    EXPECT_EQ(discrete.CheckIconConnections(isolated), missing_connection::kDataInput);
    Link(clock, 0, discrete, 0);
    EXPECT_EQ(discrete.CheckIconConnections(isolated), 0);

    for (const int channel : {26, 29}) {
        CVEXA_2Icon& output = PlaceChannel(doc, 1, channel);
        Link(clock, 0, output, kEnableSlot);
        EXPECT_EQ(output.CheckIconConnections(isolated), missing_connection::kDataInput);
    }
    auto& frequency = Place<CVEXA2FreqInIcon>(doc, kDrop, 1, 24);
    Link(clock, 0, frequency, kEnableSlot);
    EXPECT_EQ(
        frequency.CheckIconConnections(isolated), missing_connection::kTriggerInput | missing_connection::kDataOutput);
}

TEST_F(VexaTwoIcon, AFullModuleFillsPinsOneToFortyFiveEightPerPlug)
{
    CHardwareModuleInfo module(CHardwareModuleInfo::kDigitalModule, 2);
    for (const int channel : CVEXA_2Icon::kPlacedChannels) {
        CVEXA_2Icon& icon = PlaceChannel(doc, 2, channel);
        for (int pin = 1; pin <= icon.GetPinCount(); ++pin) {
            TerminalStripEntry entry;
            ASSERT_EQ(icon.GetPinInfo(pin, entry), 0);
            EXPECT_TRUE(module.AddPin(entry));
        }
        TerminalStripEntry beyond;
        EXPECT_EQ(icon.GetPinInfo(icon.GetPinCount() + 1, beyond), -1);
        EXPECT_EQ(icon.GetPinInfo(0, beyond), -1);
    }
    const auto& pins = module.Pins();
    ASSERT_GE(pins.size(), 46u);
    for (int index = 1; index <= 45; ++index) {
        SCOPED_TRACE(index);
        ASSERT_TRUE(pins[static_cast<std::size_t>(index)].has_value());
        const TerminalStripEntry& pin = *pins[static_cast<std::size_t>(index)];
        EXPECT_EQ(pin.index, index);
        EXPECT_EQ(pin.terminalNumber, (index - 1) % 8 + 1);
        EXPECT_EQ(pin.stripHeading, index == 1 || index == 9 || index == 17 || index == 33);
        EXPECT_EQ(pin.moduleHeading, index == 1);
    }
    for (std::size_t index = 46; index < pins.size(); ++index)
        EXPECT_FALSE(pins[index].has_value());

    struct Text {
        int index;
        std::string_view function;
        std::string_view polarity;
        bool blank;
    };
    const Text texts[] = {
        {1, "DI-A; Event In", "[+]", false},
        {4, "GND;  Event In", "[-]", true},
        {6, "GND; Event In", "[-]", true},
        {17, "DI-I; Event In", "[+]", false},
        {32, "GND; Event In", "[-]", true},
        {33, "FI-Q; Frequency In", "[+]", false},
        {34, "FI-Q; Frequency In", "[-]", true},
        {37, "DO-S; Open Collector Output", "[+]", false},
        {42, "DO-U; Open Collector Output", "[-]", true},
        {43, "+5VDC; Excitation Out", "[+]", false},
        {44, "GND;   Excitation Out", "[-]", false},
        {45, "+5VDC; Excitation Out", "[+]", true},
    };
    for (const Text& t : texts) {
        SCOPED_TRACE(t.index);
        const TerminalStripEntry& pin = *pins[static_cast<std::size_t>(t.index)];
        EXPECT_EQ(pin.function, t.function);
        EXPECT_EQ(pin.polarity, t.polarity);
        EXPECT_EQ(pin.blankLineAfter, t.blank);
    }
}

TEST_F(VexaTwoIcon, ChannelsOfAQueriedModuleSaveReopenAndCompileUnchanged)
{
    constexpr std::size_t kAddressByte = 1;
    constexpr std::size_t kTypeByte = 2;
    constexpr std::uint8_t kDigitalModuleType = 1;
    CHardwarePoll poll;
    CHardwarePoll::ModuleRecord record{};
    record[kAddressByte] = 6;
    record[kTypeByte] = kDigitalModuleType;
    record[3] = 1;  // firmware 1.0.0
    poll.SetModuleRecord(6, record);
    poll.SetModuleMask(1u << 6);

    factory = test::TestFactory();
    RegisterHardwareIcons(factory);
    PlaceProgramWith(2);
    for (int slot = 0; slot < CHardwarePoll::kSlotCount; ++slot) {
        if (!poll.IsModulePresent(slot) || poll.GetModuleRecord(slot)[kTypeByte] != kDigitalModuleType)
            continue;
        for (const int channel : CVEXA_2Icon::kPlacedChannels)
            PlaceChannel(doc, poll.GetModuleRecord(slot)[kAddressByte], channel);
    }
    ASSERT_EQ(doc.Icons().size(), 1 + CVEXA_2Icon::kPlacedChannels.size());
    auto& clock = Place<test::ClockIcon>(doc);
    auto& gate = Place<test::GateIcon>(doc, 300, 100, 2, test::kTestGateType);
    CCorvaneIcon* event = doc.Icons().at(1);
    Link(clock, 0, *event, kTriggerSlot);
    Link(*event, 0, gate, 0);

    const auto path = Folder() / "module.nt3";
    ASSERT_TRUE(doc.SaveNetFile(true, path));
    std::vector<std::string> messages;
    const auto compiled = Folder() / "first.quv";
    ASSERT_TRUE(doc.CompileNet(messages, compiled, CompileMode::ConvertAnyway));

    CNetDoc reopened(services, factory);
    std::filesystem::path openPath = path;
    ASSERT_TRUE(reopened.OpenNetFile(false, true, openPath));
    ASSERT_EQ(reopened.Icons().size(), doc.Icons().size());
    for (const CCorvaneIcon* icon : doc.Icons()) {
        const CCorvaneIcon* again = reopened.FindIconById(icon->UniqueId());
        ASSERT_NE(again, nullptr) << icon->UniqueId();
        EXPECT_EQ(again->ClassName(), icon->ClassName()) << icon->UniqueId();
    }
    EXPECT_EQ(std::get<std::vector<std::uint8_t>>(reopened.BuildSaveImage()), ReadWholeFile(path, 1 << 20).bytes);
    const auto recompiled = Folder() / "second.quv";
    ASSERT_TRUE(reopened.CompileNet(messages, recompiled, CompileMode::ConvertAnyway));
    const auto first = ReadWholeFile(compiled, 1 << 20).bytes;
    EXPECT_FALSE(first.empty());
    EXPECT_EQ(ReadWholeFile(recompiled, 1 << 20).bytes, first);
}

}  // namespace
}  // namespace cvexa_2_icon_test
}  // namespace corvane
