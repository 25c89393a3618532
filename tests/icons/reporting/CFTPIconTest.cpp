#include "icons/reporting/CFTPIcon.h"

#include "ReportingIconTestSupport.h"

#include "res/ResourceIds.h"

#include <gtest/gtest.h>

namespace corvane {
namespace c_ftp_icon_test {
namespace {

using test::Place;
using test::RecordBytes;

constexpr std::uint16_t kX = 100;
constexpr std::uint16_t kY = 200;
constexpr Rect kDrop{kX + 8, kY + 8, kX + 40, kY + 40};

class FtpIcon : public test::ReportingNetTest {};

TEST_F(FtpIcon, PlacedIconIsPassiveWithAnInactiveInputPlace)
{
    auto& ftp = Place<CFTPIcon>(doc, kDrop);
    EXPECT_EQ(ftp.Caption(), "FTP");
    EXPECT_EQ(ftp.BitmapId(), res::kBitmapFtpNet);
    EXPECT_TRUE(ftp.IsHardwareLayout());
    EXPECT_TRUE(ftp.TriggerInput().IsActive());
    EXPECT_TRUE(ftp.EnableInput().IsActive());
    EXPECT_EQ(ftp.InputCount(), 0);
    EXPECT_FALSE(ftp.Input(0).IsActive());
    ASSERT_EQ(ftp.OutputCount(), 1);
    EXPECT_EQ(ftp.Output(0).GetDataType(), data_type::kLogic);
    EXPECT_EQ(ftp.OptionWord(), 0x2000);
    EXPECT_EQ(ftp.Settings().flagWord, 1);
    EXPECT_EQ(ftp.SelectTextBlock(1), "") << "the directory is empty until it is set";
}

// Records written by the icon: option word, tag ids, base filename and
// directory, with the directory field kept even.
TEST_F(FtpIcon, RecordsRoundTripByteForByte)
{
    struct Case {
        const char* name;
        std::uint16_t options;
        std::vector<std::uint32_t> ids;
        std::string filename;
        std::string directory;  // as set (UTF-8)
        std::vector<std::uint8_t> tail;
        std::string directoryBack;
    };
    const auto tail = [](std::vector<std::uint32_t> ids, std::string_view rest) {
        RecordBytes bytes;
        for (const std::uint32_t id : ids)
            bytes.U32(id);
        bytes.Text(rest);
        return bytes.Bytes();
    };
    const Case cases[] = {
        {"placed: the empty directory is stored as /", 0x2000, {}, "", "", tail({}, std::string("\0/\0", 3)), "/"},
        {"four-character name and /", 0x2000, {}, "data", "/", tail({}, std::string("data\0/\0", 7)), "/"},
        {"odd directory field padded", 0x1000, {7}, "f", "ab", tail({7}, std::string("f\0ab\0\0", 6)), "ab"},
        {"every option bit and two tags", 0x33FF, {0x0102, 9}, "plant_a", "/in", tail({0x0102, 9}, std::string("plant_a\0/in\0", 12)), "/in"},
        {"texts cut at 45 bytes", 0, {}, std::string(50, 'n'), std::string(50, 'd'),
            tail({}, std::string(45, 'n') + std::string(1, '\0') + std::string(45, 'd') + std::string(1, '\0')), std::string(45, 'd')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto& ftp = Place<CFTPIcon>(doc, kDrop);
        ftp.SetOptionWord(c.options);
        (void)ftp.Lists().SetStoredIds(c.ids);
        ftp.SetTextBlock(0, c.filename);
        if (!c.directory.empty())
            ftp.SetTextBlock(1, c.directory);
        const auto saved = Saved(ftp);
        const std::size_t length = 90 + c.tail.size() + c.tail.size() % 2;
        RecordBytes expected;
        expected.Header(static_cast<std::uint16_t>(length), ftp.UniqueId(), 68, kX, kY, 0, 1, "FTP")
            .U16(c.options)
            .U16(static_cast<std::uint16_t>(c.ids.size()))
            .U16(0)
            .Output(0)
            .Text(std::string_view(reinterpret_cast<const char*>(c.tail.data()), c.tail.size()))
            .Zeros(c.tail.size() % 2);
        EXPECT_EQ(saved, expected.Bytes());
        const auto loaded = Load(saved);
        ASSERT_NE(loaded, nullptr);
        const auto& back = dynamic_cast<const CFTPIcon&>(*loaded);
        EXPECT_EQ(back.OptionWord(), c.options);
        EXPECT_EQ(back.TagIds(), c.ids);
        EXPECT_EQ(back.SelectTextBlock(1), c.directoryBack);
        EXPECT_EQ(Saved(*loaded), saved);
    }
}

TEST_F(FtpIcon, RefusesMoreThan256TagIdsAndEveryTruncation)
{
    auto& ftp = Place<CFTPIcon>(doc, kDrop);
    (void)ftp.Lists().SetStoredIds(std::vector<std::uint32_t>{3, 4});
    ftp.SetTextBlock(0, "flow");
    const auto saved = Saved(ftp);
    auto record = saved;
    record[74] = 1;
    record[75] = 1;  // 257
    std::unique_ptr<CCorvaneIcon> icon = doc.CreateIcon(68, 0);
    const auto error = doc.LoadIconFromRecord(icon, record, 68, 0, false);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->kind, RecordErrorKind::BadCount);
    EXPECT_EQ(error->offset, 74u);
    // A record whose stored length ends inside the tail.
    for (std::uint16_t length = 90; length < saved.size(); length += 2) {
        auto part = saved;
        part[0] = static_cast<std::uint8_t>(length);
        part.resize(length);
        std::unique_ptr<CCorvaneIcon> fresh = doc.CreateIcon(68, 0);
        EXPECT_TRUE(doc.LoadIconFromRecord(fresh, part, 68, 0, false).has_value()) << length;
    }
}

TEST_F(FtpIcon, ConnectionCheckWantsTheTrigger)
{
    bool isolated = false;
    auto& ftp = Place<CFTPIcon>(doc, kDrop);
    EXPECT_EQ(ftp.CheckIconConnections(isolated), missing_connection::kIsolated);
    EXPECT_TRUE(isolated);
    test::Link(ftp, 0, Place<test::GateIcon>(doc), 0);
    EXPECT_EQ(ftp.CheckIconConnections(isolated), missing_connection::kTriggerInput);
    test::Link(Place<test::ClockIcon>(doc), 0, ftp, kTriggerSlot);
    EXPECT_EQ(ftp.CheckIconConnections(isolated), 0);
}

}  // namespace
}  // namespace c_ftp_icon_test
}  // namespace corvane
