#include "icons/reporting/CEmailIcon.h"

#include "ReportingIconTestSupport.h"

#include "icons/reporting/CDataTagIcon.h"
#include "icons/reporting/CFTPIcon.h"
#include "res/ResourceIds.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace corvane {
namespace c_email_icon_test {
namespace {

using test::Link;
using test::Place;
using test::RecordBytes;

constexpr std::uint16_t kX = 100;
constexpr std::uint16_t kY = 200;
constexpr Rect kDrop{kX + 8, kY + 8, kX + 40, kY + 40};

class EmailIcon : public test::ReportingNetTest {
protected:
    CDataTagIcon& PlaceTag(std::string_view name, std::uint16_t bits)
    {
        auto& tag = Place<CDataTagIcon>(doc, kDrop);
        tag.SetName(name);
        tag.SetAssignmentBits(bits);
        Link(Place<test::SourceIcon>(doc, test::kTestConstType), 0, tag, 0);
        return tag;
    }
    // An e-mail icon fed by a number (input 0) and an on/off state (input
    // 1), with a message that shows both, its addresses and two tags.
    CEmailIcon& PlaceConfigured()
    {
        auto& email = Place<CEmailIcon>(doc, kDrop);
        auto& clock = Place<test::ClockIcon>(doc);
        Link(Place<test::SourceIcon>(doc, test::kTestConstType), 0, email, 0);
        Link(clock, 0, email, 1);
        Link(clock, 0, email, kTriggerSlot);
        EmailTailContent& content = email.Content();
        content.message = "Level ^0 m, pump ^1 (100%)";
        content.references[0] = 0;
        content.references[1] = 1;
        content.inputTexts[0] = {"###", "#"};
        content.inputTexts[1] = {"off", "on"};
        email.SetTextSection(CEmailIcon::TextSection::To, "ops@plant.example,night@plant.example");
        email.SetTextSection(CEmailIcon::TextSection::From, "logger@plant.example");
        email.SetTextSection(CEmailIcon::TextSection::Subject, "Größe");
        email.SetTextSection(CEmailIcon::TextSection::BaseFilename, "tank");
        (void)email.Lists().SetStoredIds(std::vector<std::uint32_t>{0x0201, 0x0305});
        return email;
    }
};

TEST_F(EmailIcon, PlacedIconWritesItsRecordByteForByte)
{
    auto& email = Place<CEmailIcon>(doc, kDrop);
    EXPECT_EQ(email.Caption(), "Email");
    EXPECT_EQ(email.BitmapId(), res::kBitmapEmailNet);
    EXPECT_TRUE(email.IsHardwareLayout());
    EXPECT_TRUE(email.TriggerInput().IsActive());
    EXPECT_TRUE(email.EnableInput().IsActive());
    EXPECT_EQ(email.InputCount(), 1);
    EXPECT_EQ(email.InputLimit(), 24);
    ASSERT_EQ(email.OutputCount(), 1);
    EXPECT_EQ(email.Output(0).GetDataType(), data_type::kLogic);
    EXPECT_EQ(email.Settings().sizeLimit, 2880);
    EXPECT_EQ(email.Settings().flagWord, 0);
    const auto saved = Saved(email);
    const auto expected = RecordBytes()
                              .Header(106, email.UniqueId(), 67, kX, kY, 1, 1, "Email")
                              .U16(8)
                              .U8(0)
                              .U8(0)
                              .U16(0)
                              .U16(0)
                              .Link(2)
                              .Output(0)
                              .Zeros(6)
                              .Bytes();
    EXPECT_EQ(saved, expected);
    const auto loaded = Load(saved);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(Saved(*loaded), saved);
}

TEST_F(EmailIcon, ConfiguredIconRoundTripsThroughItsRecord)
{
    auto& email = PlaceConfigured();
    const auto saved = Saved(email);
    EXPECT_EQ(saved[74], 2) << "r";
    EXPECT_EQ(saved[76], 2) << "t";
    const auto loaded = Load(saved);
    ASSERT_NE(loaded, nullptr);
    const auto& back = dynamic_cast<const CEmailIcon&>(*loaded);
    EXPECT_EQ(back.InputCount(), 3);
    EXPECT_EQ(back.TagIds(), (std::vector<std::uint32_t>{0x0201, 0x0305}));
    EXPECT_EQ(back.Content().message, "Level ^0 m, pump ^1 (100%)");
    EXPECT_EQ(back.Content().to, "ops@plant.example,night@plant.example");
    EXPECT_EQ(back.Content().subject, "Gr\xF6\xDF" "e") << "Windows-1252 in the record";
    EXPECT_EQ(back.Settings().baseFilename, "tank");
    EXPECT_EQ(back.Content().inputTexts[0], (EmailInputTexts{"###", "#"}));
    EXPECT_EQ(back.Content().inputTexts[1], (EmailInputTexts{"off", "on"}));
    EXPECT_EQ(Saved(*loaded), saved);
}

TEST_F(EmailIcon, CountsOnlyTheReferencesItWrites)
{
    auto& email = PlaceConfigured();
    // A reference to input 2 (never linked) and one whose marker is gone.
    email.Content().references[2] = 2;
    email.Content().references[3] = 0;
    EXPECT_EQ(email.WrittenReferenceCount(), 2u);
    EXPECT_EQ(Saved(email)[74], 2);
    email.GetInputLinks()[1] = InputLink{};
    EXPECT_EQ(Saved(email)[74], 1) << "an input that lost its link is not counted";
}

TEST_F(EmailIcon, RefusesCountsPastTheirBoundsWithTheirOffsets)
{
    auto& email = PlaceConfigured();
    const auto saved = Saved(email);
    struct Case {
        std::size_t offset;
        std::uint8_t value;
        std::string field;
    };
    const Case cases[] = {{74, 25, "input reference count"}, {77, 0x01, "tag count"}};
    for (const Case& c : cases) {
        auto record = saved;
        record[c.offset] = c.value;
        std::unique_ptr<CCorvaneIcon> icon = doc.CreateIcon(67, 0);
        const auto error = doc.LoadIconFromRecord(icon, record, 67, 0, false);
        ASSERT_TRUE(error.has_value()) << c.field;
        EXPECT_EQ(error->kind, RecordErrorKind::BadCount);
        EXPECT_EQ(error->offset, c.offset == 77 ? 76u : c.offset);
        EXPECT_EQ(error->field, c.field);
    }
    for (std::size_t cut = 0; cut + 2 < saved.size(); ++cut) {
        const std::vector<std::uint8_t> part(saved.begin(), saved.begin() + static_cast<long>(cut));
        std::unique_ptr<CCorvaneIcon> icon = doc.CreateIcon(67, 0);
        EXPECT_TRUE(doc.LoadIconFromRecord(icon, part, 67, 0, false).has_value()) << "cut at " << cut;
    }
}

TEST_F(EmailIcon, ConnectionCheckWantsTheTrigger)
{
    namespace mc = missing_connection;
    bool isolated = false;
    auto& email = Place<CEmailIcon>(doc, kDrop);
    EXPECT_EQ(email.CheckIconConnections(isolated), mc::kIsolated) << "nothing connected";
    EXPECT_TRUE(isolated);
    test::Link(Place<test::SourceIcon>(doc, test::kTestConstType), 0, email, 0);
    EXPECT_EQ(email.CheckIconConnections(isolated), mc::kTriggerInput);
    EXPECT_FALSE(isolated);
    Link(Place<test::ClockIcon>(doc), 0, email, kTriggerSlot);
    EXPECT_EQ(email.CheckIconConnections(isolated), 0);
}

TEST_F(EmailIcon, NetCheckHandsEachIconTheTagsMarkedWithItsBit)
{
    PlaceProgram(doc);
    auto& both = PlaceTag("Both", 0xFFFF);
    auto& emailOnly = PlaceTag("EmailOnly", 0x0010);
    auto& ftpOnly = PlaceTag("FtpOnly", 0x0008);
    auto& email = Place<CEmailIcon>(doc, kDrop);
    auto& ftp = Place<CFTPIcon>(doc, kDrop);
    std::vector<std::string> messages;
    ASSERT_TRUE(doc.CompileNet(messages, Folder() / "net.quv", CompileMode::ConvertAnyway));
    const auto ids = [](std::initializer_list<const CCorvaneIcon*> icons) {
        std::vector<std::uint32_t> out;
        for (const CCorvaneIcon* icon : icons)
            out.push_back(icon->UniqueId());
        return out;
    };
    EXPECT_EQ(email.TagIds(), ids({&both, &emailOnly}));
    EXPECT_EQ(ftp.TagIds(), ids({&both, &ftpOnly}));
    EXPECT_EQ(both.AssignmentBits(), 0xFFE7);
    EXPECT_EQ(emailOnly.AssignmentBits(), 0);
    EXPECT_EQ(ftpOnly.AssignmentBits(), 0);

    std::vector<std::string> findings;
    (void)doc.CompileNet(findings, Folder() / "check.quv", CompileMode::CheckOnly);
    for (const std::string_view name :
        {"'Email' Icon needs to be connected or deleted.", "'FTP' Icon needs to be connected or deleted."})
        EXPECT_NE(std::find(findings.begin(), findings.end(), name), findings.end()) << name;
}

TEST_F(EmailIcon, DeletingADataTagRemovesItFromTheEmailAndFtpIcons)
{
    auto& a = PlaceTag("A", 0xFFFF);
    auto& b = PlaceTag("B", 0xFFFF);
    auto& email = Place<CEmailIcon>(doc, kDrop);
    auto& ftp = Place<CFTPIcon>(doc, kDrop);
    email.UpdateTagLists(CEmailIcon::kAssignmentBit);
    ftp.UpdateTagLists(CFTPIcon::kAssignmentBit);
    ASSERT_EQ(email.TagIds().size(), 2u);
    ASSERT_EQ(ftp.TagIds().size(), 2u);
    const std::uint32_t kept = a.UniqueId();
    b.Remove();
    (void)doc.RemoveObject(b);
    EXPECT_EQ(email.TagIds(), std::vector<std::uint32_t>{kept});
    EXPECT_EQ(ftp.TagIds(), std::vector<std::uint32_t>{kept});
    EXPECT_EQ(Saved(email)[76], 1);
    EXPECT_EQ(Saved(ftp)[74], 1);
}

TEST_F(EmailIcon, NetWithBothIconsSurvivesSaveAndReopen)
{
    BuildSmallNet(doc);
    PlaceTag("Flow", 0xFFFF);
    PlaceTag("Level", 0xFFFF);
    auto& email = PlaceConfigured();
    auto& ftp = Place<CFTPIcon>(doc, kDrop);
    ftp.SetTextBlock(0, "flow");
    ftp.SetTextBlock(1, "/data/plant");
    ftp.UpdateTagLists(CFTPIcon::kAssignmentBit);
    (void)email;

    auto path = Folder() / "reporting.nt3";
    ASSERT_TRUE(doc.SaveNetFile(true, path));
    const auto image = std::get<std::vector<std::uint8_t>>(doc.BuildSaveImage());
    CNetDoc reopened(services, factory);
    ASSERT_TRUE(reopened.OpenNetFile(false, true, path));
    EXPECT_EQ(std::get<std::vector<std::uint8_t>>(reopened.BuildSaveImage()), image);
    int found = 0;
    for (CCorvaneIcon* icon : reopened.Icons()) {
        if (const auto* back = dynamic_cast<CEmailIcon*>(icon)) {
            ++found;
            EXPECT_EQ(back->Content().message, "Level ^0 m, pump ^1 (100%)");
        } else if (const auto* ftpBack = dynamic_cast<CFTPIcon*>(icon)) {
            ++found;
            EXPECT_EQ(ftpBack->SelectTextBlock(1), "/data/plant");
            EXPECT_EQ(ftpBack->TagIds().size(), 2u);
        }
    }
    EXPECT_EQ(found, 2);
}

}  // namespace
}  // namespace c_email_icon_test
}  // namespace corvane
