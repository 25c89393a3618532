#include "icons/hardware/CGpdiIcon.h"

#include "HardwareIconTestSupport.h"

#include "netmodel/TerminalStripEntry.h"
#include "res/ResourceIds.h"

namespace corvane {
namespace c_gpdi_icon_test {
namespace {

using test::HardwareRecordBytes;
using test::Link;
using test::Place;

constexpr std::uint16_t kX = 100;
constexpr std::uint16_t kY = 200;
constexpr Rect kDrop{kX + 8, kY + 8, kX + 40, kY + 40};
constexpr std::uint32_t kTenHz = 0x41200000;   // 10.0f
constexpr std::uint32_t kFourHz = 0x40800000;  // 4.0f

class GpdiIcon : public test::HardwareIconNetTest {
protected:
    CGpdiIcon& PlaceGpdi()
    {
        std::unique_ptr<CGpdiIcon> icon = CGpdiIcon::Place(kDrop, 0);
        CGpdiIcon& placed = *icon;
        doc.AddObject(std::move(icon));
        placed.Layout();
        return placed;
    }
    static std::vector<std::uint8_t> RecordOf(std::uint16_t mode, std::uint32_t frequency, std::string_view label)
    {
        return HardwareRecordBytes()
            .Header(90, 9, CGpdiIcon::kTypeCode, kX, kY, 0, 1, "Wind")
            .U16(mode)
            .U16(static_cast<std::uint16_t>(frequency))
            .U16(static_cast<std::uint16_t>(frequency >> 16))
            .Output(label, (mode & 0x6000) != 0 ? 2 : 0)
            .Bytes();
    }
};

TEST_F(GpdiIcon, PlacedIconIsAnEventInputWithTheNewModeWord)
{
    auto& gpdi = PlaceGpdi();
    const auto expected = HardwareRecordBytes()
                              .Header(90, gpdi.UniqueId(), 19, kX, kY, 0, 1, "GPDI")
                              .U16(0x0920)
                              .U16(static_cast<std::uint16_t>(kTenHz))
                              .U16(static_cast<std::uint16_t>(kTenHz >> 16))
                              .Output("Hi/Low", 0)
                              .Bytes();
    EXPECT_EQ(Saved(gpdi), expected);
    EXPECT_EQ(gpdi.BitmapId(), res::kBitmapGpdiEvent);
    EXPECT_EQ(gpdi.Output(0).GetDataType(), data_type::kLogic);
    EXPECT_TRUE(gpdi.TriggerInput().IsActive());
    EXPECT_TRUE(gpdi.EnableInput().IsActive());
    EXPECT_FALSE(gpdi.IsDeletable());
    EXPECT_TRUE(gpdi.IsHardwareLayout());
    EXPECT_EQ(gpdi.LabelFlags(), label_flag::kOwnLabels);
    EXPECT_EQ(gpdi.GetModuleType(), 0);
    EXPECT_EQ(gpdi.GetModuleAddress(), -17);
}

TEST_F(GpdiIcon, RefusesToPlaceAChannelOtherThanZero)
{
    for (int channel : {1, 3, -1}) {
        SCOPED_TRACE(channel);
        EXPECT_EQ(CGpdiIcon::Place(kDrop, channel), nullptr);
    }
    ASSERT_EQ(Prompts().messageBoxes.size(), 3u);
    EXPECT_EQ(Prompts().messageBoxes[0].text, "GPDI channel error: Please contact QZL.");
}

TEST_F(GpdiIcon, LoadsEachKindAndWritesItBackUnchanged)
{
    struct Case {
        std::uint16_t mode;
        std::string_view label;
        int bitmap;
        int outputType;
    };
    const Case cases[] = {
        {0x0170, "Hi/Low", res::kBitmapGpdiEvent, data_type::kLogic},
        {0x2F00, "Pulses", res::kBitmapGpdiCounter, data_type::kData},
        {0x6120, "Hz", res::kBitmapGpdiFrequency, data_type::kData},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        const auto record = RecordOf(c.mode, kFourHz, c.label);
        std::unique_ptr<CCorvaneIcon> loaded = Load(record);
        ASSERT_NE(loaded, nullptr);
        auto* gpdi = dynamic_cast<CGpdiIcon*>(loaded.get());
        ASSERT_NE(gpdi, nullptr);
        EXPECT_EQ(gpdi->ModeWord(), c.mode);
        EXPECT_FLOAT_EQ(gpdi->MinimumFrequency(), 4.0F);
        EXPECT_EQ(gpdi->BitmapId(), c.bitmap);
        EXPECT_EQ(gpdi->Output(0).GetDataType(), c.outputType);
        EXPECT_TRUE(gpdi->TriggerInput().IsActive());
        EXPECT_FALSE(gpdi->IsDeletable());
        EXPECT_EQ(gpdi->Caption(), "Wind");
        EXPECT_EQ(Saved(*gpdi), record);
    }
}

TEST_F(GpdiIcon, RefusesATruncatedRecord)
{
    const auto record = RecordOf(0x2000, kTenHz, "Counts");
    for (std::size_t size = 0; size < record.size(); ++size) {
        SCOPED_TRACE(size);
        std::unique_ptr<CCorvaneIcon> icon = doc.CreateIcon(CGpdiIcon::kTypeCode, 0x2000);
        ASSERT_NE(icon, nullptr);
        EXPECT_TRUE(doc.LoadIconFromRecord(icon, std::span(record).first(size), CGpdiIcon::kTypeCode, 0x2000, false));
        EXPECT_EQ(icon, nullptr);
    }
}

TEST_F(GpdiIcon, NeedsTriggerAndOutputOnceConnected)
{
    auto& gpdi = PlaceGpdi();
    bool isolated = false;
    EXPECT_EQ(gpdi.CheckIconConnections(isolated), 0);
    auto& clock = Place<test::ClockIcon>(doc);
    Link(clock, 0, gpdi, kEnableSlot);
    EXPECT_EQ(gpdi.CheckIconConnections(isolated), missing_connection::kTriggerInput | missing_connection::kDataOutput);
    Link(clock, 0, gpdi, kTriggerSlot);
    auto& gate = Place<test::GateIcon>(doc);
    Link(gpdi, 0, gate, 0);
    EXPECT_EQ(gpdi.CheckIconConnections(isolated), 0);
}

TEST_F(GpdiIcon, GivesTwoTerminalsOfTheLoggerStripByKind)
{
    struct Case {
        std::uint16_t mode;
        std::string_view signal;
    };
    const Case cases[] = {{0x0000, "GPDI: Event In"}, {0x2000, "GPDI: Counter In"}, {0x6000, "GPDI: Frequency In"},
        {0x4000, "GPDI: *** INVALID ***"}};
    auto& gpdi = PlaceGpdi();
    EXPECT_EQ(gpdi.GetPinCount(), 2);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        gpdi.SetModeWord(c.mode);
        TerminalStripEntry signal;
        TerminalStripEntry ground;
        ASSERT_EQ(gpdi.GetPinInfo(1, signal), 0);
        ASSERT_EQ(gpdi.GetPinInfo(2, ground), 0);
        EXPECT_EQ(signal.index, 20);
        EXPECT_EQ(signal.terminalNumber, 20);
        EXPECT_EQ(signal.name, "GPDI");
        EXPECT_EQ(signal.function, c.signal);
        EXPECT_EQ(signal.polarity, "[+]");
        EXPECT_FALSE(signal.blankLineAfter);
        EXPECT_EQ(ground.index, 21);
        EXPECT_EQ(ground.function, "GPDI: Ground");
        EXPECT_EQ(ground.polarity, "[-]");
        EXPECT_TRUE(ground.blankLineAfter);
    }
    TerminalStripEntry untouched;
    EXPECT_EQ(gpdi.GetPinInfo(0, untouched), -1);
}

}  // namespace
}  // namespace c_gpdi_icon_test
}  // namespace corvane
