#include "icons/function/CWarningIcon.h"

#include "MiscIconTestSupport.h"

#include "icons/function/CStopIcon.h"
#include "res/ResourceIds.h"

namespace corvane {
namespace c_warning_icon_test {
namespace {

using test::Place;
using test::RecordBytes;

constexpr std::uint16_t kX = 100;
constexpr std::uint16_t kY = 200;
constexpr Rect kDrop{kX + 8, kY + 8, kX + 40, kY + 40};

class WarningIcon : public test::FunctionIconNetTest {};

TEST_F(WarningIcon, PlacedIconWritesItsRecordAndLoadsItBackUnchanged)
{
    CWarningIcon& warning = Place<CWarningIcon>(doc, kDrop);
    EXPECT_EQ(warning.BitmapId(), res::kBitmapWarning);
    EXPECT_EQ(warning.OutputCount(), 1);
    EXPECT_EQ(warning.Output(0).GetDataType(), data_type::kLogic);
    EXPECT_TRUE(warning.EnableInput().IsActive());
    EXPECT_FALSE(warning.TriggerInput().IsActive());
    const auto saved = Saved(warning);
    EXPECT_EQ(saved,
        RecordBytes()
            .Header(88, warning.UniqueId(), 65, kX, kY, 0, 1, "Warning")
            .U16(0)
            .U8(50)
            .U8(0)
            .Output(0)
            .Bytes());

    warning.SetConditions(0x4FFF);
    warning.SetMemoryPercentage(100);
    auto record = Saved(warning);
    record[75] = 0x5A;  // the reserved byte is kept as read
    const auto loaded = Load(record);
    ASSERT_NE(loaded, nullptr);
    const auto& back = dynamic_cast<const CWarningIcon&>(*loaded);
    EXPECT_EQ(back.Conditions(), 0x4FFF);
    EXPECT_EQ(back.MemoryPercentage(), 100);
    EXPECT_EQ(back.Caption(), "Warning");
    EXPECT_TRUE(loaded->EnableInput().IsActive());
    EXPECT_EQ(Saved(*loaded), record);
}

TEST_F(WarningIcon, RejectsTruncatedRecordsAtEveryLength)
{
    const auto saved = Saved(Place<CWarningIcon>(doc, kDrop));
    for (std::size_t cut = 0; cut < saved.size(); ++cut) {
        const std::vector<std::uint8_t> part(saved.begin(), saved.begin() + static_cast<long>(cut));
        std::unique_ptr<CCorvaneIcon> icon = doc.CreateIcon(65, 0);
        ASSERT_NE(icon, nullptr);
        EXPECT_TRUE(doc.LoadIconFromRecord(icon, part, 65, 0, false).has_value()) << "cut at " << cut;
    }
}

TEST_F(WarningIcon, FreshlyCreatedIconHasOneOutput)
{
    const std::unique_ptr<CCorvaneIcon> icon = doc.CreateIcon(65, 0);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->ClassName(), "CWarningIcon");
    EXPECT_EQ(icon->OutputCount(), 1);
    EXPECT_EQ(icon->InputCount(), 0);
}

TEST_F(WarningIcon, NeedsItsOutputConnected)
{
    namespace mc = missing_connection;
    CWarningIcon& warning = Place<CWarningIcon>(doc, kDrop);
    bool isolated = false;
    EXPECT_EQ(warning.CheckIconConnections(isolated), mc::kIsolated);
    test::Link(Place<CWarningIcon>(doc, kDrop), 0, warning, kEnableSlot);
    EXPECT_EQ(warning.CheckIconConnections(isolated), mc::kDataOutput);
    test::Link(warning, 0, Place<CStopIcon>(doc, kDrop), 0);
    EXPECT_EQ(warning.CheckIconConnections(isolated), 0);
}

}  // namespace
}  // namespace c_warning_icon_test
}  // namespace corvane
