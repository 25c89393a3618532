#include "icons/reporting/CModbusProperties.h"

#include "ModalDriver.h"
#include "ReportingIconTestSupport.h"
#include "TestOutput.h"

#include "controls/CTreeOptionsCtrl.h"
#include "icons/function/CConstIcon.h"
#include "icons/reporting/CDataTagIcon.h"
#include "icons/reporting/CModbusClientIcon.h"
#include "icons/reporting/CSelectModbusIconsDialog.h"
#include "netmodel/IconWarnings.h"
#include "platform/ButtonControl.h"
#include "platform/ListBoxControl.h"
#include "platform/TreeViewControl.h"
#include "res/Pictures.h"
#include "res/ResourceIds.h"

#include <gtest/gtest.h>

#include <functional>

namespace corvane {
namespace c_modbus_properties_test {
namespace {

using test::Place;

constexpr Rect kDrop{100, 100, 132, 132};

class ModbusPropertiesDialog : public test::ReportingNetTest {
protected:
    static void Click(Dialog& d, int id) { d.GetControlAs<ButtonControl>(id)->Click(); }

    // Opens the icon's dialog as the net does and lets drive act on it.
    bool Open(CModbusClientIcon& icon, const std::function<void(CModbusProperties&)>& drive)
    {
        auto made = icon.CreateIconDialog();
        auto& dialog = dynamic_cast<CModbusProperties&>(*made);
        test::ModalDriver driver(dialog, [&] { drive(dialog); });
        const bool ok = dialog.RunModal();
        EXPECT_EQ(driver.runs, 1);
        return ok;
    }
    // The row texts of the open tree, in order.
    static std::vector<std::string> TreeTexts(CModbusProperties& d)
    {
        std::vector<std::string> texts;
        TreeViewControl& view = d.Tree()->View();
        for (TreeItem item = view.GetRootItem(); item != 0; item = view.GetNextSiblingItem(item))
            texts.push_back(view.GetItemText(item));
        return texts;
    }
    static void Type(CModbusProperties& d, std::size_t row, std::string_view text)
    {
        d.Tree()->SetEditText(d.Items().at(row).item, text);
    }

    void SetUpNet()
    {
        flow = &Place<CDataTagIcon>(doc, kDrop);
        flow->SetName("Flow");
        pump = &Place<CConstIcon>(doc, kDrop, res::kBitmapRemoteSwitch);
        pump->SetName("Pump");
        pump->SetModeWord(CConstIcon::kRemoteBit | CConstIcon::kSwitchBit);
        client = &Place<CModbusClientIcon>(doc, kDrop);
    }

