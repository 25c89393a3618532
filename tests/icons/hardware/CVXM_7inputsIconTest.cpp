#include "icons/hardware/CVXM_7inputsIcon.h"

#include "HardwareIconTestSupport.h"

#include "icons/hardware/CACVXM_7Icon.h"
#include "icons/hardware/CJC_VXM_7Icon.h"
#include "icons/hardware/CTCVXM_7Icon.h"
#include "icons/hardware/CVHVXM_7Icon.h"
#include "icons/hardware/CVLVXM_7Icon.h"
#include "icons/hardware/CWiringListManager.h"
#include "icons/hardware/TextFileViewer.h"
#include "netmodel/ModuleSwitchWord.h"
#include "netmodel/TerminalStripEntry.h"

#include <algorithm>
#include <bit>
#include <fstream>
#include <functional>
#include <iterator>

namespace corvane {
namespace cvxm_7inputs_icon_test {
namespace {

using test::Link;
using test::Place;

constexpr Rect kDrop{100, 100, 132, 132};
constexpr std::uint16_t kPlacedAt = 92;  // the drop rectangle grown by 8

using Placer = std::function<CVXM_7inputsIcon&(CNetDoc&, int address, int channel)>;

struct Preset {
    std::string_view label;
    Placer place;
    std::uint16_t mode;
    std::string_view units;
    int bitmap;
    std::string_view name;  // at address 3, channel E
};

const std::vector<Preset>& Presets()
{
    static const std::vector<Preset> presets{
        {"low-level voltage",
            [](CNetDoc& d, int a, int c) -> CVXM_7inputsIcon& { return Place<CVLVXM_7Icon>(d, kDrop, a, c); }, 0x0307,
            "Vdc", 409, "VEXA-7_3E_VLo"},
        {"current", [](CNetDoc& d, int a, int c) -> CVXM_7inputsIcon& { return Place<CACVXM_7Icon>(d, kDrop, a, c); },
            0x030F, "mAdc", 408, "VEXA-7_3E_mA"},
        {"high voltage",
            [](CNetDoc& d, int a, int c) -> CVXM_7inputsIcon& { return Place<CVHVXM_7Icon>(d, kDrop, a, c); }, 0x0322,
            "Vdc", 410, "VEXA-7_3E_VHi"},
        {"thermocouple",
            [](CNetDoc& d, int a, int c) -> CVXM_7inputsIcon& { return Place<CTCVXM_7Icon>(d, kDrop, a, c); }, 0x0310,
            "'C", 411, "VEXA-7_3E_TC"},
    };
    return presets;
}

void AppendF32(std::vector<std::uint8_t>& bytes, float value)
{
    const auto bits = std::bit_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        bytes.push_back(static_cast<std::uint8_t>(bits >> shift));
}

// A type-32 record: header, address, channel, mode word, the four scaling
// points and the output entry.
std::vector<std::uint8_t> ChannelRecord(std::uint16_t id, std::string_view name, std::uint8_t address,
    std::uint8_t channel, std::uint16_t mode, std::string_view units, const ScalingPoints& points = {},
    std::uint16_t x = 40, std::uint16_t y = 60)
{
    test::HardwareRecordBytes head;
    head.Header(104, id, 32, x, y, 0, 1, name).U8(address).U8(channel).U16(mode);
    std::vector<std::uint8_t> record = head.Bytes();
    for (const float p : {points.x1, points.x2, points.y1, points.y2})
        AppendF32(record, p);
    test::HardwareRecordBytes output;
    output.Output(units, 2);
    record.insert(record.end(), output.Bytes().begin(), output.Bytes().end());
    return record;
}

std::vector<std::uint8_t> ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class VxmChannelIconTest : public test::HardwareIconNetTest {
protected:
    std::optional<RecordError> LoadChannel(std::span<const std::uint8_t> record)
    {
        std::unique_ptr<CCorvaneIcon> icon = doc.CreateIcon(32, 0);
        if (icon == nullptr)
            return RecordError{};
        return doc.LoadIconFromRecord(icon, record, 32, 0, false);
    }
};

TEST_F(VxmChannelIconTest, PlacedRecordsCarryAddressChannelModeWordAndUnits)
{
    for (const Preset& preset : Presets()) {
        SCOPED_TRACE(preset.label);
        CVXM_7inputsIcon& icon = preset.place(doc, 3, 4);
        EXPECT_EQ(Saved(icon),
            ChannelRecord(icon.UniqueId(), preset.name, 3, 4, preset.mode, preset.units, {}, kPlacedAt, kPlacedAt));
        EXPECT_EQ(icon.BitmapId(), preset.bitmap);
        EXPECT_EQ(icon.ClassName(), "CVXM_7inputsIcon");
        EXPECT_EQ(icon.Points(), ScalingPoints{});
        EXPECT_FALSE(icon.IsDeletable());
        EXPECT_TRUE(icon.IsHardwareLayout());
        EXPECT_TRUE(icon.TriggerInput().IsActive());
        EXPECT_TRUE(icon.EnableInput().IsActive());
        EXPECT_EQ(icon.Output(0).GetDataType(), data_type::kData);
        EXPECT_EQ(icon.LabelFlags(), label_flag::kOwnLabels);
        EXPECT_EQ(icon.GetModuleType(), 1);
        EXPECT_EQ(icon.GetModuleAddress(), 3);
    }
    auto& junction = Place<CJC_VXM_7Icon>(doc, kDrop, 3);
    EXPECT_EQ(Saved(junction),
        ChannelRecord(junction.UniqueId(), "VEXA-7_3_CJC", 3, 0xFF, 0x0029, "'C", {}, kPlacedAt, kPlacedAt));
    EXPECT_EQ(junction.BitmapId(), 403);
}

TEST_F(VxmChannelIconTest, DefaultNamesFollowTheKind)
{
    auto& icon = Place<CVLVXM_7Icon>(doc, kDrop, 12, 6);
    struct Case {
        std::uint16_t kind;
        int bitmap;
        std::string_view name;
    };
    for (const Case& c :
        std::vector<Case>{{0x00, 409, "VEXA-7_12G_VLo"}, {0x08, 408, "VEXA-7_12G_mA"}, {0x20, 410, "VEXA-7_12G_VHi"},
            {0x28, 403, "VEXA-7_12_CJC"}, {0x10, 411, "VEXA-7_12G_TC"}, {0x38, 0, "VEXA-7_12G_TC"}}) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(icon.GetDefaultChannelName(c.kind), c.name);
        if (c.bitmap != 0) {
            EXPECT_EQ(icon.GetTerminalChannelName(c.bitmap), c.name);
        }
    }
    EXPECT_EQ(icon.GetTerminalChannelName(405), "");
}

TEST_F(VxmChannelIconTest, StoredRecordsReopenUnchangedWithTheKindsPicture)
{
    struct Case {
        std::uint16_t mode;
        int bitmap;
    };
    const std::vector<Case> cases{{0x0307, 409}, {0x030F, 408}, {0x0322, 410}, {0x0310, 411}, {0x0338, 411},
        {0x0319, 411}, {0x0029, 403}, {0x30C5, 409}};
    const ScalingPoints points{20.0F, 4.0F, 100.0F, 0.0F};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        const auto record = ChannelRecord(9, "Channel", 5, 2, c.mode, "PSI", points);
        std::unique_ptr<CCorvaneIcon> loaded = Load(record);
        ASSERT_NE(loaded, nullptr);
        auto* channel = dynamic_cast<CVXM_7inputsIcon*>(loaded.get());
        ASSERT_NE(channel, nullptr);
        EXPECT_EQ(channel->ClassName(), "CVXM_7inputsIcon");
        EXPECT_EQ(channel->BitmapId(), c.bitmap);
        EXPECT_EQ(channel->Address(), 5);
        EXPECT_EQ(channel->Channel(), 2);
        EXPECT_EQ(channel->ModeWord(), c.mode);
        EXPECT_EQ(channel->Points(), points);
        EXPECT_FALSE(channel->IsDeletable());
        EXPECT_TRUE(channel->IsHardwareLayout());
        EXPECT_EQ(Saved(*channel), record);
    }
}

TEST_F(VxmChannelIconTest, RefusesTruncatedRecords)
{
    const auto record = ChannelRecord(9, "Channel", 5, 2, 0x0307, "Vdc");
    for (std::size_t size = 0; size < record.size(); ++size) {
        SCOPED_TRACE(size);
        std::vector<std::uint8_t> cut(record.begin(), record.begin() + static_cast<std::ptrdiff_t>(size));
        EXPECT_TRUE(LoadChannel(cut).has_value());
        if (size >= 2) {
            cut[0] = static_cast<std::uint8_t>(size);
            cut[1] = static_cast<std::uint8_t>(size >> 8);
            EXPECT_TRUE(LoadChannel(cut).has_value());
        }
    }
    EXPECT_FALSE(LoadChannel(record).has_value());
}

TEST_F(VxmChannelIconTest, SamplingBitsReadAsThreeBitsWithZeroAsCodeThree)
{
    struct Case {
        std::uint16_t mode;
        std::uint16_t code;
    };
    for (const Case& c :
        std::vector<Case>{{0x0007, 3}, {0x0100, 1}, {0x0500, 5}, {0x0600, 6}, {0x0E00, 6}, {0x0800, 3}, {0xF300, 3}}) {
        EXPECT_EQ(CVXM_7inputsIcon::SamplingCode(c.mode), c.code) << c.mode;
    }
}

TEST_F(VxmChannelIconTest, PinsNumberTerminalsByModuleAndBlock)
{
    struct Case {
        int channel;
        std::uint16_t mode;
        int pin;
        int index;
        int terminal;
        std::string_view function;
        std::string_view polarity;
        bool blankLineAfter;
        bool moduleHeading;
        bool stripHeading;
    };
    const std::vector<Case> cases{
        {0, 0x0307, 1, 1, 1, "CH A; VDC Low In Input A", "[+]", false, true, true},
        {0, 0x0307, 2, 2, 2, "CH A; VDC Low In Input A", "[-]", false, false, false},
        {0, 0x0307, 3, 3, 3, "CH A; Shield/Chassis Gnd", "[SH]", true, false, false},
        {1, 0x030F, 1, 4, 4, "CH B; Current  In Input B", "[+]", false, false, false},
        {2, 0x0322, 2, 8, 2, "CH C; VDC Hi In Input C", "[-]", false, false, false},
        {2, 0x0322, 1, 7, 1, "CH C; VDC Hi In Input C", "[+]", false, false, true},
        {5, 0x0338, 3, 18, 6, "CH F; Shield/Chassis Gnd", "[SH]", true, false, false},
        {6, 0x0318, 1, 19, 1, "CH G; Thermocouple In Input G", "[+]", false, false, true},
        {7, 0x0300, 2, 23, 5, "CH H; VDC Low In Input H", "[-]", false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.function) + " pin " + std::to_string(c.pin));
        auto& icon = Place<CVLVXM_7Icon>(doc, kDrop, 2, c.channel);
        icon.SetModeWord(c.mode);
        TerminalStripEntry entry;
        ASSERT_EQ(icon.GetPinInfo(c.pin, entry), 0);
        EXPECT_EQ(entry.index, c.index);
        EXPECT_EQ(entry.terminalNumber, c.terminal);
        EXPECT_EQ(entry.name, icon.Header().name);
        EXPECT_EQ(entry.function, c.function);
        EXPECT_EQ(entry.polarity, c.polarity);
        EXPECT_EQ(entry.blankLineAfter, c.blankLineAfter);
        EXPECT_EQ(entry.moduleHeading, c.moduleHeading);
        EXPECT_EQ(entry.stripHeading, c.stripHeading);
    }
}

