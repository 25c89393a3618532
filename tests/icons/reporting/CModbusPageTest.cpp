#include "icons/reporting/CModbusPage.h"

#include "PlatformTestSupport.h"

#include "controls/CTreeOptionsCtrl.h"
#include "icons/reporting/ModbusConfigItem.h"
#include "icons/reporting/ModbusSettingsImage.h"
#include "platform/ButtonControl.h"
#include "platform/ControlAutomation.h"
#include "platform/PropertySheet.h"
#include "platform/TabControl.h"
#include "res/ResourceIds.h"
#include "tests/platform/TestOutput.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>

#include <string>
#include <vector>

namespace corvane {
namespace c_modbus_page_test {
namespace {

namespace automation = control_automation;

// A configuration image holding the Modbus item and the port item (HTTP
// port 8080, the logger's TCP port 4661), as the logger configuration
// sheet holds them.
class TestImage final : public ModbusSettingsImage {
public:
    explicit TestImage(const ModbusConfigItem& item) : modbus(ModbusConfigItem::kSize), ports{0x90, 0x1F, 0x35, 0x12}
    {
        item.Write(modbus);
    }
    std::span<std::uint8_t> ModbusItem() override { return modbus; }
    std::span<const std::uint8_t> PortItem() const override { return ports; }
    ModbusConfigItem Item() const { return ModbusConfigItem::Read(modbus); }

    std::vector<std::uint8_t> modbus;
    std::vector<std::uint8_t> ports;
};

// A fresh logger's item.
ModbusConfigItem FreshItem()
{
    ModbusConfigItem item;
    item.serialWord = 1;
    item.tcpPort = 502;
    item.modeWord = 10;
    return item;
}

// A TCP server that filters its clients by single addresses.
ModbusConfigItem FilteringServer()
{
    ModbusConfigItem item = FreshItem();
    item.modeWord |= ModbusConfigItem::kTcpServer;
    item.serialWord |= ModbusConfigItem::kFilterClients | ModbusConfigItem::kSingleAddresses;
    item.allowed[0] = htonl(0x0A000001);
    item.priority[0] = htonl(0x0A000002);
    return item;
}

// The page in a test sheet of its own, over a test image.
class ModbusPage : public test::PlatformTest {
protected:
    void Open(const ModbusConfigItem& item)
    {
        image = std::make_unique<TestImage>(item);
        sheet = std::make_unique<PropertySheet>("Logger Configuration");
        page = &sheet->AddPage(std::make_unique<CModbusPage>(*image));
        ASSERT_TRUE(sheet->Create());
    }
    ~ModbusPage() override { sheet.reset(); }

    bool Checked(int id) const { return page->GetControlAs<ButtonControl>(id)->GetCheck() != 0; }
    void Click(int id) { page->GetControlAs<ButtonControl>(id)->Click(); }
    void Type(int id, std::string_view text) { page->GetControl(id)->SetText(text); }
    TabControl& Tabs() const { return *page->GetControlAs<TabControl>(res::kIdcModbusTabs); }
    std::vector<std::string> TabNames() const
    {
        std::vector<std::string> names;
        for (int i = 0; i < Tabs().GetItemCount(); ++i)
            names.push_back(Tabs().GetItemText(i));
        return names;
    }
    void ClickTab(int index)
    {
        ASSERT_TRUE(automation::ClickItem(Tabs(), index));
        App().ProcessPending();
    }
    CTreeOptionsCtrl& Tree() const { return *page->Tree(); }

