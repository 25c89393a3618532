#pragma once

#include "base/FileError.h"
#include "icons/common/CIconDialog.h"
#include "icons/reporting/ModbusRegisterAddress.h"

#include <filesystem>
#include <optional>
#include <string>

namespace corvane {

class CModbusServerIcon;

// Configures a remote Modbus register icon: the register address text
// (kind digit and register number), its format, the device address and,
// for TCP, the server and port; read or write mode. The controls follow
// each other as the user changes them (Refresh); nothing reaches the icon
// before OK. Save and Save As write the configured icon, entries applied
// as OK applies them, to a saved-icon file (".mbi"); a refused entry keeps
// the dialog open and writes nothing. The TCP choices are hidden when the
// connected logger has no network features.
class CModbusServerIconDialog : public CIconDialog {
public:
    static constexpr std::uint32_t kHelpContext = 2151;
    static constexpr std::string_view kErrorCaption = "Configuration Error";
    static constexpr std::string_view kFileFilter = "Modbus Icon Files (*.mbi)| *.mbi||";

    explicit CModbusServerIconDialog(CModbusServerIcon& icon, Window* parent = nullptr);
    ~CModbusServerIconDialog() override;

    // The title as the mode and link make it: "Read Modbus Slave register".
    const std::string& Title() const { return title_; }
    // The kind of the last valid address text.
    std::optional<ModbusRegisterKind> Kind() const { return kind_; }

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& exchange) override;
    void OnOK() override;
    bool ValidateFields() override;
    void ApplyToIcon() override;

private:
    bool Checked(int id) const;
    void Check(int id, bool on);
    void CheckRadio(int firstId, int lastId, int id);
    void EnableControl(int id, bool enable);
    void ShowControl(int id, bool show);
    // Sets the controls that depend on others after any change.
    void Refresh();
    // Judges the address text as it is typed.
    void OnAddressChanged();
    void ShowError(std::string_view text);
    // OK handling; true when the entries were accepted and applied.
    bool ApplyAndClose();
    void OnSave();
    void OnSaveAs();
    // Writes the icon's record as a saved-icon file; false on failure.
    bool WriteSavedIcon(const std::filesystem::path& path, FileErrorKind* failure);

    CModbusServerIcon& server_;
    std::string note_;
    std::string serverText_;
    std::string addressText_;
    int device_;
    int port_;
    int bitStart_;
    int bitWidth_;
    int link_ = 0;    // 0 RTU, 1 TCP
    int mode_ = 0;    // 0 read, 1 write
    int output_ = 0;  // 0 when triggered, 1 when the input changes
    int format_ = 0;  // ModbusFormat
    int sign_ = 0;    // ModbusSign
    int order_ = 0;   // 0 LSB first (normal), 1 MSB first
    std::optional<ModbusRegisterKind> kind_;
    std::string title_;
    bool openedWrite_ = false;
    bool openedBitKind_ = false;
    bool applied_ = false;
    std::uint16_t word_ = 0;
    std::uint32_t offset_ = 0;
};

}  // namespace corvane