TEST_F(VxmChannelIconTest, ColdJunctionAndOtherPinsAddNoTerminal)
{
    auto& junction = Place<CJC_VXM_7Icon>(doc, kDrop, 2);
    auto& channel = Place<CVLVXM_7Icon>(doc, kDrop, 2, 0);
    EXPECT_EQ(junction.GetPinCount(), 3);
    TerminalStripEntry entry;
    entry.function = "kept";
    for (int pin = 1; pin <= 3; ++pin)
        EXPECT_EQ(junction.GetPinInfo(pin, entry), -1);
    EXPECT_EQ(channel.GetPinInfo(0, entry), -1);
    EXPECT_EQ(channel.GetPinInfo(4, entry), -1);
    EXPECT_EQ(entry.function, "kept");
}

TEST_F(VxmChannelIconTest, WiringListShowsTheChannelsInTheirModulesBlocks)
{
    class NoViewer final : public TextFileViewer {
    public:
        bool Show(const std::filesystem::path&) override { return false; }
    } viewer;
    Place<CVLVXM_7Icon>(doc, kDrop, 3, 1);
    Place<CJC_VXM_7Icon>(doc, kDrop, 3);
    CWiringListManager manager(nullptr, doc, viewer);
    manager.CollectModules(doc.GetObjects());
    manager.CollectPins(doc.GetObjects());
    manager.AddFixedPins();
    ASSERT_EQ(manager.Modules().size(), 1u);
    EXPECT_EQ(manager.Modules()[0]->ModuleAddress(), 3);
    const std::string listing = manager.BuildListing();
    EXPECT_NE(listing.find("Pin 3 is Not Installed\r\n\r\n"
                           "4         Unused              CH B; VDC Low In Input B           [+]       \r\n"
                           "5         Unused              CH B; VDC Low In Input B           [-]       \r\n"
                           "6         Unused              CH B; Shield/Chassis Gnd           [SH]      \r\n\r\n"
                           "Pin 7 is Not Installed"),
        std::string::npos)
        << listing;
    EXPECT_EQ(listing.find("CJC"), std::string::npos);
}