    std::unique_ptr<TestImage> image;
    std::unique_ptr<PropertySheet> sheet;
    CModbusPage* page = nullptr;
};

TEST_F(ModbusPage, OpensOnTheItemsValues)
{
    ModbusConfigItem item = FreshItem();
    item.tcpPort = 0;
    item.serialWord = 0x0BF7;  // node 247, 38400 bps, even parity, single addresses clear
    item.modeWord = 0x8F64;    // RTU master, retry, delay 8, time-out 100
    ASSERT_NO_FATAL_FAILURE(Open(item));
    EXPECT_TRUE(Checked(res::kIdcModbusRtuMaster));
    EXPECT_FALSE(Checked(res::kIdcModbusRtuSlave));
    EXPECT_FALSE(Checked(res::kIdcModbusTcpServer));
    EXPECT_TRUE(Checked(res::kIdcModbusRetry));
    EXPECT_TRUE(Checked(res::kIdcModbusUseSubnetMasks));
    EXPECT_TRUE(Checked(res::kIdcModbusParityEven));
    EXPECT_EQ(page->GetControl(res::kIdcModbusTimeout)->GetText(), "100");
    EXPECT_EQ(page->GetControl(res::kIdcModbusDelay)->GetText(), "8");
    EXPECT_EQ(page->GetControl(res::kIdcModbusPort)->GetText(), "502") << "a stored port of 0 shows as 502";
    EXPECT_EQ(page->GetControl(res::kIdcModbusNodeAddress)->GetText(), "247");
    EXPECT_EQ(page->GetControl(res::kIdcModbusBitRate)->GetText(), "38400 bps");
    EXPECT_TRUE(page->GetControl(res::kIdcModbusDelay)->IsEnabled()) << "the RTU master's delay";
    EXPECT_TRUE(page->GetControl(res::kIdcModbusNodeAddress)->IsEnabled());
    EXPECT_FALSE(page->GetControl(res::kIdcModbusPort)->IsEnabled()) << "no TCP server";
    EXPECT_FALSE(page->GetControl(res::kIdcModbusAddressTree)->IsVisible());
    EXPECT_EQ(TabNames(), std::vector<std::string>{"Settings"});

    ASSERT_NO_FATAL_FAILURE(Open(FilteringServer()));
    EXPECT_EQ(TabNames(), (std::vector<std::string>{"Settings", "Address Table", "Priority Addresses"}));
    EXPECT_TRUE(page->GetControl(res::kIdcModbusPort)->IsEnabled());
    EXPECT_FALSE(page->GetControl(res::kIdcModbusNodeAddress)->IsEnabled()) << "no RTU role";
}

TEST_F(ModbusPage, SaveSettingsStoresTheControlsOrRefusesWithABox)
{
    ASSERT_NO_FATAL_FAILURE(Open(FreshItem()));
    const std::vector<std::uint8_t> before = image->modbus;
    struct Case {
        int id;
        const char* text;
        const char* caption;
    };
    const Case refusals[] = {
        {res::kIdcModbusTimeout, "101", "Invalid Response timeout"},
        {res::kIdcModbusDelay, "9", "Invalid Inter-message delay"},
        {res::kIdcModbusPort, "8080", "Invalid Modbus port selection"},
        {res::kIdcModbusNodeAddress, "0", "Invalid Modbus unit number"},
    };
    for (const Case& c : refusals) {
        SCOPED_TRACE(c.caption);
        Prompts().messageBoxes.clear();
        const std::string kept = page->GetControl(c.id)->GetText();
        Type(c.id, c.text);
        EXPECT_FALSE(page->SaveSettings());
        ASSERT_EQ(Prompts().messageBoxes.size(), 1U);
        EXPECT_EQ(Prompts().messageBoxes[0].caption, c.caption);
        EXPECT_EQ(Prompts().messageBoxes[0].icon, MessageBoxIcon::Warning);
        EXPECT_EQ(image->modbus, before) << "a refusal stores nothing";
        Type(c.id, kept);
    }
    Prompts().messageBoxes.clear();
    Click(res::kIdcModbusRtuSlave);
    Click(res::kIdcModbusHighWordFirst);
    Type(res::kIdcModbusDelay, "8");
    Type(res::kIdcModbusPort, "1502");
    Click(res::kIdcModbusParityOdd);
    EXPECT_TRUE(page->SaveSettings());
    EXPECT_TRUE(Prompts().messageBoxes.empty());
    const ModbusConfigItem stored = image->Item();
    EXPECT_EQ(stored.serialWord, 0x0001 | 0x1000 | 0x0C00) << "pairs, as the fresh item has them";
    EXPECT_EQ(stored.tcpPort, 1502);
    EXPECT_EQ(stored.modeWord, 0x4000 | 0x0700 | 10);
}

TEST_F(ModbusPage, LeavingThePageIsRefusedWhileAValueIsWrong)
{
    ASSERT_NO_FATAL_FAILURE(Open(FilteringServer()));
    Type(res::kIdcModbusPort, "80");
    ClickTab(1);
    EXPECT_EQ(Prompts().messageBoxes.size(), 1U) << "the tab change stores, and says what is wrong";
    Prompts().messageBoxes.clear();
    EXPECT_FALSE(sheet->ApplyAll());
    EXPECT_EQ(Prompts().messageBoxes.size(), 1U);
}

TEST_F(ModbusPage, RoleBoxesExcludeEachOtherAndChangeTheItem)
{
    ASSERT_NO_FATAL_FAILURE(Open(FilteringServer()));
    Click(res::kIdcModbusRtuSlave);
    EXPECT_TRUE(Checked(res::kIdcModbusRtuSlave));
    EXPECT_FALSE(Checked(res::kIdcModbusTcpServer));
    EXPECT_EQ(image->Item().modeWord & 0x5000, 0x4000);
    EXPECT_EQ(TabNames(), std::vector<std::string>{"Settings"}) << "no TCP server, no address tabs";
    EXPECT_FALSE(page->GetControl(res::kIdcModbusPort)->IsEnabled());

    Click(res::kIdcModbusTcpServer);
    EXPECT_FALSE(Checked(res::kIdcModbusRtuSlave));
    EXPECT_EQ(image->Item().modeWord & 0x5000, 0x1000);
    EXPECT_EQ(TabNames(), (std::vector<std::string>{"Settings", "Allowed Addresses", "Priority Addresses"}));

    Click(res::kIdcModbusRtuSlave);
    Click(res::kIdcModbusRtuMaster);
    EXPECT_TRUE(Checked(res::kIdcModbusRtuMaster));
    EXPECT_FALSE(Checked(res::kIdcModbusRtuSlave));
    Click(res::kIdcModbusRtuSlave);
    EXPECT_FALSE(Checked(res::kIdcModbusRtuMaster));
}

TEST_F(ModbusPage, SubnetMaskSwitchAsksAndOnlyYesClearsTheAllowedTable)
{
    ModbusConfigItem item = FilteringServer();
    item.allowed[1] = htonl(0x0A000009);
    ASSERT_NO_FATAL_FAILURE(Open(item));
    const std::vector<std::uint8_t> before = image->modbus;
    for (const int answer : {kIdNo, kIdCancel}) {
        Prompts().messageBoxAnswers.push_back(answer);
        Click(res::kIdcModbusUseSubnetMasks);
        ASSERT_EQ(Prompts().messageBoxes.size(), 1U);
        EXPECT_EQ(Prompts().messageBoxes[0].caption, CModbusPage::kSubnetCaption);
        EXPECT_EQ(Prompts().messageBoxes[0].buttons, MessageBoxButtons::YesNoCancel);
        EXPECT_FALSE(Checked(res::kIdcModbusUseSubnetMasks)) << "the box is put back";
        EXPECT_EQ(image->modbus, before) << "bit 15 and the table stay";
        EXPECT_EQ(page->Tables().allowed[1].address, htonl(0x0A000009));
        Prompts().messageBoxes.clear();
    }

    Prompts().messageBoxAnswers.push_back(kIdYes);
    Click(res::kIdcModbusUseSubnetMasks);
    EXPECT_TRUE(Checked(res::kIdcModbusUseSubnetMasks));
    EXPECT_FALSE(image->Item().SingleAddresses());
    for (const CModbusAddress& entry : page->Tables().allowed) {
        EXPECT_EQ(entry.address, 0U);
        EXPECT_EQ(entry.subnetMask, 0xFFFFFFFFU);
    }
    ASSERT_TRUE(page->SaveSettings());
    const ModbusConfigItem stored = image->Item();
    for (std::size_t i = 0; i < ModbusConfigItem::kPairCount; ++i) {
        EXPECT_EQ(stored.allowed[2 * i], 0U);
        EXPECT_EQ(stored.allowed[2 * i + 1], 0xFFFFFFFFU) << "8 address and mask pairs";
    }
    EXPECT_EQ(stored.priority[0], htonl(0x0A000002)) << "the priority table stays";
}

TEST_F(ModbusPage, AddressTabsListTheTablesAndStoreThemTidied)
{
    ASSERT_NO_FATAL_FAILURE(Open(FilteringServer()));
    ClickTab(1);
    EXPECT_TRUE(page->GetControl(res::kIdcModbusAddressTree)->IsVisible());
    EXPECT_FALSE(page->GetControl(res::kIdcModbusRtuMaster)->IsVisible());
    ASSERT_EQ(page->TreeShows(), CModbusPage::TreeTable::SingleAllowed);
    const auto& allowed = page->Tables().allowed;
    EXPECT_EQ(Tree().GetIPAddress(allowed[0].item), 0x0A000001U);
    EXPECT_EQ(Tree().View().GetItemText(allowed[0].item), "Address 1  : 10.0.0.1");
    EXPECT_TRUE(page->SaveImage(test::OutputFile("modbus-page-allowed.png").string()));
    // Address 3 repeats address 1, address 2 stays empty.
    Tree().SetIPAddress(allowed[2].item, 0x0A000001);
    Tree().SetIPAddress(allowed[3].item, 0xC0A80001);

    ClickTab(2);
    ASSERT_EQ(page->TreeShows(), CModbusPage::TreeTable::Priority);
    EXPECT_TRUE(page->SaveImage(test::OutputFile("modbus-page-priority.png").string()));
    const ModbusConfigItem stored = image->Item();
    EXPECT_EQ(stored.allowed[0], htonl(0x0A000001));
    EXPECT_EQ(stored.allowed[1], htonl(0xC0A80001)) << "the repeat cleared, the empty one moved behind";
    EXPECT_EQ(stored.allowed[2], 0U);
    EXPECT_EQ(stored.priority[0], htonl(0x0A000002));

    ClickTab(0);
    EXPECT_TRUE(page->GetControl(res::kIdcModbusRtuMaster)->IsVisible());
    EXPECT_FALSE(page->GetControl(res::kIdcModbusAddressTree)->IsVisible());
    EXPECT_TRUE(page->SaveImage(test::OutputFile("modbus-page-settings.png").string()));
}

TEST_F(ModbusPage, PairTableListsAddressesWithTheirMasks)
{
    ModbusConfigItem item = FilteringServer();
    item.serialWord &= static_cast<std::uint16_t>(~ModbusConfigItem::kSingleAddresses);
    item.allowed[0] = htonl(0xC0A80100);
    item.allowed[1] = htonl(0xFFFFFF00);
    ASSERT_NO_FATAL_FAILURE(Open(item));
    ClickTab(1);
    ASSERT_EQ(page->TreeShows(), CModbusPage::TreeTable::AllowedPairs);
    EXPECT_EQ(Tree().View().GetItemText(page->Tables().allowed[0].item), "Address 1  : 192.168.1.0  /  255.255.255.0");
    EXPECT_EQ(&page->ModbusAddresses(), &page->Tables().allowed) << "the address buttons edit the allowed table";
    EXPECT_TRUE(page->SaveImage(test::OutputFile("modbus-page-allowed-pairs.png").string()));
}

TEST_F(ModbusPage, DefaultButtonWrites502)
{
    ModbusConfigItem item = FilteringServer();
    item.tcpPort = 1502;
    ASSERT_NO_FATAL_FAILURE(Open(item));
    Click(res::kIdcModbusDefaultPort);
    EXPECT_EQ(page->GetControl(res::kIdcModbusPort)->GetText(), "502");
    EXPECT_EQ(image->Item().tcpPort, 502);
}

}  // namespace
}  // namespace c_modbus_page_test
}  // namespace corvane
