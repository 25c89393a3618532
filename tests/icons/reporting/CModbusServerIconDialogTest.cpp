#include "icons/reporting/CModbusServerIconDialog.h"

#include "ModalDriver.h"
#include "ReportingIconTestSupport.h"
#include "TestOutput.h"

#include "base/AtomicFile.h"
#include "icons/reporting/CModbusServerIcon.h"
#include "icons/reporting/ModbusIconWord.h"
#include "netdoc/ModbusIconFile.h"
#include "platform/ButtonControl.h"
#include "res/ResourceIds.h"

#include <gtest/gtest.h>

#include <functional>

namespace corvane {
namespace c_modbus_server_icon_dialog_test {
namespace {

using test::Link;
using test::Place;

constexpr Rect kDrop{100, 100, 132, 132};

class ModbusServerDialog : public test::ReportingNetTest {
protected:
    ModbusServerDialog() { services.modbusFolder = Folder(); }

    static void Click(Dialog& d, int id) { d.GetControlAs<ButtonControl>(id)->Click(); }
    static bool IsChecked(Dialog& d, int id) { return d.GetControlAs<ButtonControl>(id)->GetCheck() == 1; }
    static bool IsEnabled(Dialog& d, int id) { return d.GetControl(id)->IsEnabled(); }
    static bool IsShown(Dialog& d, int id) { return d.GetControl(id)->IsVisible(); }
    static std::string Text(Dialog& d, int id) { return d.GetControl(id)->GetText(); }
    static void SetText(Dialog& d, int id, std::string_view text) { d.GetControl(id)->SetText(text); }