TEST_F(VxmChannelIconTest, ConnectionCheckNeedsTriggerAndOutputUnlessIsolated)
{
    BuildSmallNet(doc);
    auto& channel = Place<CACVXM_7Icon>(doc, kDrop, 1, 0);
    bool isolated = false;
    EXPECT_EQ(channel.CheckIconConnections(isolated), 0);
    EXPECT_TRUE(isolated);

    auto& relay = Place<test::RelayIcon>(doc, "Relay", 1, test::kTestRelayType);
    Link(channel, 0, relay, 0);
    EXPECT_NE(channel.CheckIconConnections(isolated), 0);
    EXPECT_FALSE(isolated);

    auto& clock = Place<test::ClockIcon>(doc);
    Link(clock, 0, channel, kTriggerSlot);
    EXPECT_EQ(channel.CheckIconConnections(isolated), 0);
}

// A module at bus address 3 as a hardware query reports it: its record and
// the switch word of its channels.
class VxmQueriedModuleTest : public test::HardwareIconNetTest {
protected:
    static constexpr int kAddress = 3;
    static constexpr int kChannels = 7;

    VxmQueriedModuleTest()
    {
        // The small net's classes beside the hardware icons.
        factory.Register(test::kTestClockType, [](std::uint16_t) { return std::make_unique<test::ClockIcon>(); });
        factory.Register(test::kTestRelayType,
            [](std::uint16_t) { return std::make_unique<test::RelayIcon>("Relay", 1, test::kTestRelayType); });
        factory.Register(test::kTestGateType,
            [](std::uint16_t) { return std::make_unique<test::GateIcon>(300, 100, 2, test::kTestGateType); });
        factory.Register(test::kTestConstType,
            [](std::uint16_t) { return std::make_unique<test::SourceIcon>(test::kTestConstType); });
    }

