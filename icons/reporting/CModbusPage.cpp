#include "icons/reporting/CModbusPage.h"

#include "controls/CTreeOptionsCtrl.h"
#include "controls/CTreeOptionsIPAddressCtrl.h"
#include "icons/reporting/ModbusSettingsImage.h"
#include "platform/Application.h"
#include "platform/ButtonControl.h"
#include "platform/ComboBoxControl.h"
#include "platform/EditControl.h"
#include "platform/PromptSink.h"
#include "platform/TabControl.h"
#include "platform/TreeViewControl.h"
#include "res/ModbusPage.h"
#include "res/ResourceIds.h"
#include "shell/CIPAddressButton.h"

#include <arpa/inet.h>

#include <array>
#include <string>

namespace corvane {

namespace {

constexpr std::array kBitRates = {"1200 bps", "9600 bps", "19200 bps", "38400 bps"};
constexpr std::array kParityIds
    = {res::kIdcModbusParityNone1, res::kIdcModbusParityNone2, res::kIdcModbusParityEven, res::kIdcModbusParityOdd};

// Every control of the "Settings" tab.
constexpr std::array kSettingsIds = {res::kIdcModbusFunctionsGroup, res::kIdcModbusRtuMaster, res::kIdcModbusRtuSlave,
    res::kIdcModbusTcpClient, res::kIdcModbusTcpServer, res::kIdcModbusHighWordFirst, res::kIdcModbusRetry,
    res::kIdcModbusTimeout, res::kIdcModbusTimeoutLabel, res::kIdcModbusTimeoutDefault, res::kIdcModbusDelay,
    res::kIdcModbusDelayLabel, res::kIdcModbusDelayDefault, res::kIdcModbusTcpGroup, res::kIdcModbusPortLabel,
    res::kIdcModbusPort, res::kIdcModbusDefaultPort, res::kIdcModbusFilterClients, res::kIdcModbusUseSubnetMasks,
    res::kIdcModbusSerialGroup, res::kIdcModbusBitRateLabel, res::kIdcModbusBitRate, res::kIdcModbusNodeAddressLabel,
    res::kIdcModbusNodeAddress, res::kIdcModbusParityNone1, res::kIdcModbusParityNone2, res::kIdcModbusParityEven,
    res::kIdcModbusParityOdd};

constexpr int kSettingsTab = 0;
constexpr int kAllowedTab = 1;

}  // namespace

CModbusPage::CModbusPage(ModbusSettingsImage& image) : PropertyPage(res::kModbusPage), image_(image)
{
    for (const int id :
        {res::kIdcModbusRtuMaster, res::kIdcModbusRtuSlave, res::kIdcModbusTcpClient, res::kIdcModbusTcpServer})
        On(Notification::Clicked, id, [this, id](NotifyEvent&) { OnRoleClicked(id); });
    On(Notification::Clicked, res::kIdcModbusFilterClients, [this](NotifyEvent&) { OnFilterClicked(); });
    On(Notification::Clicked, res::kIdcModbusUseSubnetMasks, [this](NotifyEvent&) { OnSubnetMasksClicked(); });
    On(Notification::Clicked, res::kIdcModbusDefaultPort, [this](NotifyEvent&) { OnDefaultPort(); });
    On(Notification::Clicked, res::kIdcModbusHighWordFirst, [this](NotifyEvent&) { OnHighWordFirstClicked(); });
    On(Notification::SelectionChanged, res::kIdcModbusBitRate, [this](NotifyEvent&) { OnBitRateChanged(); });
    On(Notification::SelectionChanged, res::kIdcModbusTabs, [this](NotifyEvent&) { OnTabChanged(); });
    On(Notification::KillFocus, res::kIdcModbusAddressTree, [this](NotifyEvent&) {
        if (tree_)
            tree_->EndEdit();
    });
}

CModbusPage::~CModbusPage() = default;

ModbusConfigItem CModbusPage::ReadItem() const { return ModbusConfigItem::Read(image_.ModbusItem()); }

void CModbusPage::WriteItem(const ModbusConfigItem& item) { item.Write(image_.ModbusItem()); }

bool CModbusPage::Checked(int id) const
{
    const auto* box = GetControlAs<ButtonControl>(id);
    return box != nullptr && box->GetCheck() != 0;
}

void CModbusPage::SetChecked(int id, bool checked)
{
    if (auto* box = GetControlAs<ButtonControl>(id))
        box->SetCheck(checked ? 1 : 0);
}

void CModbusPage::EnableControls(std::initializer_list<int> ids, bool enable)
{
    for (const int id : ids)
        if (Control* control = GetControl(id))
            control->Enable(enable);
}

ModbusRoles CModbusPage::ReadRoles() const
{
    ModbusRoles roles;
    roles.rtuMaster = Checked(res::kIdcModbusRtuMaster);
    roles.rtuSlave = Checked(res::kIdcModbusRtuSlave);
    roles.tcpClient = Checked(res::kIdcModbusTcpClient);
    roles.tcpServer = Checked(res::kIdcModbusTcpServer);
    return roles;
}

void CModbusPage::SetRoles(const ModbusRoles& roles)
{
    SetChecked(res::kIdcModbusRtuMaster, roles.rtuMaster);
    SetChecked(res::kIdcModbusRtuSlave, roles.rtuSlave);
    SetChecked(res::kIdcModbusTcpClient, roles.tcpClient);
    SetChecked(res::kIdcModbusTcpServer, roles.tcpServer);
}

bool CModbusPage::OnInitDialog()
{
    PropertyPage::OnInitDialog();
    if (auto* view = GetControlAs<TreeViewControl>(res::kIdcModbusAddressTree))
        tree_ = std::make_unique<CTreeOptionsCtrl>(*view);
    if (auto* list = GetControlAs<ComboBoxControl>(res::kIdcModbusBitRate))
        for (const char* rate : kBitRates)
            list->AddString(rate);
    if (auto* edit = GetControlAs<EditControl>(res::kIdcModbusTimeout))
        edit->SetLimitText(3);
    if (auto* edit = GetControlAs<EditControl>(res::kIdcModbusDelay))
        edit->SetLimitText(2);
    if (auto* edit = GetControlAs<EditControl>(res::kIdcModbusPort))
        edit->SetLimitText(4);
    if (auto* edit = GetControlAs<EditControl>(res::kIdcModbusNodeAddress))
        edit->SetLimitText(3);

    const ModbusConfigItem item = ReadItem();
    if (auto* tabs = GetControlAs<TabControl>(res::kIdcModbusTabs)) {
        tabs->InsertItem(kSettingsTab, "Settings");
        if ((item.modeWord & ModbusConfigItem::kTcpServer) != 0
            && (item.serialWord & ModbusConfigItem::kFilterClients) != 0)
            SetTabs(true, "Address Table");
    }
    tables_ = ModbusAddressTables();
    if (auto* view = GetControl(res::kIdcModbusAddressTree))
        view->Show(false);
    LoadAddressTables();
    ShowSettings(true);
    FillTree();
    return true;
}

bool CModbusPage::OnSetActive()
{
    // The page's controls show the item, never members of their own.
    const auto* tabs = GetControlAs<TabControl>(res::kIdcModbusTabs);
    ShowSettings(tabs == nullptr || tabs->GetCurSel() <= kSettingsTab);
    FillTree();
    return true;
}

bool CModbusPage::OnKillActive() { return SaveSettings(); }

void CModbusPage::LoadAddressTables()
{
    ModbusConfigItem item = ReadItem();
    tables_.Load(item);
    if (item.tcpPort == 0) {
        item.tcpPort = ModbusConfigItem::kDefaultPort;
        WriteItem(item);
    }
}

void CModbusPage::SetTabs(bool addressTabs, std::string_view allowedTabName)
{
    auto* tabs = GetControlAs<TabControl>(res::kIdcModbusTabs);
    if (tabs == nullptr)
        return;
    if (addressTabs && tabs->GetItemCount() == 1) {
        tabs->InsertItem(kAllowedTab, allowedTabName);
        tabs->InsertItem(kAllowedTab + 1, "Priority Addresses");
    } else if (!addressTabs && tabs->GetItemCount() > 1) {
        while (tabs->GetItemCount() > 1)
            tabs->DeleteItem(tabs->GetItemCount() - 1);
        tabs->SetCurSel(kSettingsTab);
    }
}

void CModbusPage::ShowSettingsControls(bool show)
{
    for (const int id : kSettingsIds)
        if (Control* control = GetControl(id))
            control->Show(show);
    if (Control* view = GetControl(res::kIdcModbusAddressTree))
        view->Show(!show);
}

void CModbusPage::ShowSettings(bool show)
{
    const ModbusConfigItem item = ReadItem();
    SetRoles(ModbusRoles::FromModeWord(item.modeWord));
    SetChecked(res::kIdcModbusHighWordFirst, (item.serialWord & ModbusConfigItem::kHighWordFirst) != 0);
    SetChecked(res::kIdcModbusRetry, (item.modeWord & ModbusConfigItem::kRetry) != 0);
    SetChecked(res::kIdcModbusFilterClients, (item.serialWord & ModbusConfigItem::kFilterClients) != 0);
    SetChecked(res::kIdcModbusUseSubnetMasks, !item.SingleAddresses());
    const ModbusSettingsEntries entries = ModbusSettingsEntries::FromItem(item);
    if (Control* edit = GetControl(res::kIdcModbusTimeout))
        edit->SetText(entries.timeoutText);
    if (Control* edit = GetControl(res::kIdcModbusDelay))
        edit->SetText(entries.delayText);
    if (Control* edit = GetControl(res::kIdcModbusPort))
        edit->SetText(entries.portText);
    if (Control* edit = GetControl(res::kIdcModbusNodeAddress))
        edit->SetText(entries.nodeAddressText);
    if (auto* list = GetControlAs<ComboBoxControl>(res::kIdcModbusBitRate))
        list->SetCurSel(entries.bitRate);
    for (std::size_t i = 0; i < kParityIds.size(); ++i)
        SetChecked(kParityIds[i], static_cast<int>(i) == entries.parity);
    UpdateEnabling();
    ShowSettingsControls(show);
}

// Which controls apply to the roles now checked: the register order to the
// roles that answer requests, the inter-message delay to the RTU master,
// the TCP settings to the TCP server and the serial settings to either RTU
// role.
void CModbusPage::UpdateEnabling()
{
    const ModbusRoles roles = ReadRoles();
    const bool filter = Checked(res::kIdcModbusFilterClients);
    EnableControls({res::kIdcModbusHighWordFirst}, roles.tcpServer || roles.rtuSlave);
    EnableControls({res::kIdcModbusDelay, res::kIdcModbusDelayLabel, res::kIdcModbusDelayDefault}, roles.rtuMaster);
    EnableControls(
        {res::kIdcModbusPort, res::kIdcModbusPortLabel, res::kIdcModbusDefaultPort, res::kIdcModbusFilterClients},
        roles.tcpServer);
    EnableControls({res::kIdcModbusUseSubnetMasks}, roles.tcpServer && filter);
    EnableControls({res::kIdcModbusBitRateLabel, res::kIdcModbusBitRate, res::kIdcModbusNodeAddressLabel,
                       res::kIdcModbusNodeAddress, res::kIdcModbusParityNone1, res::kIdcModbusParityNone2,
                       res::kIdcModbusParityEven, res::kIdcModbusParityOdd},
        roles.rtuMaster || roles.rtuSlave);
}

void CModbusPage::OnRoleClicked(int id)
{
    ModbusRoles::Box box = ModbusRoles::Box::TcpClient;
    if (id == res::kIdcModbusRtuMaster)
        box = ModbusRoles::Box::RtuMaster;
    else if (id == res::kIdcModbusRtuSlave)
        box = ModbusRoles::Box::RtuSlave;
    else if (id == res::kIdcModbusTcpServer)
        box = ModbusRoles::Box::TcpServer;
    const ModbusRoles roles = ModbusRoles::AfterClick(ReadRoles(), box);
    SetRoles(roles);

    ModbusConfigItem item = ReadItem();
    const auto setBit = [](std::uint16_t& word, std::uint16_t bit, bool on) {
        word = static_cast<std::uint16_t>(on ? word | bit : word & ~bit);
    };
    if (box == ModbusRoles::Box::RtuSlave || box == ModbusRoles::Box::TcpServer) {
        setBit(item.modeWord, ModbusConfigItem::kRtuSlave, roles.rtuSlave);
        setBit(item.modeWord, ModbusConfigItem::kTcpServer, roles.tcpServer);
        WriteItem(item);
        const bool filter = Checked(res::kIdcModbusFilterClients);
        SetTabs(roles.tcpServer && filter, "Allowed Addresses");
        if (!roles.tcpServer)
            ShowSettingsControls(true);
    }
    UpdateEnabling();
}

void CModbusPage::OnFilterClicked()
{
    const bool filter = Checked(res::kIdcModbusFilterClients);
    ModbusConfigItem item = ReadItem();
    item.serialWord = static_cast<std::uint16_t>(filter ? item.serialWord | ModbusConfigItem::kFilterClients
                                                        : item.serialWord & ~ModbusConfigItem::kFilterClients);
    WriteItem(item);
    SetTabs(filter && Checked(res::kIdcModbusTcpServer), "Allowed Addresses");
    UpdateEnabling();
}

void CModbusPage::OnSubnetMasksClicked()
{
    const bool nowChecked = Checked(res::kIdcModbusUseSubnetMasks);
    MessageBoxRequest request;
    request.owner = Handle();
    request.text = "Changing the state of this checkbox will clear\nall address settings.\n\nAre you sure you want to "
                   "continue?";
    request.caption = std::string(kSubnetCaption);
    request.buttons = MessageBoxButtons::YesNoCancel;
    request.icon = MessageBoxIcon::Question;
    if (Application::Instance().Prompts().ShowMessageBox(request) != kIdYes) {
        SetChecked(res::kIdcModbusUseSubnetMasks, !nowChecked);
        return;
    }
    if (tree_)
        tree_->EndEdit();
    ModbusConfigItem item = ReadItem();
    item.serialWord = static_cast<std::uint16_t>(nowChecked ? item.serialWord & ~ModbusConfigItem::kSingleAddresses
                                                            : item.serialWord | ModbusConfigItem::kSingleAddresses);
    WriteItem(item);
    tables_.ClearAllowed();
    FillTree();
}

void CModbusPage::OnDefaultPort()
{
    ModbusConfigItem item = ReadItem();
    item.tcpPort = ModbusConfigItem::kDefaultPort;
    WriteItem(item);
    if (Control* edit = GetControl(res::kIdcModbusPort))
        edit->SetText(std::to_string(ModbusConfigItem::kDefaultPort));
}

void CModbusPage::OnBitRateChanged()
{
    const auto* list = GetControlAs<ComboBoxControl>(res::kIdcModbusBitRate);
    if (list == nullptr || list->GetCurSel() < 0)
        return;
    ModbusConfigItem item = ReadItem();
    item.serialWord = static_cast<std::uint16_t>((item.serialWord & ~(3u << ModbusConfigItem::kBitRateShift))
        | static_cast<unsigned>(list->GetCurSel() & 3) << ModbusConfigItem::kBitRateShift);
    WriteItem(item);
}

void CModbusPage::OnHighWordFirstClicked()
{
    ModbusConfigItem item = ReadItem();
    item.serialWord = static_cast<std::uint16_t>(Checked(res::kIdcModbusHighWordFirst)
            ? item.serialWord | ModbusConfigItem::kHighWordFirst
            : item.serialWord & ~ModbusConfigItem::kHighWordFirst);
    WriteItem(item);
}

void CModbusPage::OnTabChanged()
{
    const auto* tabs = GetControlAs<TabControl>(res::kIdcModbusTabs);
    const bool settings = tabs == nullptr || tabs->GetCurSel() <= kSettingsTab;
    ShowSettingsControls(settings);
    if (tree_)
        tree_->EndEdit();
    (void)SaveSettings();
    FillTree();
}

void CModbusPage::FillTree()
{
    if (!tree_)
        return;
    tree_->DeleteAllItems();
    const ModbusConfigItem item = ReadItem();
    const auto* tabs = GetControlAs<TabControl>(res::kIdcModbusTabs);
    const bool allowedTab = tabs != nullptr && tabs->GetCurSel() == kAllowedTab;
    const bool filter = (item.serialWord & ModbusConfigItem::kFilterClients) != 0;
    if (allowedTab && filter && item.SingleAddresses()) {
        treeShows_ = TreeTable::SingleAllowed;
        for (std::uint32_t i = 0; i < ModbusConfigItem::kAllowedCount; ++i) {
            CModbusAddress& entry = tables_.allowed[i];
            entry.item = tree_->View().InsertItem("Address " + std::to_string(i + 1) + "  ");
            tree_->AddIPAddress(entry.item, CTreeOptionsIPAddressCtrl::Class(), i);
            tree_->SetIPAddress(entry.item, ntohl(entry.address));
        }
    } else if (allowedTab && filter) {
        treeShows_ = TreeTable::AllowedPairs;
        for (std::uint32_t i = 0; i < ModbusConfigItem::kPairCount; ++i) {
            CModbusAddress& entry = tables_.allowed[i];
            entry.item = tree_->View().InsertItem("Address " + std::to_string(i + 1) + "  ");
            tree_->AddBrowseButton(entry.item, CIPAddressButton::Class(), nullptr, i);
            tree_->SetEditText(entry.item, CIPAddressButton::FormatValueText(entry.address, entry.subnetMask));
        }
    } else {
        treeShows_ = TreeTable::Priority;
        for (std::uint32_t i = 0; i < ModbusConfigItem::kPriorityCount; ++i) {
            CModbusAddress& entry = tables_.priority[i];
            entry.item = tree_->View().InsertItem("Priority " + std::to_string(i + 1) + "  ");
            tree_->AddIPAddress(entry.item, CTreeOptionsIPAddressCtrl::Class(), i);
            tree_->SetIPAddress(entry.item, ntohl(entry.address));
        }
    }
}

// The addresses typed into the tree's address items go back into the table
// the tree shows; the address-and-mask items write their entries themselves.
void CModbusPage::ReadTreeValues()
{
    if (!tree_)
        return;
    tree_->EndEdit();
    if (treeShows_ == TreeTable::SingleAllowed) {
        for (CModbusAddress& entry : tables_.allowed)
            entry.address = htonl(tree_->GetIPAddress(entry.item));
    } else if (treeShows_ == TreeTable::Priority) {
        for (CModbusAddress& entry : tables_.priority)
            entry.address = htonl(tree_->GetIPAddress(entry.item));
    }
}

bool CModbusPage::SaveSettings()
{
    ReadTreeValues();
    ModbusSettingsEntries entries;
    entries.roles = ReadRoles();
    entries.highWordFirst = Checked(res::kIdcModbusHighWordFirst);
    entries.retry = Checked(res::kIdcModbusRetry);
    entries.filterClients = Checked(res::kIdcModbusFilterClients);
    entries.useSubnetMasks = Checked(res::kIdcModbusUseSubnetMasks);
    const auto text = [this](int id) {
        const Control* control = GetControl(id);
        return control ? control->GetText() : std::string();
    };
    entries.timeoutText = text(res::kIdcModbusTimeout);
    entries.delayText = text(res::kIdcModbusDelay);
    entries.portText = text(res::kIdcModbusPort);
    entries.nodeAddressText = text(res::kIdcModbusNodeAddress);
    if (const auto* list = GetControlAs<ComboBoxControl>(res::kIdcModbusBitRate))
        entries.bitRate = std::max(list->GetCurSel(), 0);
    for (std::size_t i = 0; i < kParityIds.size(); ++i)
        if (Checked(kParityIds[i]))
            entries.parity = static_cast<int>(i);

    if (const auto refusal = CheckModbusSettings(entries, image_.PortItem())) {
        MessageBoxRequest request;
        request.owner = Handle();
        request.text = std::string(refusal->text);
        request.caption = std::string(refusal->caption);
        request.icon = MessageBoxIcon::Warning;
        (void)Application::Instance().Prompts().ShowMessageBox(request);
        return false;
    }
    if (entries.roles.tcpServer && entries.roles.rtuSlave)
        SetChecked(res::kIdcModbusRtuSlave, false);
    ModbusConfigItem item = ReadItem();
    StoreModbusSettings(entries, item);
    tables_.Store(item);
    WriteItem(item);
    FillTree();  // the tables may have been tidied
    return true;
}

}  // namespace corvane
