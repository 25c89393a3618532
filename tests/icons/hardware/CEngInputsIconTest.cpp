#include "icons/hardware/CEngInputsIcon.h"

#include "HardwareIconTestSupport.h"

#include "icons/hardware/CACEngIcon.h"
#include "icons/hardware/CTCEngIcon.h"
#include "icons/hardware/CVHEngIcon.h"
#include "icons/hardware/CVLEngIcon.h"
#include "netdoc/ExcitationCheck.h"
#include "netmodel/TerminalStripEntry.h"

#include <bit>
#include <functional>

namespace corvane {
namespace c_eng_inputs_icon_test {
namespace {

using test::Link;
using test::Place;

constexpr Rect kDrop{100, 100, 132, 132};
constexpr std::uint16_t kPlacedAt = 92;  // the drop rectangle grown by 8

using Placer = std::function<CEngInputsIcon&(CNetDoc&, int channel)>;

struct Preset {
    std::string_view label;
    Placer place;
    std::uint16_t kindBits;
    std::string_view units;
    int bitmap;
    std::string_view className;
};

const std::vector<Preset>& Presets()
{
    static const std::vector<Preset> presets{
        {"low-level voltage", [](CNetDoc& d, int c) -> CEngInputsIcon& { return Place<CVLEngIcon>(d, kDrop, c); },
            0x0000, "Vdc", 405, "CEngInputsIcon"},
        {"current", [](CNetDoc& d, int c) -> CEngInputsIcon& { return Place<CACEngIcon>(d, kDrop, c); }, 0x0008, "mA",
            406, "CEngInputsIcon"},
        {"thermocouple", [](CNetDoc& d, int c) -> CEngInputsIcon& { return Place<CTCEngIcon>(d, kDrop, c); }, 0x0010,
            "'C", 407, "CTCEngIcon"},
        {"high-level voltage", [](CNetDoc& d, int c) -> CEngInputsIcon& { return Place<CVHEngIcon>(d, kDrop, c); },
            0x2000, "Vdc", 404, "CEngInputsIcon"},
    };
    return presets;
}

// A type-22 record: header, mode word, excitation time, the output entry,
// and the four scaling points when given.
std::vector<std::uint8_t> AnalogRecord(std::uint16_t mode, std::uint16_t excitation, std::string_view name,
    std::string_view units, const std::vector<float>& points = {})
{
    const auto length = static_cast<std::uint16_t>(88 + 4 * points.size());
    test::HardwareRecordBytes bytes;
    bytes.Header(length, 7, 22, 40, 60, 0, 1, name).U16(mode).U16(excitation).Output(units, 2);
    std::vector<std::uint8_t> record = bytes.Bytes();
    for (const float p : points) {
        const auto bits = std::bit_cast<std::uint32_t>(p);
        for (int shift = 0; shift < 32; shift += 8)
            record.push_back(static_cast<std::uint8_t>(bits >> shift));
    }
    return record;
}

class EngInputsIconTest : public test::HardwareIconNetTest {
protected:
    // Loads bytes of any length as a low-level voltage input; the error, if refused.
    std::optional<RecordError> LoadAnalog(std::span<const std::uint8_t> record)
    {
        std::unique_ptr<CCorvaneIcon> icon = doc.CreateIcon(22, 0);
        if (icon == nullptr)
            return RecordError{};
        return doc.LoadIconFromRecord(icon, record, 22, 0, false);
    }
};

TEST_F(EngInputsIconTest, PlacedRecordsCarryChannelKindAndUnits)
{
    for (const Preset& preset : Presets()) {
        for (int channel = 0; channel < CEngInputsIcon::kChannelCount; ++channel) {
            SCOPED_TRACE(std::string(preset.label) + " channel " + std::to_string(channel));
            CEngInputsIcon& icon = preset.place(doc, channel);
            const std::string name = std::string("Analog: CH ") + static_cast<char>('A' + channel);
            const auto mode = static_cast<std::uint16_t>((channel << 14) | preset.kindBits);
            test::HardwareRecordBytes expected;
            expected.Header(88, icon.UniqueId(), 22, kPlacedAt, kPlacedAt, 0, 1, name)
                .U16(mode)
                .U16(0)
                .Output(preset.units, 2);
            EXPECT_EQ(Saved(icon), expected.Bytes());
            EXPECT_EQ(icon.Channel(), channel);
            EXPECT_EQ(icon.BitmapId(), preset.bitmap);
            EXPECT_EQ(icon.ClassName(), preset.className);
            EXPECT_EQ(icon.Points(), ScalingPoints{});
            EXPECT_FALSE(icon.IsDeletable());
            EXPECT_TRUE(icon.IsHardwareLayout());
            EXPECT_TRUE(icon.TriggerInput().IsActive());
            EXPECT_TRUE(icon.EnableInput().IsActive());
            EXPECT_EQ(icon.Output(0).GetDataType(), data_type::kData);
            EXPECT_EQ(icon.LabelFlags(), label_flag::kOwnLabels);
            EXPECT_EQ(icon.ExecutionPriority(), 0);
        }
    }
}

TEST_F(EngInputsIconTest, StoredRecordsReopenUnchanged)
{
    struct Case {
        std::vector<std::uint8_t> record;
        int bitmap;
        int channel;
        ScalingPoints points;
    };
    const std::vector<Case> cases{
        {AnalogRecord(0x0003, 0, "Analog: CH A", "VDC"), 405, 0, {}},
        {AnalogRecord(0x4009, 250, "Analog: CH B", "mA"), 406, 1, {}},
        {AnalogRecord(0x8010, 0, "Analog: CH C", "'C"), 407, 2, {}},
        {AnalogRecord(0xC798, 990, "Analog: CH D", "'F"), 407, 3, {}},
        {AnalogRecord(0x2001, 0, "Analog: CH A", "VDC"), 404, 0, {}},
        {AnalogRecord(0x2008, 0, "Analog: CH A", "VDC"), 404, 0, {}},
        {AnalogRecord(0x4802, 10, "Pressure", "PSI", {20.0F, 4.0F, 100.0F, 0.0F}), 405, 1, {20.0F, 4.0F, 100.0F, 0.0F}},
        {AnalogRecord(0xA808, 0, "Flow", "GPM", {-1.0F, -1.0F, -1.0F, -1.0F}), 404, 2, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.record.size());
        std::unique_ptr<CCorvaneIcon> loaded = Load(c.record);
        ASSERT_NE(loaded, nullptr);
        auto* input = dynamic_cast<CEngInputsIcon*>(loaded.get());
        ASSERT_NE(input, nullptr);
        EXPECT_EQ(input->BitmapId(), c.bitmap);
        EXPECT_EQ(input->Channel(), c.channel);
        EXPECT_EQ(input->Points(), c.points);
        EXPECT_FALSE(input->IsDeletable());
        EXPECT_TRUE(input->IsHardwareLayout());
        EXPECT_TRUE(input->TriggerInput().IsActive());
        EXPECT_EQ(input->LabelFlags(), label_flag::kOwnLabels);
        EXPECT_EQ(Saved(*input), c.record);
    }
}

TEST_F(EngInputsIconTest, NetImageReopensEveryChannelByteForByte)
{
    PlaceProgramWith(2);
    for (std::size_t i = 0; i < Presets().size(); ++i)
        Presets()[i].place(doc, static_cast<int>(i));
    CEngInputsIcon& scaled = Presets()[0].place(doc, 1);
    scaled.SetModeWord(0x4A05);
    scaled.SetExcitationTime(120);
    scaled.SetPoints({20.0F, 4.0F, 100.0F, 0.0F});
    const auto image = doc.BuildSaveImage();
    ASSERT_TRUE(std::holds_alternative<std::vector<std::uint8_t>>(image));
    const auto& bytes = std::get<std::vector<std::uint8_t>>(image);

    CNetDoc reopened(services, factory);
    ASSERT_FALSE(reopened.LoadNetImage(bytes, false).has_value());
    EXPECT_EQ(reopened.GetObjectCount(), 6);
    int inputs = 0;
    for (CCorvaneIcon* icon : reopened.Icons())
        inputs += dynamic_cast<CEngInputsIcon*>(icon) != nullptr ? 1 : 0;
    EXPECT_EQ(inputs, 5);
    EXPECT_EQ(std::get<std::vector<std::uint8_t>>(reopened.BuildSaveImage()), bytes);
}

TEST_F(EngInputsIconTest, FactoryPicksThePresetFromTheModeWord)
{
    struct Case {
        std::uint16_t mode;
        std::function<bool(CCorvaneIcon*)> isPreset;
    };
    const std::vector<Case> cases{
        {0x0000, [](CCorvaneIcon* i) { return dynamic_cast<CVLEngIcon*>(i) != nullptr; }},
        {0x0008, [](CCorvaneIcon* i) { return dynamic_cast<CACEngIcon*>(i) != nullptr; }},
        {0x0010, [](CCorvaneIcon* i) { return dynamic_cast<CTCEngIcon*>(i) != nullptr; }},
        {0x0018, [](CCorvaneIcon* i) { return dynamic_cast<CTCEngIcon*>(i) != nullptr; }},
        {0x2008, [](CCorvaneIcon* i) { return dynamic_cast<CVHEngIcon*>(i) != nullptr; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        std::unique_ptr<CCorvaneIcon> loaded = Load(AnalogRecord(c.mode, 0, "Analog: CH A", "VDC"));
        EXPECT_TRUE(c.isPreset(loaded.get()));
    }
    EXPECT_EQ(doc.CreateIcon(22, 4), nullptr);
}

TEST_F(EngInputsIconTest, RefusesTruncatedRecords)
{
    for (const auto& record :
        {AnalogRecord(0x0000, 0, "A", "VDC"), AnalogRecord(0x0800, 0, "A", "VDC", {1.0F, 2.0F, 3.0F, 4.0F})}) {
        for (std::size_t size = 0; size < record.size(); ++size) {
            SCOPED_TRACE(size);
            std::vector<std::uint8_t> cut(record.begin(), record.begin() + static_cast<std::ptrdiff_t>(size));
            // Each prefix is tried both with its stored length and with the
            // length word telling the truth about the cut.
            EXPECT_TRUE(LoadAnalog(cut).has_value());
            if (size >= 2 && size % 2 == 0) {
                cut[0] = static_cast<std::uint8_t>(size);
                cut[1] = static_cast<std::uint8_t>(size >> 8);
                EXPECT_TRUE(LoadAnalog(cut).has_value());
            }
        }
    }
}

TEST_F(EngInputsIconTest, ScalingBitWithoutItsPointsIsRefusedAtTheTail)
{
    const auto error = LoadAnalog(AnalogRecord(0x0800, 0, "A", "VDC"));
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->kind, RecordErrorKind::Truncated);
    EXPECT_EQ(error->offset, 88u);
    EXPECT_EQ(error->field, "scaling x1");
}

TEST_F(EngInputsIconTest, PinsAreTheChannelsThreeTerminals)
{
    struct Case {
        std::uint16_t mode;
        int firstTerminal;
        std::string_view prefix;
    };
    const std::vector<Case> cases{
        {0x0000, 4, "Analog A: Voltage "},
        {0x4008, 7, "Analog B: Current "},
        {0x8010, 10, "Analog C: Thermocouple "},
        {0xC018, 13, "Analog D: Thermocouple "},
        {0x2000, 4, "Analog A: Voltage "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        std::unique_ptr<CCorvaneIcon> loaded = Load(AnalogRecord(c.mode, 0, "Tank Level", "VDC"));
        auto* input = dynamic_cast<CEngInputsIcon*>(loaded.get());
        ASSERT_NE(input, nullptr);
        EXPECT_EQ(input->GetPinCount(), 3);
        EXPECT_EQ(input->GetModuleType(), 0);
        EXPECT_EQ(input->GetModuleAddress(), -17);
        const std::array<std::string_view, 3> roles{"Excitation", "Positive", "Negative"};
        const std::array<std::string_view, 3> polarities{"[+]", "[+]", "[-]"};
        for (int pin = 1; pin <= 3; ++pin) {
            TerminalStripEntry entry;
            ASSERT_EQ(input->GetPinInfo(pin, entry), 0);
            const auto at = static_cast<std::size_t>(pin - 1);
            EXPECT_EQ(entry.index, c.firstTerminal + pin - 1);
            EXPECT_EQ(entry.terminalNumber, c.firstTerminal + pin - 1);
            EXPECT_EQ(entry.name, "Tank Level");
            EXPECT_EQ(entry.function, std::string(c.prefix) + std::string(roles.at(at)));
            EXPECT_EQ(entry.polarity, polarities.at(at));
            EXPECT_EQ(entry.blankLineAfter, pin == 3);
            EXPECT_FALSE(entry.moduleHeading);
            EXPECT_FALSE(entry.stripHeading);
        }
        for (const int pin : {0, 4, -1}) {
            TerminalStripEntry entry;
            entry.function = "kept";
            EXPECT_EQ(input->GetPinInfo(pin, entry), -1);
            EXPECT_EQ(entry.function, "kept");
            EXPECT_EQ(entry.index, 0);
        }
    }
}

TEST_F(EngInputsIconTest, ConnectionCheckWantsTriggerAndOutputOnceLinked)
{
    struct Case {
        bool trigger;
        bool output;
        int missing;
        bool isolated;
    };
    const std::vector<Case> cases{
        {false, false, 0, true},
        {false, true, missing_connection::kTriggerInput, false},
        {true, false, missing_connection::kDataOutput, false},
        {true, true, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.trigger) + std::to_string(c.output));
        CEngInputsIcon& input = Place<CVLEngIcon>(doc, kDrop, 0);
        if (c.trigger)
            Link(Place<test::ClockIcon>(doc), 0, input, kTriggerSlot);
        if (c.output)
            Link(input, 0, Place<test::RelayIcon>(doc), 0);
        bool isolated = false;
        EXPECT_EQ(input.CheckIconConnections(isolated), c.missing);
        EXPECT_EQ(isolated, c.isolated);
    }
}

TEST_F(EngInputsIconTest, NetCheckNamesAMissingTriggerAndIsSilentOnAnIsolatedInput)
{
    CEngInputsIcon& isolated = Place<CVLEngIcon>(doc, kDrop, 0);
    EXPECT_FALSE(doc.CheckIconConnections(isolated));
    EXPECT_TRUE(doc.Messages().empty());

    CEngInputsIcon& fed = Place<CACEngIcon>(doc, kDrop, 1);
    Link(fed, 0, Place<test::RelayIcon>(doc), 0);
    EXPECT_FALSE(doc.CheckIconConnections(fed));
    ASSERT_FALSE(doc.Messages().empty());
    EXPECT_EQ(doc.Messages().front(), "'Analog: CH B' Icon Trigger Input is not connected.");
}

TEST_F(EngInputsIconTest, ExcitationCheckReadsTheSignedExcitationTime)
{
    struct Case {
        std::uint16_t time;
        bool used;
    };
    for (const Case& c : {Case{0, false}, Case{1, true}, Case{990, true}, Case{0x7FFF, true}, Case{0x8000, false},
             Case{0xFFFF, false}}) {
        SCOPED_TRACE(c.time);
        CNetDoc net(services, factory);
        CEngInputsIcon& input = Place<CVLEngIcon>(net, kDrop, 1);
        input.SetExcitationTime(c.time);
        EXPECT_EQ(ExcitationCheck(net).AnalogExcitationUsed(), c.used);
    }
}

TEST_F(EngInputsIconTest, LayingOutAgainKeepsTheSettings)
{
    CEngInputsIcon& input = Place<CTCEngIcon>(doc, kDrop, 2);
    input.SetModeWord(0x8B99);
    input.SetExcitationTime(40);
    input.SetPoints({1.0F, 2.0F, 3.0F, 4.0F});
    input.Layout();
    EXPECT_EQ(input.ModeWord(), 0x8B99);
    EXPECT_EQ(input.ExcitationTime(), 40);
    EXPECT_EQ(input.Points(), (ScalingPoints{1.0F, 2.0F, 3.0F, 4.0F}));
    EXPECT_EQ(Saved(input).size(), 104u);
}

TEST_F(EngInputsIconTest, InputTypeTextNamesKindAndChannel)
{
    CEngInputsIcon& input = Place<CACEngIcon>(doc, kDrop, 1);
    EXPECT_EQ(input.GetInputTypeText(406), "mA Input             Channel B");
    EXPECT_EQ(input.GetInputTypeText(405), "VDC Input - Low Level  Channel B");
    EXPECT_EQ(input.GetInputTypeText(407), "Thermocouple Input     Channel B");
    EXPECT_EQ(input.GetInputTypeText(404), "VDC Input - High Level  Channel B");
}

}  // namespace
}  // namespace c_eng_inputs_icon_test
}  // namespace corvane