    CDataTagIcon* flow = nullptr;
    CConstIcon* pump = nullptr;
    CModbusClientIcon* client = nullptr;
};

TEST_F(ModbusPropertiesDialog, OkStoresTheTypedRegistersAndASecondOpeningShowsEachRowOnce)
{
    res::RegisterPictures(App().Bitmaps());
    SetUpNet();
    EXPECT_TRUE(Open(*client, [&](CModbusProperties& d) {
        EXPECT_EQ(TreeTexts(d), (std::vector<std::string>{"Flow     : 0", "Pump     : 0"}));
        Type(d, 0, "40001");
        Type(d, 1, " 40003 ");
        Click(d, kIdOk);
    }));
    EXPECT_EQ(client->Pairs(), (std::vector<CModbusClientPair>{{40001, flow->UniqueId()}, {40003, pump->UniqueId()}}));
    EXPECT_EQ(client->Counts(), (std::array<std::uint8_t, 3>{1, 1, 0}));

    EXPECT_FALSE(Open(*client, [&](CModbusProperties& d) {
        EXPECT_EQ(TreeTexts(d), (std::vector<std::string>{"Flow     : 40001", "Pump     : 40003"}));
        // The dialog's own message fills the tree again, still once per row.
        d.PostMessage(CModbusProperties::kRefillMessage);
        App().ProcessPending();
        EXPECT_EQ(TreeTexts(d).size(), 2u);
        EXPECT_TRUE(d.SaveImage(test::OutputFile("modbus-register-list-dialog.png").string()));
        Click(d, kIdCancel);
    }));
}

TEST_F(ModbusPropertiesDialog, RefusedRegistersKeepTheDialogOpenAndChangeNothing)
{
    SetUpNet();
    client->RebuildPairs(std::vector<CModbusItem>{{flow->UniqueId(), "Flow", "40101", 0, CModbusItem::kDataTag}});
    const auto before = client->Pairs();
    struct Case {
        const char* first;
        const char* second;
        const char* message;
    };
    for (const Case& c : std::vector<Case>{{"40001", "40002", "Adjacent Addresses not allowed"},
             {"40001", "40001", "Duplicate Addresses not allowed"},
             {"39999", "0", "Address must be in the 40001-49000 range"},
             {"4o001", "0", "Address can only contain numeric characters"}}) {
        SCOPED_TRACE(c.message);
        Prompts().messageBoxes.clear();
        EXPECT_FALSE(Open(*client, [&](CModbusProperties& d) {
            Type(d, 0, c.first);
            Type(d, 1, c.second);
            Click(d, kIdOk);
            EXPECT_TRUE(d.IsOpen());
            Click(d, kIdCancel);
        }));
        ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
        EXPECT_EQ(Prompts().messageBoxes[0].text, c.message);
        EXPECT_EQ(Prompts().messageBoxes[0].caption, "Modbus Address Error");
        EXPECT_EQ(client->Pairs(), before);
    }
}

TEST_F(ModbusPropertiesDialog, BatteryNetAsksOnceBeforeTheFirstOpening)
{
    CHardwarePoll poll;
    Place<CGlobalIcon>(doc, Rect{20, 20, 52, 52}, poll, test::kQuvModelWord, 0, std::uint8_t{0});
    SetUpNet();
    services.advisoryAnswers = {kIdCancel};
    auto made = client->CreateIconDialog();
    EXPECT_FALSE(made->RunModal()) << "Cancel ends the dialog unopened";
    ASSERT_EQ(services.advisories.size(), 1u);
    EXPECT_EQ(services.advisories[0].second, icon_warning::kModbusRtuSlave);
    EXPECT_NE(client->Header().warningFlags & CModbusClientIcon::kAdvisoryPending, 0);

    EXPECT_FALSE(Open(*client, [&](CModbusProperties& d) { Click(d, kIdCancel); }));
    EXPECT_EQ(client->Header().warningFlags & CModbusClientIcon::kAdvisoryPending, 0);
    EXPECT_FALSE(Open(*client, [&](CModbusProperties& d) { Click(d, kIdCancel); }));
    EXPECT_EQ(services.advisories.size(), 2u) << "asked no more once accepted";
}

TEST_F(ModbusPropertiesDialog, HelpOpensItsContext)
{
    SetUpNet();
    Open(*client, [&](CModbusProperties& d) {
        Click(d, kIdHelp);
        Click(d, kIdCancel);
    });
    EXPECT_EQ(Prompts().helpIds, (std::vector<std::uint32_t>{2151}));
}

using SelectModbusIcons = test::PlatformTest;

TEST_F(SelectModbusIcons, ShowsItsFixedListsAndItsButtonDoesNothing)
{
    CSelectModbusIconsDialog dialog;
    test::ModalDriver driver(dialog, [&] {
        const auto texts = [&](int id) {
            std::vector<std::string> result;
            auto* list = dialog.GetControlAs<ListBoxControl>(id);
            for (int i = 0; i < list->GetCount(); ++i)
                result.push_back(list->GetText(i));
            return result;
        };
        EXPECT_EQ(texts(res::kIdcSelectModbusIconList),
            (std::vector<std::string>{"This is the icon list", "Icon01", "Icon02", "Icon03"}));
        EXPECT_EQ(texts(res::kIdcSelectModbusGroupList),
            (std::vector<std::string>{"This is the group list", "Group01", "Group02", "Group03"}));
        dialog.GetControlAs<ButtonControl>(res::kIdcSelectModbusButton)->Click();
        EXPECT_TRUE(dialog.IsOpen());
        EXPECT_TRUE(dialog.SaveImage(test::OutputFile("select-modbus-icons-dialog.png").string()));
        dialog.GetControlAs<ButtonControl>(kIdOk)->Click();
    });
    EXPECT_EQ(dialog.DoModal(), kIdOk);
}

}  // namespace
}  // namespace c_modbus_properties_test
}  // namespace corvane
