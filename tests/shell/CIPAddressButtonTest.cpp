#include "shell/CIPAddressButton.h"

#include "PlatformTestSupport.h"
#include "TestOutput.h"

#include "controls/CPictureEx.h"
#include "controls/CTreeOptionsCtrl.h"
#include "platform/ButtonControl.h"
#include "platform/ControlAutomation.h"
#include "platform/Dialog.h"
#include "platform/IpAddressControl.h"
#include "platform/TreeViewControl.h"
#include "res/IpAddressAndSubnetDialog.h"
#include "res/ResourceIds.h"
#include "shell/CIpAddressAndSubnet.h"
#include "shell/ModbusAddressOwner.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace corvane {
namespace cip_address_button_test {
namespace {

namespace automation = control_automation;

// Runs drive on the topmost modal dialog once its loop runs, and cancels it
// when drive left it open, so that a failing test never hangs.
class NestedModalDriver {
public:
    explicit NestedModalDriver(std::function<void(Dialog&)> drive) : drive_(std::move(drive))
    {
        window_.onMessage = [this](Message&) {
            Dialog* open = automation::OpenModalDialog();
            if (open == nullptr) {
                ADD_FAILURE() << "no dialog opened";
                return 0;
            }
            ++runs;
            drive_(*open);
            if (open->IsOpen()) {
                ADD_FAILURE() << "the dialog was left open";
                open->EndDialog(kIdCancel);
            }
            return 0;
        };
        window_.PostMessage(kUserMessage);
    }

    int runs = 0;

private:
    std::function<void(Dialog&)> drive_;
    test::RecordingWindow window_;
};

IpAddressControl& Field(Dialog& dialog, int id) { return *dialog.GetControlAs<IpAddressControl>(id); }
void Press(Dialog& dialog, int id) { dialog.GetControlAs<ButtonControl>(id)->Click(); }

using CIpAddressAndSubnetTest = test::PlatformTest;

TEST_F(CIpAddressAndSubnetTest, ShowsNetworkOrderValuesAndGivesHostOrderOnOk)
{
    CIpAddressAndSubnet dialog;
    dialog.SetAddress(htonl(0xC0A8010A));
    dialog.SetMask(htonl(0xFFFFFF00));
    NestedModalDriver driver([&](Dialog& open) {
        EXPECT_EQ(Field(open, res::kIdcIpAddress).GetText(), "192.168.1.10");
        EXPECT_EQ(Field(open, res::kIdcSubnetMask).GetText(), "255.255.255.0");
        // The picture beside the fields plays the network animation.
        CPictureEx* picture = dialog.Picture();
        ASSERT_NE(picture, nullptr);
        EXPECT_TRUE(picture->IsAnimated());
        EXPECT_TRUE(picture->IsPlaying());
        EXPECT_TRUE(open.SaveImage(test::OutputFile("network-address-dialog.png").string()));
        Field(open, res::kIdcIpAddress).SetText("10.20.30.40");
        Press(open, kIdOk);
    });
    EXPECT_EQ(dialog.DoModal(), kIdOk);
    EXPECT_EQ(dialog.GetAddress(), 0x0A141E28u);
    EXPECT_EQ(dialog.GetMask(), 0xFFFFFF00u);
}

TEST_F(CIpAddressAndSubnetTest, RefusesOkUntilEveryFieldIsFilled)
{
    struct Case {
        const char* address;
        const char* mask;
    };
    for (const Case& c : std::vector<Case>{{"10.0..1", "255.255.255.0"}, {"10.0.0.1", "255..255.0"}, {"", ""}}) {
        SCOPED_TRACE(std::string(c.address) + " " + c.mask);
        Prompts().messageBoxes.clear();
        CIpAddressAndSubnet dialog;
        dialog.SetAddress(htonl(0x01020304));
        dialog.SetMask(htonl(0xFFFF0000));
        NestedModalDriver driver([&](Dialog& open) {
            Field(open, res::kIdcIpAddress).SetText(c.address);
            Field(open, res::kIdcSubnetMask).SetText(c.mask);
            Press(open, kIdOk);
            EXPECT_TRUE(open.IsOpen());
            ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
            EXPECT_EQ(Prompts().messageBoxes[0].text,
                "Please fill in all four fields of the IP address and of the subnet mask.");
            open.EndDialog(kIdCancel);
        });
        EXPECT_EQ(dialog.DoModal(), kIdCancel);
        EXPECT_EQ(dialog.GetAddress(), htonl(0x01020304)) << "a refused or cancelled dialog keeps its values";
    }
}

TEST_F(CIpAddressAndSubnetTest, HelpButtonAndF1OpenItsHelp)
{
    CIpAddressAndSubnet dialog;
    NestedModalDriver driver([&](Dialog& open) {
        Press(open, kIdHelp);
        automation::PressKey(Field(open, res::kIdcIpAddress), automation::Key::F1);
        open.EndDialog(kIdCancel);
    });
    dialog.DoModal();
    EXPECT_EQ(Prompts().helpIds, (std::vector<std::uint32_t>{2141, 2141}));
}

constexpr int kTreeId = 1000;
constexpr std::array kPageControls = {ControlTemplate{ControlKind::TreeView, kTreeId, "", {10, 10, 420, 200}}};
constexpr DialogTemplate kPage{9142, "Modbus", 440, 220, kPageControls};

// A page that keeps the address list its address items edit.
class AddressPage final : public Dialog, public ModbusAddressOwner {
public:
    AddressPage() : Dialog(kPage) {}
    std::vector<CModbusAddress>& ModbusAddresses() override { return addresses; }
    std::vector<CModbusAddress> addresses;
};

class CIPAddressButtonTest : public test::PlatformTest {
protected:
    CIPAddressButtonTest()
    {
        EXPECT_TRUE(page.Create());
        tree = std::make_unique<CTreeOptionsCtrl>(*page.GetControlAs<TreeViewControl>(kTreeId));
        page.addresses = {{htonl(0x0A000001), htonl(0xFF000000), 0}, {htonl(0xC0A8010A), htonl(0xFFFFFF00), 0}};
        for (std::uint32_t i = 0; i < page.addresses.size(); ++i) {
            CModbusAddress& entry = page.addresses[i];
            entry.item = tree->View().InsertItem("Server " + std::to_string(i));
            tree->AddBrowseButton(entry.item, CIPAddressButton::Class(), nullptr, i);
            tree->SetEditText(entry.item, CIPAddressButton::FormatValueText(entry.address, entry.subnetMask));
        }
    }
    // Clicks the item's browse button as a user does and answers the dialog with drive.
    int ClickBrowse(TreeItem item, std::function<void(Dialog&)> drive)
    {
        tree->SelectItem(item);
        auto* button = page.GetControlAs<ButtonControl>(tree->EditorControlId(CTreeOptionsCtrl::kButtonId));
        EXPECT_NE(button, nullptr);
        if (button == nullptr)
            return 0;
        button->SetFocus();
        App().ProcessPending();
        NestedModalDriver driver(std::move(drive));
        button->Click();
        App().ProcessPending();
        return driver.runs;
    }