    static void FillPoll(CHardwarePoll& poll, std::uint16_t switchWord)
    {
        CHardwarePoll::ModuleRecord record{};
        record[1] = kAddress;
        record[2] = CHardwarePoll::kAnalogModuleType;
        record[3] = 1;  // firmware 1.0.0
        poll.SetModuleRecord(kAddress, record);
        poll.SetModuleMask(1u << kAddress);
        poll.SetModuleValue(kAddress, switchWord);
        poll.SetPollState(CHardwarePoll::kFinished);
    }

    // One icon per channel with the preset its switches call for, and the
    // module's cold junction, as the net view places them after a query.
    std::vector<CVXM_7inputsIcon*> PlaceQueriedChannels(const CHardwarePoll& poll)
    {
        std::vector<CVXM_7inputsIcon*> placed;
        const std::uint16_t word = poll.GetModuleValue(kAddress);
        for (int channel = 0; channel < kChannels; ++channel) {
            const Rect at{100, 100 + 60 * channel, 132, 132 + 60 * channel};
            switch (ReadChannelMode(word, channel)) {
            case kChannelModeMilliamps: placed.push_back(&Place<CACVXM_7Icon>(doc, at, kAddress, channel)); break;
            case kChannelModeVdcHigh: placed.push_back(&Place<CVHVXM_7Icon>(doc, at, kAddress, channel)); break;
            default: placed.push_back(&Place<CVLVXM_7Icon>(doc, at, kAddress, channel)); break;
            }
        }
        placed.push_back(&Place<CJC_VXM_7Icon>(doc, Rect{200, 100, 232, 132}, kAddress));
        return placed;
    }
};

