#pragma once

#include "icons/reporting/ModbusRegisterAddress.h"
#include "netdoc/NetIconRoles.h"
#include "netmodel/CCorvaneIcon.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace corvane {

// "R/W Modbus Reg": reads or writes one register of a remote Modbus device
// over the logger's serial port (RTU) or the network (TCP). Read mode has
// one output carrying the value read; write mode one data input whose
// value is written, upon its trigger or whenever it changes. Coils and
// contacts carry on/off states, registers numbers.
//
// Fixed part (record offsets):
//   72 u16 icon word (ModbusIconWord.h)   74 u32 register offset (number - 1)
//   78 u16 RTU device address or TCP unit id   80 u16 TCP port
//   82 u32 server IPv4 address (a.b.c.d as a*2^24 + ... + d; 0 for RTU)
// then the input link (write mode) or the output entry (read mode), then
// the tail: the note and the server text, each NUL-terminated, at most 64
// bytes each.
class CModbusServerIcon : public CCorvaneIcon, public ModbusServerRole {
public:
    static constexpr std::uint16_t kTypeCode = 7;
    static constexpr std::uint16_t kRecordLength = 86;
    static constexpr std::uint16_t kNewIconWord = 0x1030;  // holding register, unsigned 16 bits, RTU, width 1
    static constexpr std::uint16_t kDefaultDevice = 1;
    static constexpr std::uint16_t kDefaultPort = 502;
    static constexpr std::size_t kTextLimit = 64;

    // For the loader.
    CModbusServerIcon();
    // Placing from the palette: read mode.
    explicit CModbusServerIcon(const Rect& position);

    std::string_view ClassName() const override { return "CModbusServerIcon"; }

    std::uint16_t IconWord() const { return word_; }
    void SetIconWord(std::uint16_t word) { word_ = word; }
    ModbusRegisterKind RegisterKind() const;
    std::uint32_t RegisterOffset() const { return offset_; }
    void SetRegisterOffset(std::uint32_t offset) { offset_ = offset; }
    std::uint16_t DeviceAddress() const { return device_; }
    void SetDeviceAddress(std::uint16_t address) { device_ = address; }
    std::uint16_t Port() const { return port_; }
    void SetPort(std::uint16_t port) { port_ = port; }
    std::uint32_t ServerAddress() const { return server_; }
    void SetServerAddress(std::uint32_t address) { server_ = address; }
    // The note and the server text (Windows-1252, at most 64 bytes each).
    const std::string& Note() const { return note_; }
    void SetNote(std::string_view note);
    const std::string& ServerText() const { return serverText_; }
    void SetServerText(std::string_view text);
    // The saved-icon file the icon was last saved to or read from: its
    // name and its folder (empty when none).
    const std::string& SavedFileName() const { return savedName_; }
    const std::filesystem::path& SavedFileFolder() const { return savedFolder_; }

    // Write mode has a data input, read mode an output.
    bool IsWriteMode() const { return InputCount() > 0; }
    // Sets up the connectors for a mode and the register kind's data type
    // (on/off for coils and contacts, numbers for registers): one data
    // input in write mode, one output in read mode; the trigger input is
    // active in read mode and when writing upon the trigger. Contacts and
    // input registers are read only. A trigger that is switched off loses
    // its link.
    void SetMode(bool write);

    // ModbusServerRole.
    std::uint16_t ModbusModeWord() const override { return word_; }
    // Unlinks every connector of the icon: its inputs, the trigger and
    // enable inputs and whatever its output feeds.
    void DetachConnectors() override;
    // Clears the trigger and enable links and the ends drawn for them.
    void ResetConnectorLayout() override;
    void SetSavedFile(const std::filesystem::path& file) override;

    std::variant<std::size_t, RecordError> LoadRecord(std::span<const std::uint8_t> record) override;
    void BuildConnectors() override;
    std::unique_ptr<IconDialog> CreateIconDialog() override;
    void Layout() override;
    int CheckIconConnections(bool& isolated) const override;
    void CopyFixedPart(RecordTransfer& transfer) override;
    std::size_t TransferTail(RecordTransfer& transfer) override;

private:
    void Init();
    int DataType() const;
    bool TriggerWanted() const;
    // The link flags of the data input and the output follow their data type.
    void SetLinkFlags();

    std::uint16_t word_ = kNewIconWord;
    std::uint32_t offset_ = 0;
    std::uint16_t device_ = kDefaultDevice;
    std::uint16_t port_ = kDefaultPort;
    std::uint32_t server_ = 0;
    std::string note_;
    std::string serverText_;
    std::string savedName_;
    std::filesystem::path savedFolder_;
};

}  // namespace corvane