    bool Open(CModbusServerIcon& icon, const std::function<void(CModbusServerIconDialog&)>& drive)
    {
        CModbusServerIconDialog dialog(icon);
        test::ModalDriver driver(dialog, [&] { drive(dialog); });
        return dialog.RunModal();
    }
    std::vector<std::uint8_t> FileOf(CModbusServerIcon& icon) { return BuildModbusIconFile(Saved(icon)); }
    static std::vector<std::uint8_t> Read(const std::filesystem::path& path)
    {
        return ReadWholeFile(path, kModbusIconFileMaxBytes).bytes;
    }
};

TEST_F(ModbusServerDialog, ANewIconShowsHoldingRegister40001ReadOverRtu)
{
    auto& server = Place<CModbusServerIcon>(doc, kDrop);
    EXPECT_FALSE(Open(server, [&](CModbusServerIconDialog& d) {
        EXPECT_EQ(Text(d, res::kIdcMbAddress), "40001");
        EXPECT_EQ(Text(d, res::kIdcMbType), "Holding Reg");
        EXPECT_TRUE(IsChecked(d, res::kIdcMbRtu));
        EXPECT_EQ(Text(d, res::kIdcMbDevice), "1");
        EXPECT_EQ(Text(d, res::kIdcMbPort), "502");
        EXPECT_TRUE(IsChecked(d, res::kIdcMbRead));
        EXPECT_TRUE(IsChecked(d, res::kIdcMbInt16));
        EXPECT_TRUE(IsChecked(d, res::kIdcMbUnsigned));
        EXPECT_EQ(Text(d, res::kIdcMbDeviceLabel), "RTU Device Address");
        EXPECT_EQ(d.Title(), "Read Modbus Slave register");
        // Without network features the TCP choices are hidden.
        for (const int id :
            {res::kIdcMbTcp, res::kIdcMbServer, res::kIdcMbServerLabel, res::kIdcMbPort, res::kIdcMbPortLabel})
            EXPECT_FALSE(IsShown(d, id)) << id;
        EXPECT_FALSE(IsEnabled(d, res::kIdcMbTest)) << "testing through the logger is not offered";
        Click(d, kIdCancel);
    }));
}

TEST_F(ModbusServerDialog, AddressTextSetsTheKindAndRefusesBadTexts)
{
    auto& server = Place<CModbusServerIcon>(doc, kDrop);
    EXPECT_FALSE(Open(server, [&](CModbusServerIconDialog& d) {
        SetText(d, res::kIdcMbAddress, "10001");
        EXPECT_EQ(Text(d, res::kIdcMbType), "Contact");
        EXPECT_FALSE(IsEnabled(d, res::kIdcMbWrite));
        EXPECT_TRUE(IsChecked(d, res::kIdcMbRead));
        EXPECT_TRUE(IsChecked(d, res::kIdcMbHighLow));
        EXPECT_FALSE(IsEnabled(d, res::kIdcMbInt16));
        SetText(d, res::kIdcMbAddress, "4000");
        EXPECT_TRUE(Prompts().messageBoxes.empty()) << "four characters are not judged yet";
        SetText(d, res::kIdcMbAddress, "20001");
        ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
        EXPECT_EQ(Prompts().messageBoxes[0].text, kAddressFormatText);
        SetText(d, res::kIdcMbAddress, "465537");
        ASSERT_EQ(Prompts().messageBoxes.size(), 2u);
        EXPECT_EQ(Prompts().messageBoxes[1].text, kAddressNumberText);
        // OK with a refused text keeps the dialog open and the icon as it was.
        Click(d, kIdOk);
        EXPECT_TRUE(d.IsOpen());
        SetText(d, res::kIdcMbAddress, "410000");
        EXPECT_EQ(Text(d, res::kIdcMbType), "Holding Reg");
        EXPECT_TRUE(IsEnabled(d, res::kIdcMbWrite));
        Click(d, kIdCancel);
    }));
    EXPECT_EQ(server.RegisterOffset(), 0u);
    EXPECT_TRUE(Open(server, [&](CModbusServerIconDialog& d) {
        SetText(d, res::kIdcMbAddress, "410000");
        Click(d, kIdOk);
    }));
    EXPECT_EQ(server.RegisterOffset(), 9999u);
    EXPECT_EQ(server.IconWord(), 0x1030);
}

TEST_F(ModbusServerDialog, BitFieldMapAndPlacement)
{
    auto& server = Place<CModbusServerIcon>(doc, kDrop);
    EXPECT_TRUE(Open(server, [&](CModbusServerIconDialog& d) {
        Click(d, res::kIdcMbBitField);
        SetText(d, res::kIdcMbBitStart, "12");
        SetText(d, res::kIdcMbBitWidth, "4");
        EXPECT_EQ(Text(d, res::kIdcMbBitMap), ModbusBitMapText(12, 4));
        EXPECT_EQ(Text(d, res::kIdcMbBitMapNote), "Output is an integer\nbetween 0 and 15");
        EXPECT_TRUE(IsShown(d, res::kIdcMbBitMapNote));
        SetText(d, res::kIdcMbBitWidth, "5");
        EXPECT_EQ(Text(d, res::kIdcMbBitMap), "");
        EXPECT_FALSE(IsShown(d, res::kIdcMbBitMapNote));
        Click(d, kIdOk);
        EXPECT_TRUE(d.IsOpen());
        ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
        EXPECT_EQ(Prompts().messageBoxes[0].text, kBitFieldPlacementText);
        SetText(d, res::kIdcMbBitWidth, "4");
        Click(d, kIdOk);
    }));
    EXPECT_EQ(server.IconWord(), 0x4C31);
    // A 32-bit format has no bit field: the sign goes back to unsigned.
    EXPECT_TRUE(Open(server, [&](CModbusServerIconDialog& d) {
        EXPECT_TRUE(IsChecked(d, res::kIdcMbBitField));
        Click(d, res::kIdcMbInt32);
        EXPECT_TRUE(IsChecked(d, res::kIdcMbUnsigned));
        EXPECT_FALSE(IsEnabled(d, res::kIdcMbBitField));
        Click(d, res::kIdcMbMsbFirst);
        Click(d, kIdOk);
    }));
    EXPECT_EQ(server.IconWord(), 0x4C35);
}

TEST_F(ModbusServerDialog, SwitchingToWriteModeUnlinksEveryConnection)
{
    services.capabilityByte = 1;
    auto& source = Place<test::SourceIcon>(doc, test::kTestConstType, 10, 10);
    auto& reader = Place<CModbusServerIcon>(doc, kDrop);
    auto& fed = Place<test::GateIcon>(doc, 300, 100, 2, test::kTestGateType);
    Link(source, 0, reader, kTriggerSlot);
    Link(reader, 0, fed, 0);
    EXPECT_TRUE(Open(reader, [&](CModbusServerIconDialog& d) {
        EXPECT_TRUE(d.SaveImage(test::OutputFile("modbus-remote-register-read.png").string()));
        Click(d, res::kIdcMbWrite);
        EXPECT_EQ(d.Title(), "Write Modbus Slave register");
        EXPECT_TRUE(IsEnabled(d, res::kIdcMbOnChange));
        EXPECT_FALSE(IsEnabled(d, CIconDialog::kIdcUnits));
        Click(d, res::kIdcMbTcp);
        EXPECT_EQ(d.Title(), "Write Modbus Server register");
        EXPECT_EQ(Text(d, res::kIdcMbDeviceLabel), "TCP Unit ID");
        SetText(d, res::kIdcMbServer, "10.0.0.1");
        EXPECT_TRUE(d.SaveImage(test::OutputFile("modbus-remote-register-write.png").string()));
        Click(d, kIdOk);
    }));
    EXPECT_TRUE(reader.IsWriteMode());
    EXPECT_FALSE(reader.Header().trigger.IsConnected());
    EXPECT_TRUE(reader.FindInputsLinkedToIcon().empty());
    EXPECT_FALSE(reader.TriggerInput().IsActive()) << "written when the input changes";
    EXPECT_EQ(reader.ServerAddress(), 0x0A000001u);
    EXPECT_EQ(reader.BitmapId(), res::kBitmapModbusRegisterTcp);
    EXPECT_EQ(reader.Name(), "R/W Server Reg");
    EXPECT_EQ(reader.IconWord() & (modbus_word::kTcp | modbus_word::kOutputOnTrigger), modbus_word::kTcp);

    EXPECT_TRUE(Open(reader, [&](CModbusServerIconDialog& d) {
        EXPECT_TRUE(IsChecked(d, res::kIdcMbWrite));
        EXPECT_TRUE(IsChecked(d, res::kIdcMbTcp));
        SetText(d, res::kIdcMbServer, "10.0.0.300");
        Click(d, kIdOk);
    }));
    EXPECT_EQ(reader.ServerAddress(), 0u);
    EXPECT_EQ(reader.ServerText(), "10.0.0.300");
}

TEST_F(ModbusServerDialog, AStoredTcpIconStaysTcpWhereTheChoiceIsHidden)
{
    auto& server = Place<CModbusServerIcon>(doc, kDrop);
    server.SetIconWord(0x1070);
    server.SetServerText("10.0.0.2");
    EXPECT_TRUE(Open(server, [&](CModbusServerIconDialog& d) {
        EXPECT_FALSE(IsShown(d, res::kIdcMbTcp));
        EXPECT_EQ(d.Title(), "Read Modbus Server register");
        Click(d, kIdOk);
    }));
    EXPECT_EQ(server.IconWord(), 0x1070);
    EXPECT_EQ(server.ServerAddress(), 0x0A000002u);
}

TEST_F(ModbusServerDialog, SaveAsWritesTheAppliedIconAndSaveReusesItsFile)
{
    auto& server = Place<CModbusServerIcon>(doc, kDrop);
    const auto path = Folder() / "pump.mbi";
    Prompts().fileDialogAnswers.push_back(FileDialogResult{{path.string()}, 1, {}});
    EXPECT_TRUE(Open(server, [&](CModbusServerIconDialog& d) {
        SetText(d, res::kIdcMbNote, "Pump");
        Click(d, res::kIdcMbSaveAs);
    }));
    ASSERT_EQ(Prompts().fileDialogs.size(), 1u);
    EXPECT_FALSE(Prompts().fileDialogs[0].open);
    EXPECT_EQ(Prompts().fileDialogs[0].defaultExtension, "mbi");
    EXPECT_EQ(Prompts().fileDialogs[0].folder, Folder().string());
    EXPECT_EQ(server.Note(), "Pump");
    EXPECT_EQ(server.SavedFileName(), "pump.mbi");
    EXPECT_EQ(Read(path), FileOf(server));

    // Save writes the entries as OK applies them, without asking again.
    EXPECT_TRUE(Open(server, [&](CModbusServerIconDialog& d) {
        SetText(d, res::kIdcMbNote, "Pump 2");
        SetText(d, res::kIdcMbDevice, "9");
        Click(d, res::kIdcMbSave);
    }));
    EXPECT_EQ(Prompts().fileDialogs.size(), 1u);
    EXPECT_EQ(server.Note(), "Pump 2");
    EXPECT_EQ(server.DeviceAddress(), 9);
    EXPECT_EQ(Read(path), FileOf(server));

    // A refused entry keeps the dialog open and writes nothing.
    const auto before = Read(path);
    EXPECT_FALSE(Open(server, [&](CModbusServerIconDialog& d) {
        SetText(d, res::kIdcMbNote, "Pump 3");
        SetText(d, res::kIdcMbDevice, "248");
        Click(d, res::kIdcMbSave);
        EXPECT_TRUE(d.IsOpen());
        Click(d, res::kIdcMbSaveAs);
        EXPECT_TRUE(d.IsOpen());
        Click(d, kIdCancel);
    }));
    EXPECT_EQ(Read(path), before);
    EXPECT_EQ(server.Note(), "Pump 2");
    EXPECT_EQ(Prompts().fileDialogs.size(), 1u);
}

TEST_F(ModbusServerDialog, SaveToAFolderThatIsGoneSaysSo)
{
    auto& server = Place<CModbusServerIcon>(doc, kDrop);
    server.SetSavedFile(Folder() / "gone" / "pump.mbi");
    EXPECT_TRUE(Open(server, [&](CModbusServerIconDialog& d) { Click(d, res::kIdcMbSave); }));
    ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_EQ(Prompts().messageBoxes[0].text.rfind("ERROR: ", 0), 0u) << Prompts().messageBoxes[0].text;
}

}  // namespace
}  // namespace c_modbus_server_icon_dialog_test
}  // namespace corvane