TEST_F(VxmQueriedModuleTest, PlacedChannelsSaveReopenAndCompileByteForByte)
{
    std::uint16_t word = 0;
    const std::vector<std::uint16_t> modes{kChannelModeMilliamps, kChannelModeVdcHigh, kChannelModeVdcLow,
        kChannelModeVdcHigh, kChannelModeMilliamps, kChannelModeVdcLow, kChannelModeMilliamps};
    for (int channel = 0; channel < kChannels; ++channel)
        word = SetChannelSwitches(word, channel, modes[static_cast<std::size_t>(channel)]);
    FillPoll(doc.GetHardwarePoll(), word);

    BuildSmallNet(doc);
    const std::vector<CVXM_7inputsIcon*> channels = PlaceQueriedChannels(doc.GetHardwarePoll());
    const std::vector<std::string_view> names{"VEXA-7_3A_mA", "VEXA-7_3B_VHi", "VEXA-7_3C_VLo", "VEXA-7_3D_VHi",
        "VEXA-7_3E_mA", "VEXA-7_3F_VLo", "VEXA-7_3G_mA", "VEXA-7_3_CJC"};
    ASSERT_EQ(channels.size(), names.size());
    CCorvaneIcon* sampleClock = nullptr;
    for (CCorvaneIcon* icon : doc.Icons())
        if (icon->TypeCode() == test::kTestClockType)
            sampleClock = icon;
    ASSERT_NE(sampleClock, nullptr);
    for (std::size_t i = 0; i < channels.size(); ++i) {
        EXPECT_EQ(channels[i]->Header().name, names[i]);
        auto& relay = Place<test::RelayIcon>(doc, "Relay", 1, test::kTestRelayType);
        Link(*sampleClock, 0, *channels[i], kTriggerSlot);
        Link(*channels[i], 0, relay, 0);
    }

    // Connected, the check compares the channels with the module's switches.
    services.connected = true;
    std::vector<std::string> messages;
    doc.CompileNet(messages, Folder() / "check.quv", CompileMode::CheckOnly);
    EXPECT_TRUE(messages.empty()) << messages.front();
    // A channel configured against its switches is found.
    const std::uint16_t placedMode = channels[0]->ModeWord();
    channels[0]->SetModeWord(0x0322);
    messages.clear();
    doc.CompileNet(messages, Folder() / "check.quv", CompileMode::CheckOnly);
    EXPECT_NE(std::find(messages.begin(), messages.end(),
                  "Icon 'VEXA-7_3A_mA'  ( Module 3 Channel A ) : switch setting mismatch"),
        messages.end());
    channels[0]->SetModeWord(placedMode);

    messages.clear();
    const auto first = Folder() / "first.quv";
    ASSERT_TRUE(doc.CompileNet(messages, first, CompileMode::ConvertAnyway));
    const auto image = doc.BuildSaveImage();
    ASSERT_TRUE(std::holds_alternative<std::vector<std::uint8_t>>(image));
    const auto& bytes = std::get<std::vector<std::uint8_t>>(image);

    CNetDoc reopened(services, factory);
    ASSERT_FALSE(reopened.LoadNetImage(bytes, false).has_value());
    int reopenedChannels = 0;
    for (CCorvaneIcon* icon : reopened.Icons())
        reopenedChannels += dynamic_cast<CVXM_7inputsIcon*>(icon) != nullptr ? 1 : 0;
    EXPECT_EQ(reopenedChannels, static_cast<int>(channels.size()));
    EXPECT_EQ(reopened.GetHardwarePoll().GetModuleValue(kAddress), word);
    EXPECT_EQ(std::get<std::vector<std::uint8_t>>(reopened.BuildSaveImage()), bytes);

    messages.clear();
    const auto second = Folder() / "second.quv";
    ASSERT_TRUE(reopened.CompileNet(messages, second, CompileMode::ConvertAnyway));
    const auto compiled = ReadFile(first);
    EXPECT_FALSE(compiled.empty());
    EXPECT_EQ(ReadFile(second), compiled);
}

}  // namespace
}  // namespace cvxm_7inputs_icon_test
}  // namespace corvane
