#include "commwindow/CConnectionSettingsDlg.h"

#include "comms/ConnectionKind.h"
#include "comms/SerialPortNames.h"
#include "platform/Application.h"
#include "platform/BitmapCatalog.h"
#include "platform/ComboBoxControl.h"
#include "platform/DataExchange.h"
#include "platform/EditControl.h"
#include "platform/ImageList.h"
#include "platform/ListViewControl.h"
#include "platform/PromptSink.h"
#include "res/ConnectionSettingsDialog.h"
#include "res/ResourceIds.h"
#include "shell/RangeChecks.h"

#include <array>
#include <string_view>

namespace corvane {

namespace {

// The radio buttons in kind order.
constexpr std::array kKindButtons = {
    res::kIdcSettingsEthernet,
    res::kIdcSettingsWiFi,
    res::kIdcSettingsCellular,
    res::kIdcSettingsUsb,
    res::kIdcSettingsRs232,
};

constexpr int kImageSize = 18;
constexpr int kNumberColumn = 0;
constexpr int kSerialColumn = 1;
constexpr int kPortColumn = 2;
constexpr std::uint32_t kMaxIpPort = 65535;
constexpr std::string_view kIpPortName = "IP port";

bool IsKind(int kind, ConnectionKind wanted) { return kind == static_cast<int>(wanted); }

}  // namespace

CConnectionSettingsDlg::CConnectionSettingsDlg(
    OM_DIRECTORY_ENTRY& entry, CUSBManager& usb, SerialPortNames& serialPorts, bool showProduction, Window* parent)
    : Dialog(res::kConnectionSettingsDialog, parent), entry_(entry), usb_(usb), serialPorts_(serialPorts),
      showProduction_(showProduction), name_(entry.name), address_(entry.address), kind_(entry.kind),
      // A negative stored port shows as a number the range check refuses.
      ipPort_(static_cast<std::uint32_t>(entry.ipPort))
{
    for (std::size_t i = 0; i < kKindButtons.size(); ++i)
        On(Notification::Clicked, kKindButtons[i], [this, i](NotifyEvent&) { ShowKindControls(static_cast<int>(i)); });
    On(Notification::Clicked, res::kIdcSettingsOk, [this](NotifyEvent&) { Accept(); });
}

bool CConnectionSettingsDlg::OnInitDialog()
{
    // The fields hold their text and a terminator, so the edits stop one
    // character short of the field.
    GetControlAs<EditControl>(res::kIdcSettingsName)->SetLimitText(OM_DIRECTORY_ENTRY::kMaxNameBytes);
    GetControlAs<EditControl>(res::kIdcSettingsAddress)->SetLimitText(OM_DIRECTORY_ENTRY::kMaxAddressBytes);
    const bool result = Dialog::OnInitDialog();
    FillComPorts();
    if (!showProduction_) {
        for (int id : {res::kIdcSettingsRs232, res::kIdcSettingsComPort, res::kIdcSettingsComPortLabel})
            GetControl(id)->Show(false);
    }
    ShowKindControls(kind_);
    FillUsbList();
    return result;
}

void CConnectionSettingsDlg::DoDataExchange(DataExchange& exchange)
{
    DdxText(exchange, res::kIdcSettingsName, name_, OM_DIRECTORY_ENTRY::kMaxNameBytes);
    DdxRadio(exchange, res::kIdcSettingsEthernet, kind_);
    DdxText(exchange, res::kIdcSettingsAddress, address_, OM_DIRECTORY_ENTRY::kMaxAddressBytes);
    DdxUnsigned(exchange, res::kIdcSettingsIpPort, ipPort_);
}

void CConnectionSettingsDlg::FillComPorts()
{
    auto* combo = GetControlAs<ComboBoxControl>(res::kIdcSettingsComPort);
    combo->ResetContent();
    serialPorts_.Scan();
    for (const SerialPortChoice& choice : serialPorts_.Choices()) {
        const int row = combo->AddString(choice.name);
        combo->SetItemData(row, choice.port);
    }
    combo->SetCurSel(serialPorts_.RowForComIndex(entry_.comIndex));
}

void CConnectionSettingsDlg::FillUsbList()
{
    auto* list = GetControlAs<ListViewControl>(res::kIdcSettingsUsbList);
    list->InsertColumn(kNumberColumn, "Logger", 80);
    list->InsertColumn(kSerialColumn, "Serial Number", 230);
    list->InsertColumn(kPortColumn, "Port", 100);
    ImageList images(kImageSize, kImageSize);
    images.Add(Application::Instance().Bitmaps().Get(res::kBitmapUsbLogger));
    images.Add(Application::Instance().Bitmaps().Get(res::kBitmapUsbLoggerInUse));
    list->SetImageList(images);

    usb_.Scan();
    usbRows_.clear();
    int chosen = -1;
    for (int i = 0; i < usb_.GetCount(); ++i) {
        _usbInfoStruct device;
        usb_.GetEntry(i, device);
        const int row = list->InsertItem(i, std::to_string(i + 1), 0);
        list->SetItemText(row, kSerialColumn, "SN " + device.instanceName);
        list->SetItemText(row, kPortColumn, device.portName);
        if (chosen < 0 && device.active != 0 && device.portName == entry_.usbPortName)
            chosen = row;
        usbRows_.push_back(std::move(device));
    }
    if (usbRows_.empty())
        return;
    if (chosen < 0)
        chosen = 0;
    list->SetItemSelected(chosen);
    list->EnsureVisible(chosen);
}

void CConnectionSettingsDlg::ShowKindControls(int kind)
{
    const bool usb = IsKind(kind, ConnectionKind::Usb);
    const bool serial = IsKind(kind, ConnectionKind::Rs232);
    const bool network = !usb && !serial;
    for (int id : {res::kIdcSettingsAddress, res::kIdcSettingsAddressLabel, res::kIdcSettingsIpPort,
             res::kIdcSettingsIpPortLabel})
        GetControl(id)->Show(network);
    GetControl(res::kIdcSettingsComPort)->Show(serial);
    GetControl(res::kIdcSettingsComPortLabel)->Show(serial);
    GetControl(res::kIdcSettingsUsbList)->Show(usb);
}

void CConnectionSettingsDlg::OnOK() { Accept(); }

void CConnectionSettingsDlg::Accept()
{
    if (!UpdateData(true))
        return;
    if (!CheckRangeUnsigned(Handle(), ipPort_, 0, kMaxIpPort, kIpPortName))
        return;

    OM_DIRECTORY_ENTRY edited = entry_;
    edited.name = name_;
    edited.address = address_;
    // An entry of a kind no button stands for keeps it unless one is chosen.
    if (kind_ >= 0)
        edited.kind = kind_;
    // A COM port that is not present now stays as it was.
    const auto* combo = GetControlAs<ComboBoxControl>(res::kIdcSettingsComPort);
    if (const int row = combo->GetCurSel(); row >= 0)
        edited.comIndex = static_cast<int>(combo->GetItemData(row)) - 1;
    edited.ipPort = static_cast<std::int32_t>(ipPort_);

    if (IsKind(edited.kind, ConnectionKind::Usb)) {
        const auto* list = GetControlAs<ListViewControl>(res::kIdcSettingsUsbList);
        const int row = list->GetSelectedItem();
        if (list->GetSelectedCount() != 1 || row < 0 || static_cast<std::size_t>(row) >= usbRows_.size()) {
            MessageBoxRequest box;
            box.owner = Handle();
            box.text = "No logger has been selected";
            box.caption = "Invalid Selection";
            box.icon = MessageBoxIcon::Warning;
            Application::Instance().Prompts().ShowMessageBox(box);
            return;
        }
        edited.usbPortName = usbRows_[static_cast<std::size_t>(row)].portName;
    }
    entry_ = std::move(edited);
    EndDialog(kIdOk);
}

}  // namespace corvane
