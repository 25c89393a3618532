#include "icons/reporting/CModbusServerIcon.h"

#include "EditorTestSupport.h"
#include "NetViewTestSupport.h"
#include "ReportingIconTestSupport.h"
#include "TestOutput.h"

#include "base/AtomicFile.h"
#include "icons/reporting/ModbusIconWord.h"
#include "icons/reporting/RegisterReportingPalette.h"
#include "netdoc/CNetView.h"
#include "netdoc/ModbusIconFile.h"
#include "res/ResourceIds.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace corvane {
namespace c_modbus_server_icon_test {
namespace {

using test::Link;
using test::Place;
using test::RecordBytes;

constexpr Rect kDrop{100, 100, 132, 132};

class ModbusServerRecords : public test::ReportingNetTest {};

TEST_F(ModbusServerRecords, PlacedIconReadsHoldingRegister40001OverRtu)
{
    auto& server = Place<CModbusServerIcon>(doc, kDrop);
    EXPECT_EQ(server.Name(), "R/W Modbus Reg");
    EXPECT_EQ(server.BitmapId(), res::kBitmapModbusRegister);
    EXPECT_FALSE(server.IsWriteMode());
    EXPECT_EQ(server.TotalInputs(), 0);
    EXPECT_EQ(server.OutputCount(), 1);
    EXPECT_TRUE(server.TriggerInput().IsActive());
    EXPECT_TRUE(server.EnableInput().IsActive());
    EXPECT_EQ(server.Output(0).GetDataType(), data_type::kData);
    RecordBytes expected;
    expected.Header(100, server.UniqueId(), 7, static_cast<std::uint16_t>(server.Header().x),
        static_cast<std::uint16_t>(server.Header().y), 0, 1, "R/W Modbus Reg");
    expected.U16(0x1030).U32(0).U16(1).U16(502).U32(0);
    expected.Output(2).U8(0).U8(0);
    EXPECT_EQ(Saved(server), expected.Bytes());
}

TEST_F(ModbusServerRecords, RecordKeepsEveryFieldAndBothTexts)
{
    auto& server = Place<CModbusServerIcon>(doc, kDrop);
    server.SetIconWord(0x106D);
    server.SetRegisterOffset(70000);
    server.SetDeviceAddress(247);
    server.SetPort(1023);
    server.SetServerAddress(0x0A000001);
    server.SetNote("Pump speed");
    server.SetServerText("10.0.0.1");
    const auto saved = Saved(server);
    ASSERT_EQ(saved.size(), 86u + 12u + 11u + 9u);
    EXPECT_EQ(std::vector<std::uint8_t>(saved.begin() + 72, saved.begin() + 86),
        RecordBytes().U16(0x106D).U32(70000).U16(247).U16(1023).U32(0x0A000001).Bytes());
    EXPECT_EQ(std::string(saved.begin() + 98, saved.end()),
        std::string("Pump speed\0"
                    "10.0.0.1\0",
            20));
    const auto loaded = Load(saved);
    auto* copy = dynamic_cast<CModbusServerIcon*>(loaded.get());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Note(), "Pump speed");
    EXPECT_EQ(copy->ServerText(), "10.0.0.1");
    EXPECT_EQ(copy->BitmapId(), res::kBitmapModbusRegisterTcp) << "the TCP picture follows the icon word";
    EXPECT_EQ(copy->ModbusModeWord(), 0x106D);
    EXPECT_EQ(Saved(*copy), saved);

