#include "icons/reporting/CModbusServerIconDialog.h"

#include "base/AtomicFile.h"
#include "base/Cp1252.h"
#include "icons/reporting/CModbusServerIcon.h"
#include "icons/reporting/ModbusIconWord.h"
#include "netdoc/CNetDoc.h"
#include "netdoc/ModbusIconFile.h"
#include "platform/Application.h"
#include "platform/ButtonControl.h"
#include "platform/Control.h"
#include "platform/DataExchange.h"
#include "platform/EditControl.h"
#include "platform/PromptSink.h"
#include "res/ModbusServerIconDialog.h"
#include "res/ResourceIds.h"

#include <array>
#include <charconv>

namespace corvane {
namespace {

// The logger's network features: the low three bits of its capability byte.
constexpr std::uint8_t kNetworkFeatureBits = 0x07;
constexpr std::size_t kAddressLimit = 6;
constexpr std::array<std::string_view, 3> kDefaultNames{"R/W Slave Reg", "R/W Server Reg", "R/W Modbus Reg"};

constexpr std::array kFormatRadios{res::kIdcMbInt16, res::kIdcMbInt32, res::kIdcMbDecimal, res::kIdcMbHighLow};
constexpr std::array kTcpControls{
    res::kIdcMbTcp, res::kIdcMbServer, res::kIdcMbServerLabel, res::kIdcMbPort, res::kIdcMbPortLabel};

CNetDoc* NetOf(const CModbusServerIcon& icon) { return dynamic_cast<CNetDoc*>(icon.Owner()); }

// A number typed into a box, or nothing.
std::optional<int> NumberIn(const Control* control)
{
    if (control == nullptr)
        return std::nullopt;
    const std::string text = control->GetText();
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

}  // namespace

CModbusServerIconDialog::CModbusServerIconDialog(CModbusServerIcon& icon, Window* parent)
    : CIconDialog(res::kModbusServerIconDialog, icon, kHelpContext, parent), server_(icon),
      note_(Cp1252ToUtf8(icon.Note())), serverText_(Cp1252ToUtf8(icon.ServerText())), device_(icon.DeviceAddress()),
      port_(icon.Port()), bitStart_((icon.IconWord() >> modbus_word::kBitStartShift) & 0xF),
      bitWidth_((icon.IconWord() >> modbus_word::kBitWidthShift) & 0xF)
{
    SetSections(false, false, true);
    const std::uint16_t word = icon.IconWord();
    kind_ = icon.RegisterKind();
    addressText_ = FormatModbusAddress(*kind_, icon.RegisterOffset());
    link_ = (word & modbus_word::kTcp) != 0 ? 1 : 0;
    const bool bitField = (word & modbus_word::kMsbFirstOrBitField) != 0 && (word & modbus_word::kFormatBits) == 0;
    sign_ = static_cast<int>(bitField            ? ModbusSign::BitField
            : (word & modbus_word::kSigned) != 0 ? ModbusSign::Signed
                                                 : ModbusSign::Unsigned);
    mode_ = icon.IsWriteMode() ? 1 : 0;
    format_ = static_cast<int>((word & modbus_word::kDecimalBit) != 0 ? ModbusFormat::Decimal
            : (word & modbus_word::kInt32Bit) != 0                    ? ModbusFormat::Int32
                                                                      : ModbusFormat::Int16);
    if (IsBitKind(*kind_))
        format_ = static_cast<int>(ModbusFormat::HighLow);
    order_ = (word & modbus_word::kMsbFirstOrBitField) != 0 ? 1 : 0;
    output_ = (word & modbus_word::kOutputOnTrigger) != 0 ? 0 : 1;
    openedWrite_ = icon.IsWriteMode();
    openedBitKind_ = IsBitKind(*kind_);

    for (const int id : {res::kIdcMbRtu, res::kIdcMbTcp, res::kIdcMbRead, res::kIdcMbWrite, res::kIdcMbInt16,
             res::kIdcMbInt32, res::kIdcMbDecimal, res::kIdcMbHighLow, res::kIdcMbSigned, res::kIdcMbUnsigned,
             res::kIdcMbBitField, res::kIdcMbMsbFirst, res::kIdcMbLsbFirst, res::kIdcMbOnTrigger, res::kIdcMbOnChange})
        On(Notification::Clicked, id, [this](NotifyEvent&) { Refresh(); });
    for (const int id : {res::kIdcMbBitStart, res::kIdcMbBitWidth})
        On(Notification::Changed, id, [this](NotifyEvent&) { Refresh(); });
    On(Notification::Changed, res::kIdcMbAddress, [this](NotifyEvent&) { OnAddressChanged(); });
    On(Notification::Clicked, res::kIdcMbSave, [this](NotifyEvent&) { OnSave(); });
    On(Notification::Clicked, res::kIdcMbSaveAs, [this](NotifyEvent&) { OnSaveAs(); });
}

CModbusServerIconDialog::~CModbusServerIconDialog() = default;

bool CModbusServerIconDialog::Checked(int id) const
{
    const auto* button = GetControlAs<ButtonControl>(id);
    return button != nullptr && button->GetCheck() == 1;
}

void CModbusServerIconDialog::Check(int id, bool on)
{
    if (auto* button = GetControlAs<ButtonControl>(id))
        button->SetCheck(on ? 1 : 0);
}

void CModbusServerIconDialog::CheckRadio(int firstId, int lastId, int id)
{
    for (int radio = firstId; radio <= lastId; ++radio)
        Check(radio, radio == id);
}

void CModbusServerIconDialog::EnableControl(int id, bool enable)
{
    if (Control* control = GetControl(id))
        control->Enable(enable);
}

void CModbusServerIconDialog::ShowControl(int id, bool show)
{
    if (Control* control = GetControl(id))
        control->Show(show);
}

bool CModbusServerIconDialog::OnInitDialog()
{
    if (auto* address = GetControlAs<EditControl>(res::kIdcMbAddress))
        address->SetLimitText(kAddressLimit);
    for (const int id : {res::kIdcMbNote, res::kIdcMbServer})
        if (auto* edit = GetControlAs<EditControl>(id))
            edit->SetLimitText(CModbusServerIcon::kTextLimit);
    const CNetDoc* net = NetOf(server_);
    const bool tcpOffered = net != nullptr && (net->Services().LoggerCapabilityByte() & kNetworkFeatureBits) != 0;
    const bool result = CIconDialog::OnInitDialog();
    // Testing the settings through the logger is not offered here.
    EnableControl(res::kIdcMbTest, false);
    if (!tcpOffered)
        for (const int id : kTcpControls)
            ShowControl(id, false);
    Refresh();
    return result;
}

void CModbusServerIconDialog::DoDataExchange(DataExchange& exchange)
{
    DdxText(exchange, res::kIdcMbNote, note_, CModbusServerIcon::kTextLimit);
    DdxText(exchange, res::kIdcMbServer, serverText_, CModbusServerIcon::kTextLimit);
    DdxText(exchange, res::kIdcMbAddress, addressText_, kAddressLimit);
    DdxInt(exchange, res::kIdcMbDevice, device_, 1, 247);
    DdxInt(exchange, res::kIdcMbPort, port_, 0, 1023);
    DdxInt(exchange, res::kIdcMbBitStart, bitStart_, 0, 15);
    DdxInt(exchange, res::kIdcMbBitWidth, bitWidth_, 1, 15);
    DdxRadio(exchange, res::kIdcMbRtu, link_);
    DdxRadio(exchange, res::kIdcMbRead, mode_);
    DdxRadio(exchange, res::kIdcMbOnTrigger, output_);
    DdxRadio(exchange, res::kIdcMbInt16, format_);
    DdxRadio(exchange, res::kIdcMbUnsigned, sign_);
    DdxRadio(exchange, res::kIdcMbLsbFirst, order_);
    CIconDialog::DoDataExchange(exchange);
}

void CModbusServerIconDialog::OnAddressChanged()
{
    const Control* address = GetControl(res::kIdcMbAddress);
    if (address == nullptr)
        return;
    const ModbusAddressVerdict verdict = CheckModbusAddress(address->GetText());
    if (verdict.state == ModbusAddressVerdict::State::Refused) {
        ShowError(verdict.message);
        return;
    }
    if (verdict.state != ModbusAddressVerdict::State::Valid)
        return;
    kind_ = verdict.kind;
    if (Control* type = GetControl(res::kIdcMbType))
        type->SetText(ModbusKindName(verdict.kind));
    Refresh();
}

void CModbusServerIconDialog::Refresh()
{
    // A stored TCP icon stays TCP where the choice is hidden.
    const bool tcp = Checked(res::kIdcMbTcp);
    if (Control* label = GetControl(res::kIdcMbDeviceLabel))
        label->SetText(tcp ? "TCP Unit ID" : "RTU Device Address");
    for (const int id : {res::kIdcMbServer, res::kIdcMbServerLabel, res::kIdcMbPort, res::kIdcMbPortLabel})
        EnableControl(id, tcp);

    if (Checked(res::kIdcMbBitField) && (Checked(res::kIdcMbInt32) || Checked(res::kIdcMbDecimal)))
        CheckRadio(res::kIdcMbSigned, res::kIdcMbBitField, res::kIdcMbUnsigned);

    const ModbusRegisterKind kind = kind_.value_or(ModbusRegisterKind::HoldingRegister);
    const bool bitKind = IsBitKind(kind);
    for (const int id : {res::kIdcMbInt16, res::kIdcMbInt32, res::kIdcMbDecimal})
        EnableControl(id, !bitKind);
    EnableControl(res::kIdcMbHighLow, bitKind);
    if (bitKind) {
        for (const int id : kFormatRadios)
            Check(id, id == res::kIdcMbHighLow);
    } else if (Checked(res::kIdcMbHighLow)
        || !(Checked(res::kIdcMbInt16) || Checked(res::kIdcMbInt32) || Checked(res::kIdcMbDecimal))) {
        for (const int id : kFormatRadios)
            Check(id, id == res::kIdcMbInt16);
    }
    const bool int16 = !bitKind && Checked(res::kIdcMbInt16);
    const bool int32 = !bitKind && Checked(res::kIdcMbInt32);
    const bool decimal = !bitKind && Checked(res::kIdcMbDecimal);
    for (const int id : {res::kIdcMbSigned, res::kIdcMbUnsigned})
        EnableControl(id, int16 || int32);
    for (const int id : {res::kIdcMbMsbFirst, res::kIdcMbLsbFirst, res::kIdcMbWordOrderNote})
        EnableControl(id, int32 || decimal);

    const bool readOnly = kind == ModbusRegisterKind::Contact || kind == ModbusRegisterKind::InputRegister;
    EnableControl(res::kIdcMbWrite, !readOnly);
    if (readOnly)
        CheckRadio(res::kIdcMbRead, res::kIdcMbWrite, res::kIdcMbRead);
    const bool write = Checked(res::kIdcMbWrite);
    EnableControl(kIdcUnits, !write);
    for (const int id : {res::kIdcMbOnTrigger, res::kIdcMbOnChange})
        EnableControl(id, write);

    const bool bitFieldOffered = !write && int16;
    EnableControl(res::kIdcMbBitField, bitFieldOffered);
    // A bit field that is not offered is not kept: the value is a plain number.
    if (!bitFieldOffered && Checked(res::kIdcMbBitField))
        CheckRadio(res::kIdcMbSigned, res::kIdcMbBitField, res::kIdcMbUnsigned);
    const bool bitField = bitFieldOffered && Checked(res::kIdcMbBitField);
    for (const int id : {res::kIdcMbBitStart, res::kIdcMbBitStartLabel, res::kIdcMbBitWidth, res::kIdcMbBitWidthLabel,
             res::kIdcMbBitMap})
        EnableControl(id, bitField);
    const std::optional<int> start = NumberIn(GetControl(res::kIdcMbBitStart));
    const std::optional<int> width = NumberIn(GetControl(res::kIdcMbBitWidth));
    const bool mapShown = bitField && start && width && IsValidBitField(*start, *width);
    if (Control* map = GetControl(res::kIdcMbBitMap))
        map->SetText(mapShown ? ModbusBitMapText(*start, *width) : std::string());
    if (Control* note = GetControl(res::kIdcMbBitMapNote)) {
        note->SetText(mapShown ? ModbusBitFieldNote(*width) : std::string());
        note->Show(mapShown);
    }
    title_ = std::string(write ? "Write" : "Read") + " Modbus " + (tcp ? "Server" : "Slave") + " register";
    SetCaption(title_);
}

void CModbusServerIconDialog::ShowError(std::string_view text)
{
    MessageBoxRequest box;
    box.owner = Handle();
    box.text = std::string(text);
    box.caption = std::string(kErrorCaption);
    box.icon = MessageBoxIcon::Warning;
    Application::Instance().Prompts().ShowMessageBox(box);
}

bool CModbusServerIconDialog::ValidateFields()
{
    const ModbusAddressVerdict address = CheckModbusAddress(addressText_);
    ModbusWordChoices choices;
    choices.format = static_cast<ModbusFormat>(format_);
    choices.sign = static_cast<ModbusSign>(sign_);
    choices.msbFirst = order_ == 1;
    if (address.state == ModbusAddressVerdict::State::Valid)
        choices.kind = address.kind;
    choices.tcp = link_ == 1;
    choices.outputOnTrigger = output_ == 0;
    choices.bitStart = bitStart_;
    choices.bitWidth = bitWidth_;
    const auto composed = ComposeModbusWord(choices);
    if (const auto* refusal = std::get_if<std::string_view>(&composed)) {
        const bool addressRefused = *refusal != kBitFieldPlacementText;
        ShowError(addressRefused && address.state == ModbusAddressVerdict::State::Refused ? address.message : *refusal);
        return false;
    }
    word_ = std::get<std::uint16_t>(composed);
    offset_ = address.offset;
    return true;
}

void CModbusServerIconDialog::ApplyToIcon()
{
    const bool write = mode_ == 1;
    const bool bitKind = IsBitKind(KindOfModbusWord(word_));
    // A new mode or data type leaves no link of the old one.
    if (write != openedWrite_ || bitKind != openedBitKind_)
        server_.DetachConnectors();
    const bool tcp = (word_ & modbus_word::kTcp) != 0;
    server_.SetIconWord(word_);
    server_.SetRegisterOffset(offset_);
    server_.SetDeviceAddress(static_cast<std::uint16_t>(device_));
    server_.SetPort(static_cast<std::uint16_t>(port_));
    const std::string serverText = Utf8ToCp1252(serverText_, CModbusServerIcon::kTextLimit);
    server_.SetServerAddress(tcp ? ServerTextToAddress(serverText) : 0);
    server_.SetServerText(serverText);
    server_.SetNote(Utf8ToCp1252(note_, CModbusServerIcon::kTextLimit));
    server_.SetMode(write);
    server_.SetBitmapId(tcp ? res::kBitmapModbusRegisterTcp : res::kBitmapModbusRegister);
    applied_ = true;
}

void CModbusServerIconDialog::OnOK()
{
    CIconDialog::OnOK();
    if (!applied_)
        return;
    // A default name follows the link kind.
    for (const std::string_view name : kDefaultNames)
        if (server_.Name() == name) {
            server_.SetName((server_.IconWord() & modbus_word::kTcp) != 0 ? kDefaultNames[1] : kDefaultNames[0]);
            break;
        }
}

bool CModbusServerIconDialog::ApplyAndClose()
{
    applied_ = false;
    OnOK();
    return applied_;
}

bool CModbusServerIconDialog::WriteSavedIcon(const std::filesystem::path& path, FileErrorKind* failure)
{
    auto stored = server_.StoreRecord(TransferMode::Save);
    const auto* record = std::get_if<std::vector<std::uint8_t>>(&stored);
    if (record == nullptr) {
        *failure = FileErrorKind::Failed;
        return false;
    }
    const FileError error = WriteFileAtomically(path, BuildModbusIconFile(*record));
    *failure = error.kind;
    return !error;
}

void CModbusServerIconDialog::OnSaveAs()
{
    if (!ApplyAndClose())
        return;
    CNetDoc* net = NetOf(server_);
    FileDialogRequest request;
    request.owner = Handle();
    request.open = false;
    request.folder = net != nullptr ? net->Services().ModbusFileFolder().string() : std::string();
    request.fileName = "*.mbi";
    request.filter = std::string(kFileFilter);
    request.defaultExtension = "mbi";
    request.overwritePrompt = true;
    const std::optional<FileDialogResult> chosen = Application::Instance().Prompts().ShowFileDialog(request);
    if (!chosen || chosen->paths.empty())
        return;
    const std::filesystem::path path = chosen->paths.front();
    if (net != nullptr)
        net->Services().SetModbusFileFolder(path.parent_path());
    FileErrorKind failure = FileErrorKind::None;
    if (!WriteSavedIcon(path, &failure)) {
        ShowError("File could not be opened " + path.string());
        return;
    }
    server_.SetSavedFile(path);
}

void CModbusServerIconDialog::OnSave()
{
    if (server_.SavedFileName().empty()) {
        OnSaveAs();
        return;
    }
    if (!ApplyAndClose())
        return;
    if (CNetDoc* net = NetOf(server_))
        net->Services().SetModbusFileFolder(server_.SavedFileFolder());
    FileErrorKind failure = FileErrorKind::None;
    if (!WriteSavedIcon(server_.SavedFileFolder() / server_.SavedFileName(), &failure))
        ShowError(failure == FileErrorKind::NotFound ? "ERROR: File not found\n" : "ERROR: Unable to open file\n");
}

}  // namespace corvane
