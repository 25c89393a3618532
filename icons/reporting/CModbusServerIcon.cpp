#include "icons/reporting/CModbusServerIcon.h"

#include "icons/reporting/CModbusServerIconDialog.h"
#include "icons/reporting/ModbusIconWord.h"
#include "netmodel/RecordTransfer.h"
#include "res/ResourceIds.h"

namespace corvane {
namespace {

constexpr std::string_view kDefaultName = "R/W Modbus Reg";

std::string Bounded(std::string_view text)
{
    return std::string(text.substr(0, std::min(text.find('\0'), CModbusServerIcon::kTextLimit)));
}

}  // namespace

CModbusServerIcon::CModbusServerIcon()
{
    SetBitmapId(res::kBitmapModbusRegister);
    SetCounts(0, 1);
}

CModbusServerIcon::CModbusServerIcon(const Rect& position) : CCorvaneIcon(position) { Init(); }

void CModbusServerIcon::Init()
{
    SetBitmapId(res::kBitmapModbusRegister);
    SetName(kDefaultName);
    InitIcon(Position().left, Position().top, 1, 1, kTypeCode, true, true, false);
    SetMode(false);
}

ModbusRegisterKind CModbusServerIcon::RegisterKind() const { return KindOfModbusWord(word_); }

void CModbusServerIcon::SetNote(std::string_view note) { note_ = Bounded(note); }

void CModbusServerIcon::SetServerText(std::string_view text) { serverText_ = Bounded(text); }

int CModbusServerIcon::DataType() const { return IsBitKind(RegisterKind()) ? data_type::kLogic : data_type::kData; }

bool CModbusServerIcon::TriggerWanted() const { return !IsWriteMode() || (word_ & modbus_word::kOutputOnTrigger) != 0; }

void CModbusServerIcon::SetLinkFlags()
{
    const std::uint8_t flags = DataType() == data_type::kLogic ? 0 : kInputLinkPlainFlags;
    if (IsWriteMode())
        GetInputLinks()[0].flags = flags;
    else
        GetOutputEntries()[0].flags = flags;
}

void CModbusServerIcon::SetMode(bool write)
{
    const ModbusRegisterKind kind = RegisterKind();
    write = write && (kind == ModbusRegisterKind::Coil || kind == ModbusRegisterKind::HoldingRegister);
    if (write != IsWriteMode() || TotalInputs() + OutputCount() != 1) {
        // The connector the other mode has no place for goes with its links.
        for (int i = 0; i < TotalInputs(); ++i)
            DisconnectInput(i);
        for (int i = 0; i < OutputCount(); ++i)
            DisconnectOutput(i);
        SetCounts(write ? 1 : 0, write ? 0 : 1);
        if (write)
            GetInputLinks()[0] = InputLink{};
    }
    BuildConnectors();
    if (!TriggerWanted())
        DisconnectInput(kTriggerSlot);
    SetLinkFlags();
    LayoutConnectors();
}

void CModbusServerIcon::DetachConnectors()
{
    DisconnectInput(kEnableSlot);
    DisconnectInput(kTriggerSlot);
    for (int i = 0; i < TotalInputs(); ++i)
        DisconnectInput(i);
    for (int i = 0; i < OutputCount(); ++i)
        DisconnectOutput(i);
}

void CModbusServerIcon::ResetConnectorLayout()
{
    ClearInputLink(Header().trigger);
    ClearInputLink(Header().enable);
    TriggerInput().SetLinkEnd({});
    EnableInput().SetLinkEnd({});
}

void CModbusServerIcon::SetSavedFile(const std::filesystem::path& file)
{
    savedName_ = file.filename().string();
    savedFolder_ = file.parent_path();
}

std::variant<std::size_t, RecordError> CModbusServerIcon::LoadRecord(std::span<const std::uint8_t> record)
{
    auto loaded = CCorvaneIcon::LoadRecord(record);
    if (std::holds_alternative<std::size_t>(loaded) && TotalInputs() + OutputCount() != 1)
        return RecordError{RecordErrorKind::BadCount, kIconInputCountOffset, "input count"};
    SetBitmapId((word_ & modbus_word::kTcp) != 0 ? res::kBitmapModbusRegisterTcp : res::kBitmapModbusRegister);
    return loaded;
}

void CModbusServerIcon::BuildConnectors()
{
    const int type = DataType();
    const bool write = IsWriteMode();
    Input(0) = CInput(
        connector_kind::kDataInput, write, false, GetConnectorPoint(1, 1, connector_kind::kDataInput), type, this);
    Output(0)
        = COutput(connector_kind::kOutput, !write, false, GetConnectorPoint(1, 1, connector_kind::kOutput), type, this);
    TriggerInput().SetActive(TriggerWanted());
}

std::unique_ptr<IconDialog> CModbusServerIcon::CreateIconDialog()
{
    return std::make_unique<CModbusServerIconDialog>(*this);
}

void CModbusServerIcon::Layout()
{
    Header().length = kRecordLength;
    BuildConnectors();
    CCorvaneIcon::Layout();
}

int CModbusServerIcon::CheckIconConnections(bool& isolated) const
{
    const bool write = IsWriteMode();
    return CheckConnections(isolated, false, TriggerWanted(), false, write ? 1 : 0, !write, false);
}

void CModbusServerIcon::CopyFixedPart(RecordTransfer& t)
{
    t.U16(word_, "icon word");
    t.U32(offset_, "register offset");
    t.U16(device_, "device address");
    t.U16(port_, "TCP port");
    t.U32(server_, "server address");
}

std::size_t CModbusServerIcon::TransferTail(RecordTransfer& t)
{
    std::size_t length = t.NetString(note_, kTextLimit, false, "note");
    length += t.NetString(serverText_, kTextLimit, false, "server text");
    return length;
}

}  // namespace corvane
