#include "IconIndexCheck.h"
#include "NetDocTestSupport.h"

#include "base/AtomicFile.h"
#include "netdoc/COpaqueIcon.h"
#include "netimage/NetImage.h"

#include <gtest/gtest.h>

#include <fstream>

namespace corvane {
namespace c_net_doc_file_test {
namespace {

using test::NetDocTest;

std::vector<std::uint8_t> ReadAll(const std::filesystem::path& path) { return ReadWholeFile(path, 1 << 20).bytes; }

void WriteAll(const std::filesystem::path& path, std::span<const std::uint8_t> bytes)
{
    ASSERT_FALSE(WriteFileAtomically(path, bytes));
}

// A record of a type this program has no class for, with a fixed part of
// its own and one input link after it.
std::vector<std::uint8_t> ForeignRecord(std::uint16_t type, std::uint16_t id)
{
    std::vector<std::uint8_t> record(72 + 6 + 8 + 12, 0);
    record[0] = static_cast<std::uint8_t>(record.size());
    record[2] = static_cast<std::uint8_t>(id);
    record[4] = static_cast<std::uint8_t>(type);
    record[5] = static_cast<std::uint8_t>(type >> 8);
    record[10] = 1;
    record[11] = 1;
    const char name[] = "Foreign";
    std::copy(std::begin(name), std::end(name) - 1, record.begin() + 12);
    for (std::size_t i = 72; i < 78; ++i)
        record[i] = static_cast<std::uint8_t>(i);
    return record;
}

std::uint16_t IdOf(std::span<const std::uint8_t> record)
{
    return static_cast<std::uint16_t>(record[2] | record[3] << 8);
}

void PutU16(std::vector<std::uint8_t>& record, std::size_t offset, std::uint16_t value)
{
    record[offset] = static_cast<std::uint8_t>(value);
    record[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

class NetFile : public NetDocTest {
protected:
    std::vector<std::vector<std::uint8_t>> SavedRecords(CNetDoc& net)
    {
        std::vector<std::vector<std::uint8_t>> records;
        for (CCorvaneIcon* icon : net.OrderedList())
            records.push_back(std::get<std::vector<std::uint8_t>>(icon->StoreRecord(TransferMode::Save)));
        return records;
    }
    // The records of a net as a save writes them: Program icon, clock,
    // constant, gate, relay for the small net.
    std::vector<std::vector<std::uint8_t>> RecordsInSaveOrder(CNetDoc& net)
    {
        (void)net.BuildSaveImage();
        return SavedRecords(net);
    }
    std::filesystem::path WriteNet(std::string_view name, std::span<const std::vector<std::uint8_t>> records)
    {
        const auto path = Folder() / name;
        WriteAll(path, std::get<std::vector<std::uint8_t>>(BuildNetImage(records)));
        return path;
    }
    bool Open(CNetDoc& net, std::filesystem::path path) { return net.OpenNetFile(false, true, path); }
};

TEST_F(NetFile, SaveAndOpenKeepEveryIconProgramFirst)
{
    BuildSmallNet(doc);
    auto foreign = doc.CreateIcon(268, 0);
    ASSERT_TRUE(std::holds_alternative<std::size_t>(foreign->LoadRecord(ForeignRecord(268, 77))));
    CCorvaneIcon& kept = static_cast<CCorvaneIcon&>(doc.AddObject(std::move(foreign)));
    doc.MoveToFront(kept);  // the Program icon still comes first in the file

    const auto path = Folder() / "small.nt3";
    ASSERT_TRUE(doc.SaveNetFile(true, path));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(services.recent, std::vector<std::filesystem::path>{path});
    const auto saved = SavedRecords(doc);
    ASSERT_EQ(saved.size(), 6u);
    EXPECT_EQ(saved.front()[4], 1) << "Program icon first";

    CNetDoc reopened(services, factory);
    ASSERT_TRUE(Open(reopened, path));
    EXPECT_EQ(reopened.GetObjectCount(), 6);
    EXPECT_TRUE(test::IconIndexMatchesObjects(reopened));
    std::vector<std::uint8_t> reopenedImage = std::get<std::vector<std::uint8_t>>(reopened.BuildSaveImage());
    EXPECT_EQ(reopenedImage, ReadAll(path)) << "the same icons in the same order, byte for byte";
    const auto* opaque = dynamic_cast<COpaqueIcon*>(reopened.FindIconById(77));
    ASSERT_NE(opaque, nullptr);
    EXPECT_EQ(opaque->StoredRecord(), ForeignRecord(268, 77));
    // Links are live again: the relay's input ends at the gate's output.
    CCorvaneIcon* relay = reopened.Icons().back();
    for (CCorvaneIcon* icon : reopened.Icons())
        if (icon->TypeCode() == test::kTestRelayType)
            relay = icon;
    EXPECT_TRUE(relay->Input(0).HasLinkEnd());
}

TEST_F(NetFile, RefusedFilesLeaveTheOpenNetAlone)
{
    BuildSmallNet(doc);
    const auto path = Folder() / "good.nt3";
    ASSERT_TRUE(doc.SaveNetFile(true, path));
    const auto good = ReadAll(path);

    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
        std::string text;
        bool notice;
    };
    auto flipped = good;
    flipped[100] ^= 0x40;
    std::vector<std::uint8_t> tooShort(174, 0);
    tooShort[0] = 174;
    auto wrongLength = good;
    wrongLength[0] ^= 1;
    auto records = RecordsInSaveOrder(doc);
    PutU16(records[3], kIconUniqueIdOffset, IdOf(records[2]));
    const auto twoOfOneId = std::get<std::vector<std::uint8_t>>(BuildNetImage(records));
    const std::vector<Case> cases{
        {"length", wrongLength, "Not a valid net file\nFile size does not match expected size", false},
        {"same id twice", twoOfOneId, "Not a valid net file\nTwo icons have the id " + std::to_string(IdOf(records[2])),
            false},
        {"short", tooShort, "Not a valid net file\nCannot read program icon", false},
        {"crc", flipped, "CRC error: Program Net may not be correct.", true},
    };
    for (const Case& c : cases) {
        const auto bad = Folder() / "bad.nt3";
        WriteAll(bad, c.bytes);
        CNetDoc net(services, factory);
        PlaceProgram(net);
        net.SetModified(false);
        services.notices.clear();
        Prompts().messageBoxes.clear();
        EXPECT_FALSE(Open(net, bad)) << c.what;
        EXPECT_EQ(net.GetObjectCount(), 1) << c.what;
        if (c.notice) {
            ASSERT_EQ(services.notices.size(), 1u) << c.what;
            EXPECT_EQ(services.notices[0].first, c.text);
            EXPECT_EQ(services.notices[0].second, NetNoticeCaption::OpenFile);
        } else {
            ASSERT_EQ(Prompts().messageBoxes.size(), 1u) << c.what;
            EXPECT_EQ(Prompts().messageBoxes[0].text, c.text);
        }
    }
}

TEST_F(NetFile, ADamagedRecordRefusesTheWholeFile)
{
    BuildSmallNet(doc);
    (void)doc.BuildSaveImage();
    auto records = SavedRecords(doc);
    records[2][10] = 9;  // the clock claims nine inputs its record does not hold
    const auto image = std::get<std::vector<std::uint8_t>>(BuildNetImage(records));
    const auto path = Folder() / "damaged.nt3";
    WriteAll(path, image);
    CNetDoc net(services, factory);
    EXPECT_FALSE(Open(net, path));
    ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_EQ(Prompts().messageBoxes[0].text.rfind("Not a valid net file\nDamaged icon record at offset ", 0), 0u)
        << Prompts().messageBoxes[0].text;
    EXPECT_EQ(net.GetObjectCount(), 0);
}

TEST_F(NetFile, OtherExtensionsAndMissingFilesAreNoticed)
{
    std::filesystem::path text = Folder() / "net.txt";
    EXPECT_FALSE(doc.OpenNetFile(false, true, text));
    std::filesystem::path missing = Folder() / "missing.nt3";
    EXPECT_FALSE(doc.OpenNetFile(false, true, missing));
    ASSERT_EQ(services.notices.size(), 2u);
    EXPECT_EQ(services.notices[0].first, "*.txt file cannot be opened as Program Net");
    EXPECT_EQ(services.notices[1].first, missing.string() + " File Could Not be Opened");
}

TEST_F(NetFile, SavingRefusesEmptyAndOversizedNetsAndKeepsTheOldFile)
{
    const auto path = Folder() / "kept.nt3";
    EXPECT_FALSE(doc.SaveNetFile(true, path));
    EXPECT_EQ(services.notices.back().first, "Net contains no icons and can not be saved");

    BuildSmallNet(doc);
    ASSERT_TRUE(doc.SaveNetFile(true, path));
    const auto before = ReadAll(path);
    for (int i = 0; i < 800; ++i)
        test::Place<test::SourceIcon>(doc, test::kTestConstType, 10 * i, 300);
    EXPECT_FALSE(doc.SaveNetFile(true, path));
    EXPECT_EQ(services.notices.back().first, "Program net size exceeds maximum limit");
    EXPECT_EQ(services.notices.back().second, NetNoticeCaption::SaveFile);
    EXPECT_EQ(ReadAll(path), before);
}

TEST_F(NetFile, SavingAsQuvHandsTheNetToTheConversion)
{
    BuildSmallNet(doc);
    EXPECT_TRUE(doc.SaveNetFile(true, Folder() / "net.quv"));
    EXPECT_EQ(services.converted.size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(Folder() / "net.quv"));
    EXPECT_TRUE(doc.SaveNetFile(true, Folder() / "net.QUV"));
    EXPECT_EQ(services.converted.size(), 2u) << "the extension in any case converts";
    EXPECT_FALSE(std::filesystem::exists(Folder() / "net.QUV"));
}

TEST_F(NetFile, TheProgramIconComesFirstAndKeepsNoLinksSoASavedNetOpensAgain)
{
    BuildSmallNet(doc);
    auto records = RecordsInSaveOrder(doc);
    ASSERT_EQ(records.size(), 5u);
    PutU16(records[0], kIconTriggerLinkOffset, IdOf(records[4]));
    PutU16(records[0], kIconEnableLinkOffset, IdOf(records[1]));
    const auto linked = WriteNet("linked.nt3", records);

    CNetDoc net(services, factory);
    ASSERT_TRUE(Open(net, linked));
    EXPECT_FALSE(net.ProgramIcon()->RecordLink(kTriggerSlot)->IsConnected());
    EXPECT_FALSE(net.ProgramIcon()->RecordLink(kEnableSlot)->IsConnected());
    // Links made on the open net do not move the Program icon from the head either.
    net.ProgramIcon()->RecordLink(kTriggerSlot)->sourceId = IdOf(records[4]);
    const auto saved = Folder() / "saved.nt3";
    ASSERT_TRUE(net.SaveNetFile(true, saved));
    CNetDoc reopened(services, factory);
    EXPECT_TRUE(Open(reopened, saved)) << (Prompts().messageBoxes.empty() ? "" : Prompts().messageBoxes[0].text);
    EXPECT_EQ(reopened.GetObjectCount(), 5);
}

TEST_F(NetFile, ASaveThatWouldNotOpenAgainIsRefusedAndKeepsTheOldFile)
{
    BuildSmallNet(doc);
    const auto path = Folder() / "kept.nt3";
    ASSERT_TRUE(doc.SaveNetFile(true, path));
    const auto before = ReadAll(path);
    const std::vector<CCorvaneIcon*> icons = doc.Icons();
    icons[3]->SetUniqueId(icons[2]->UniqueId());
    services.notices.clear();
    EXPECT_FALSE(doc.SaveNetFile(true, path));
    ASSERT_EQ(services.notices.size(), 1u);
    EXPECT_NE(services.notices[0].first.find("would not open again"), std::string::npos) << services.notices[0].first;
    EXPECT_NE(services.notices[0].first.find("Two icons have the id " + std::to_string(icons[2]->UniqueId())),
        std::string::npos)
        << services.notices[0].first;
    EXPECT_EQ(services.notices[0].second, NetNoticeCaption::SaveFile);
    EXPECT_EQ(ReadAll(path), before);
}

TEST_F(NetFile, ARefusedFileLeavesTheHardwareQueryOfTheOpenNetAlone)
{
    IconFactory withChannels = test::TestFactory();
    withChannels.Register(32, [](std::uint16_t) { return std::make_unique<test::SourceIcon>(32); });
    CNetDoc source(services, withChannels);
    BuildSmallNet(source);
    test::Place<test::SourceIcon>(source, 32, 500, 500).value = 0x00080003;  // module 3, channel 0, mA
    auto records = RecordsInSaveOrder(source);
    ASSERT_EQ(RecordTypeCode(records.back()), 32);
    std::rotate(records.begin() + 1, records.end() - 1, records.end());  // the channel right after the Program icon
    records.back()[10] = 9;  // a later record claims inputs it does not hold
    const auto path = WriteNet("refused.nt3", records);

    CNetDoc net(services, withChannels);
    PlaceProgram(net);
    net.GetHardwarePoll().SetModuleMask(0x0001);
    EXPECT_FALSE(Open(net, path));
    EXPECT_EQ(net.GetHardwarePoll().GetModuleMask(), 0x0001);
    EXPECT_EQ(net.GetHardwarePoll().GetModuleValue(3), 0);
    EXPECT_EQ(net.GetObjectCount(), 1);
}

TEST_F(NetFile, ALinkFromNoIconIsDroppedOnOpeningAndTheCheckSaysSo)
{
    BuildSmallNet(doc);
    auto records = RecordsInSaveOrder(doc);
    // The gate's second input (after its one-byte fixed part and its first
    // input's link) comes from the constant; it is made to come from id 99.
    constexpr std::size_t kSecondInputLink = kIconRecordHeaderSize + 1 + kInputLinkSize;
    ASSERT_EQ(RecordTypeCode(records[3]), test::kTestGateType);
    ASSERT_EQ(IdOf(std::span(records[3]).subspan(kSecondInputLink - 2)), IdOf(records[2]));
    PutU16(records[3], kSecondInputLink, 99);
    const auto path = WriteNet("dangling.nt3", records);

    CNetDoc net(services, factory);
    ASSERT_TRUE(Open(net, path));
    CCorvaneIcon* gate = net.FindIconById(IdOf(records[3]));
    ASSERT_NE(gate, nullptr);
    EXPECT_FALSE(gate->GetInputLinks()[1].IsConnected());
    std::vector<std::string> messages;
    (void)net.CompileNet(messages, Folder() / "out.quv", CompileMode::CheckOnly);
    EXPECT_NE(std::find(messages.begin(), messages.end(), "'And' Icon Data Input is not connected."), messages.end());
}

TEST_F(NetFile, ADownloadedNetIsQueriedAndItsRawFileDeleted)
{
    BuildSmallNet(doc);
    const auto download = Folder() / std::string(CNetDoc::kDownloadFileName);
    ASSERT_TRUE(doc.SaveNetFile(true, Folder() / "x.nt3"));
    WriteAll(download, ReadAll(Folder() / "x.nt3"));
    CNetDoc net(services, factory);
    std::filesystem::path path;
    ASSERT_TRUE(net.OpenNetFile(true, false, path));
    EXPECT_EQ(services.queries, 1);
    EXPECT_FALSE(std::filesystem::exists(download));
    EXPECT_EQ(net.PathName().extension(), ".nt3");
}

TEST_F(NetFile, TheSaveQuestionNamesTheNet)
{
    BuildSmallNet(doc);
    doc.SetTitle("Pumps");
    doc.SetModified(true);
    Prompts().messageBoxAnswers = {kIdCancel, kIdNo};
    EXPECT_FALSE(doc.SaveModified());
    EXPECT_EQ(doc.SaveQuestionOutcome(), 2);
    EXPECT_EQ(Prompts().messageBoxes[0].text,
        "Would you like to save the changes made to the currently open Net (Pumps.nt3) first?");
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_EQ(doc.SaveQuestionOutcome(), 0);
}

}  // namespace
}  // namespace c_net_doc_file_test
}  // namespace corvane