    server.SetNote(std::string(100, 'n'));
    EXPECT_EQ(server.Note().size(), CModbusServerIcon::kTextLimit);
}

TEST_F(ModbusServerRecords, RefusesRecordsWithTheWrongConnectorsOrCutShort)
{
    auto& server = Place<CModbusServerIcon>(doc, kDrop);
    server.SetNote("n");
    const auto saved = Saved(server);
    for (std::size_t cut = 6; cut < saved.size(); ++cut)
        EXPECT_EQ(
            Load(std::vector<std::uint8_t>(saved.begin(), saved.begin() + static_cast<std::ptrdiff_t>(cut))), nullptr)
            << cut;
    // Read mode's one output, made two outputs or no connector at all.
    for (const std::uint8_t outputs : {std::uint8_t{0}, std::uint8_t{2}}) {
        auto damaged = saved;
        damaged[11] = outputs;
        if (outputs == 2)
            damaged.insert(damaged.begin() + 98, 12, 0);
        else
            damaged.erase(damaged.begin() + 86, damaged.begin() + 98);
        damaged[0] = static_cast<std::uint8_t>(damaged.size());
        EXPECT_EQ(Load(damaged), nullptr) << int{outputs};
    }
}

TEST_F(ModbusServerRecords, ModeAndKindDecideTheConnectors)
{
    struct Case {
        const char* name;
        std::uint16_t word;
        bool write;
        bool writes;  // the mode the icon takes
        int dataType;
        bool trigger;
    };
    const std::vector<Case> cases{
        {"holding register read", 0x1030, false, false, data_type::kData, true},
        {"holding register written on change", 0x1030, true, true, data_type::kData, false},
        {"holding register written on trigger", 0x10B0, true, true, data_type::kData, true},
        {"coil written on change", 0x1000, true, true, data_type::kLogic, false},
        {"contact stays read", 0x1010, true, false, data_type::kLogic, true},
        {"input register stays read", 0x1020, true, false, data_type::kData, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto& server = Place<CModbusServerIcon>(doc, kDrop);
        server.SetIconWord(c.word);
        server.SetMode(c.write);
        EXPECT_EQ(server.IsWriteMode(), c.writes);
        EXPECT_EQ(server.InputCount(), c.writes ? 1 : 0);
        EXPECT_EQ(server.OutputCount(), c.writes ? 0 : 1);
        EXPECT_EQ(server.TriggerInput().IsActive(), c.trigger);
        const auto saved = Saved(server);
        const std::uint8_t flags = c.dataType == data_type::kLogic ? 0 : 2;
        if (c.writes) {
            EXPECT_EQ(server.Input(0).GetDataType() & 3, c.dataType);
            EXPECT_EQ(saved.at(86 + 3), flags) << "the input link's flags";
        } else {
            EXPECT_EQ(server.Output(0).GetDataType() & 3, c.dataType);
            EXPECT_EQ(saved.at(86 + 11), flags) << "the output entry's byte 11";
        }
        const auto loaded = Load(saved);
        ASSERT_NE(loaded, nullptr);
        EXPECT_EQ(Saved(*loaded), saved);
        EXPECT_EQ(loaded->TriggerInput().IsActive(), c.trigger);
    }
}

TEST_F(ModbusServerRecords, ConnectionCheckAsksForTheModesLinks)
{
    auto& reader = Place<CModbusServerIcon>(doc, kDrop);
    bool isolated = false;
    EXPECT_EQ(reader.CheckIconConnections(isolated), missing_connection::kIsolated);
    EXPECT_TRUE(isolated);
    auto& fed = Place<test::GateIcon>(doc, 300, 100, 2, test::kTestGateType);
    Link(reader, 0, fed, 0);
    EXPECT_EQ(reader.CheckIconConnections(isolated), missing_connection::kTriggerInput);
    auto& writer = Place<CModbusServerIcon>(doc, kDrop);
    writer.SetMode(true);
    auto& source = Place<test::SourceIcon>(doc, test::kTestConstType, 10, 10);
    Link(source, 0, writer, 0);
    EXPECT_EQ(writer.CheckIconConnections(isolated), 0);
    EXPECT_FALSE(isolated);
}

TEST_F(ModbusServerRecords, SavedIconFileHoldsTheVersionWordAndTheRecord)
{
    auto& server = Place<CModbusServerIcon>(doc, kDrop);
    server.SetNote("odd");
    const auto record = Saved(server);
    const auto file = BuildModbusIconFile(record);
    ASSERT_EQ(file.size(), record.size() + 2);
    EXPECT_EQ(file[0], 0x01);
    EXPECT_EQ(file[1], 0x01);
    const auto parsed = ParseModbusIconFile(file);
    ASSERT_TRUE(std::holds_alternative<std::span<const std::uint8_t>>(parsed));
    const auto span = std::get<std::span<const std::uint8_t>>(parsed);
    EXPECT_EQ(std::vector<std::uint8_t>(span.begin(), span.end()), record);
    const auto loaded = Load(record);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(BuildModbusIconFile(Saved(*loaded)), file) << "byte for byte";
}

TEST_F(ModbusServerRecords, NetFileKeepsTheIconItsTextsAndItsLinks)
{
    PlaceProgram(doc);
    auto& source = Place<test::SourceIcon>(doc, test::kTestConstType, 10, 10);
    auto& writer = Place<CModbusServerIcon>(doc, kDrop);
    writer.SetIconWord(0x10B0);
    writer.SetMode(true);
    writer.SetNote("Valve");
    Link(source, 0, writer, 0);
    Link(source, 0, writer, kTriggerSlot);
    const auto image = doc.BuildSaveImage();
    const auto* bytes = std::get_if<std::vector<std::uint8_t>>(&image);
    ASSERT_NE(bytes, nullptr);
    test::FakeNetServices otherServices;
    CNetDoc other(otherServices, factory);
    ASSERT_FALSE(other.LoadNetImage(*bytes, false).has_value());
    auto* loaded = dynamic_cast<CModbusServerIcon*>(other.FindIconById(writer.UniqueId()));
    ASSERT_NE(loaded, nullptr);
    EXPECT_TRUE(loaded->IsWriteMode());
    EXPECT_EQ(loaded->Note(), "Valve");
    EXPECT_EQ(loaded->GetInputLinks()[0].sourceId, source.UniqueId());
    EXPECT_EQ(Saved(*loaded), Saved(writer));
}

// A net view over a net whose factory knows the reporting icons.
class ModbusImport : public test::EditorTest {
protected:
    ModbusImport()
    {
        makeDocument = [this] { return std::make_unique<CNetDoc>(netServices, factory); };
        makeView
            = [this](EditorEnvironment& environment) { return std::make_unique<CNetView>(environment, viewServices); };
        folder_ = test::OutputFolder()
            / ("corvane-modbus-import-" + std::to_string(::getpid()) + "-"
                + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder_);
        netServices.modbusFolder = folder_;
    }
    ~ModbusImport() override { std::filesystem::remove_all(folder_); }
    CNetView& Net() { return dynamic_cast<CNetView&>(View()); }
    CNetDoc& NetDoc() { return dynamic_cast<CNetDoc&>(Doc()); }
    const std::filesystem::path& Folder() const { return folder_; }

    // A configured write-mode icon of another net, saved as a file.
    std::filesystem::path SaveIconOfAnotherNet(const std::string& name, std::vector<std::uint8_t>* record)
    {
        test::FakeNetServices services;
        CNetDoc other(services, factory);
        auto& source = Place<test::SourceIcon>(other, test::kTestConstType, 10, 10);
        auto& server = Place<CModbusServerIcon>(other, kDrop);
        server.SetIconWord(0x10F8);
        server.SetRegisterOffset(41);
        server.SetDeviceAddress(17);
        server.SetMode(true);
        server.SetNote("Setpoint");
        Link(source, 0, server, 0);
        Link(source, 0, server, kTriggerSlot);
        auto stored = server.StoreRecord(TransferMode::Save);
        *record = std::get<std::vector<std::uint8_t>>(stored);
        const auto path = folder_ / name;
        EXPECT_FALSE(WriteFileAtomically(path, BuildModbusIconFile(*record)));
        return path;
    }

    test::FakeNetServices netServices;
    IconFactory factory = test::ReportingIconFactory();
    test::FakeNetViewServices viewServices;

private:
    std::filesystem::path folder_;
};

TEST_F(ModbusImport, ASavedIconJoinsTheNetUnderANewIdWithoutItsLinks)
{
    std::vector<std::uint8_t> record;
    const auto path = SaveIconOfAnotherNet("setpoint.mbi", &record);
    const auto here = Place<test::SourceIcon>(NetDoc(), test::kTestConstType, 10, 10).UniqueId();
    Prompts().fileDialogAnswers.push_back(FileDialogResult{{path.string()}, 1, {}});
    EXPECT_TRUE(Net().QueryCommand(CNetView::kAddSavedIconsCommand).IsEnabled());
    Net().RouteCommand(CNetView::kAddSavedIconsCommand);

    ASSERT_EQ(Prompts().fileDialogs.size(), 1u);
    EXPECT_EQ(Prompts().fileDialogs[0].folder, Folder().string());
    EXPECT_EQ(Prompts().fileDialogs[0].filter, "Modbus Icon Files (*.mbi)| *.mbi||");
    EXPECT_TRUE(Prompts().fileDialogs[0].multiSelect);
    EXPECT_TRUE(Prompts().messageBoxes.empty());
    const auto icons = NetDoc().Icons();
    ASSERT_EQ(icons.size(), 2u);
    auto* imported = dynamic_cast<CModbusServerIcon*>(icons[1]);
    ASSERT_NE(imported, nullptr);
    EXPECT_NE(imported->UniqueId(), here);
    EXPECT_NE(imported->UniqueId(), 0);
    EXPECT_EQ(imported->SavedFileName(), "setpoint.mbi");
    EXPECT_EQ(netServices.modbusFolder, Folder());
    EXPECT_TRUE(NetDoc().IsModified());
    // The settings are the saved ones; only the id and the links differ.
    EXPECT_EQ(imported->IconWord(), 0x10F8);
    EXPECT_EQ(imported->RegisterOffset(), 41u);
    EXPECT_EQ(imported->DeviceAddress(), 17);
    EXPECT_EQ(imported->Note(), "Setpoint");
    EXPECT_TRUE(imported->IsWriteMode());
    EXPECT_FALSE(imported->GetInputLinks()[0].IsConnected());
    EXPECT_FALSE(imported->Header().trigger.IsConnected());
    auto stored = imported->StoreRecord(TransferMode::Save);
    auto mine = std::get<std::vector<std::uint8_t>>(stored);
    ASSERT_EQ(mine.size(), record.size());
    for (const std::size_t at : {2u, 3u, 36u, 37u, 86u, 87u})
        mine[at] = record[at];
    EXPECT_EQ(mine, record);
}

TEST_F(ModbusImport, DamagedOrForeignFilesAreRefusedByNameAndAddNothing)
{
    std::vector<std::uint8_t> record;
    const auto good = SaveIconOfAnotherNet("good.mbi", &record);
    auto file = BuildModbusIconFile(record);
    struct Case {
        std::string name;
        std::vector<std::uint8_t> bytes;
    };
    std::vector<Case> cases{{"short.mbi", std::vector<std::uint8_t>(file.begin(), file.end() - 2)}, {"long.mbi", file},
        {"version.mbi", file}, {"type.mbi", file}, {"empty.mbi", {}}};
    cases[1].bytes.push_back(0);
    cases[1].bytes.push_back(0);
    cases[2].bytes[0] = 2;
    cases[3].bytes[2 + 4] = 5;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Prompts().messageBoxes.clear();
        const auto path = Folder() / c.name;
        ASSERT_FALSE(WriteFileAtomically(path, c.bytes));
        EXPECT_FALSE(Net().AddSavedIcon(path));
        ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
        EXPECT_NE(Prompts().messageBoxes[0].text.find(path.string()), std::string::npos)
            << Prompts().messageBoxes[0].text;
        EXPECT_TRUE(NetDoc().Icons().empty());
    }
    Prompts().messageBoxes.clear();
    EXPECT_FALSE(Net().AddSavedIcon(Folder() / "missing.mbi"));
    EXPECT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_TRUE(Net().AddSavedIcon(good));
    EXPECT_EQ(NetDoc().Icons().size(), 1u);
}

TEST_F(ModbusImport, AddNewIconPlacesTheRemoteRegisterIconWhenTheLoggerIsAMaster)
{
    RegisterReportingPaletteIcons(Environment().makers, nullptr);
    EXPECT_TRUE(Net().QueryCommand(CNetView::kAddNewIconCommand).IsEnabled());
    Net().RouteCommand(CNetView::kAddNewIconCommand);
    ASSERT_FALSE(Prompts().messageBoxes.empty());
    EXPECT_EQ(Prompts().messageBoxes.back().text,
        "Either the Modbus RTU Master function or TCP Client function must be enabled to use this icon in a program "
        "net.");
    EXPECT_TRUE(NetDoc().Icons().empty());
    Environment().configWord = 0x8000;
    Net().RouteCommand(CNetView::kAddNewIconCommand);
    const auto icons = NetDoc().Icons();
    ASSERT_EQ(icons.size(), 1u);
    EXPECT_NE(dynamic_cast<CModbusServerIcon*>(icons[0]), nullptr);
    EXPECT_TRUE(icons[0]->Position().Contains({200, 200}));
}

}  // namespace
}  // namespace c_modbus_server_icon_test
}  // namespace corvane
