#include "icons/function/CDataBufferIcon.h"

#include "StatsIconsTestSupport.h"

#include "icons/function/CConstIcon.h"
#include "icons/function/CStopIcon.h"
#include "res/ResourceIds.h"

namespace corvane {
namespace c_data_buffer_icon_test {
namespace {

using test::kStatsDrop;
using test::kStatsX;
using test::kStatsY;
using test::Link;
using test::Place;
using test::RecordBytes;

class CDataBufferIconTest : public test::StatsIconTest {};

std::vector<std::uint8_t> BufferRecord(std::uint16_t id, std::uint16_t type, std::uint8_t flags)
{
    RecordBytes record;
    record.Header(178, id, 275, kStatsX, kStatsY, 1, 8, "Data Buffer").U16(type).Link(flags);
    for (int i = 0; i < CDataBufferIcon::kOutputs; ++i)
        record.Output(flags);
    return record.Bytes();
}

TEST_F(CDataBufferIconTest, PlacedAndLogicRecordsLoadBackUnchanged)
{
    auto& buffer = Place<CDataBufferIcon>(doc, kStatsDrop);
    EXPECT_EQ(buffer.BitmapId(), res::kBitmapDataBuffer);
    ExpectRecordRoundTrip(buffer, BufferRecord(buffer.UniqueId(), 1, 2));

    buffer.SetDataType(CDataBufferIcon::kLogic);
    ExpectRecordRoundTrip(buffer, BufferRecord(buffer.UniqueId(), 2, 0));
    const auto loaded = Load(Saved(buffer));
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->Input(0).GetDataType(), data_type::kLogic);
    for (int i = 0; i < CDataBufferIcon::kOutputs; ++i)
        EXPECT_EQ(loaded->Output(i).GetDataType(), data_type::kLogic) << i;
}

TEST_F(CDataBufferIconTest, NeedsAConnectedOutputButMayStandAlone)
{
    namespace mc = missing_connection;
    auto& buffer = Place<CDataBufferIcon>(doc, kStatsDrop);
    EXPECT_EQ(Check(buffer), 0);
    auto& source = Place<CConstIcon>(doc, kStatsDrop, res::kBitmapConstant);
    Link(source, 0, buffer, 0);
    EXPECT_EQ(Check(buffer), mc::kDataOutput);
    auto& sink = Place<CStopIcon>(doc, kStatsDrop);
    Link(buffer, 0, sink, 0);
    EXPECT_EQ(Check(buffer), 0);
}

TEST_F(CDataBufferIconTest, LinkingASourceRenamesNothing)
{
    auto& buffer = Place<CDataBufferIcon>(doc, kStatsDrop);
    buffer.SetName("");
    auto& source = Place<CConstIcon>(doc, kStatsDrop, res::kBitmapConstant);
    source.SetName("Flow");
    SetOutputData(source.GetOutputEntries()[0], "l/min");
    Link(source, 0, buffer, 0);
    EXPECT_EQ(buffer.Name(), "");
    for (const OutputEntry& entry : buffer.GetOutputEntries())
        EXPECT_EQ(entry.data[0], 0);
}

}  // namespace
}  // namespace c_data_buffer_icon_test
}  // namespace corvane