    AddressPage page;
    std::unique_ptr<CTreeOptionsCtrl> tree;
};

TEST_F(CIPAddressButtonTest, ValueTextShowsAddressAndMaskInNetworkOrder)
{
    struct Case {
        std::uint32_t hostAddress;
        std::uint32_t hostMask;
        const char* text;
    };
    for (const Case& c : std::vector<Case>{{0xC0A8010A, 0xFFFFFF00, "192.168.1.10  /  255.255.255.0"},
             {0x00000000, 0xFFFFFFFF, "0.0.0.0  /  255.255.255.255"},
             {0x01020304, 0x80000000, "1.2.3.4  /  128.0.0.0"}}) {
        EXPECT_EQ(CIPAddressButton::FormatValueText(htonl(c.hostAddress), htonl(c.hostMask)), c.text);
    }
    EXPECT_EQ(tree->View().GetItemText(page.addresses[1].item), "Server 1: 192.168.1.10  /  255.255.255.0");
}

TEST_F(CIPAddressButtonTest, OkWritesTheEntryInNetworkOrderAndCancelChangesNothing)
{
    const TreeItem item = page.addresses[1].item;
    EXPECT_EQ(ClickBrowse(item,
                  [&](Dialog& open) {
                      EXPECT_EQ(Field(open, res::kIdcIpAddress).GetText(), "192.168.1.10");
                      Field(open, res::kIdcIpAddress).SetText("172.16.0.9");
                      Press(open, kIdCancel);
                  }),
        1);
    EXPECT_EQ(page.addresses[1].address, htonl(0xC0A8010A));
    EXPECT_EQ(tree->View().GetItemText(item), "Server 1: 192.168.1.10  /  255.255.255.0");

    EXPECT_EQ(ClickBrowse(item,
                  [&](Dialog& open) {
                      Field(open, res::kIdcIpAddress).SetText("172.16.0.9");
                      Field(open, res::kIdcSubnetMask).SetText("255.255.0.0");
                      Press(open, kIdOk);
                  }),
        1);
    EXPECT_EQ(page.addresses[1].address, htonl(0xAC100009));
    EXPECT_EQ(page.addresses[1].subnetMask, htonl(0xFFFF0000));
    EXPECT_EQ(page.addresses[0].address, htonl(0x0A000001)) << "only the item's own entry";
    tree->SelectItem(page.addresses[0].item);
    EXPECT_EQ(tree->View().GetItemText(item), "Server 1: 172.16.0.9  /  255.255.0.0");
    EXPECT_TRUE(page.SaveImage(test::OutputFile("network-address-tree.png").string()));
}

}  // namespace
}  // namespace cip_address_button_test
}  // namespace corvane
