#pragma once

#include "netmodel/IconDialog.h"
#include "platform/Dialog.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace corvane {

class CCorvaneIcon;
class DataExchange;
enum class ConnectorSide;

// The base of every icon configuration dialog. It edits what all icons
// share: the icon name, the optional units text (the 8 bytes of output
// entry 0), and read-only rows naming the icons that feed inputs 1 to 4
// ("Unconnected" when nothing does, or when the feeding icon is gone). A
// derived dialog exchanges its own controls, checks them and writes them
// into the icon; nothing reaches the icon before OK, and Cancel leaves the
// icon, its connectors and its links as they were. The Help button opens
// the dialog's help context.
class CIconDialog : public Dialog, public IconDialog {
public:
    // Control ids every icon dialog template shares.
    static constexpr int kIdcName = 824;
    static constexpr int kIdcUnits = 1059;
    static constexpr int kIdcInput1 = 1060;
    static constexpr int kIdcInput2Label = 1153;
    static constexpr int kIdcInput2 = 1061;
    static constexpr int kIdcInput3Label = 1166;
    static constexpr int kIdcInput3 = 11057;
    static constexpr int kIdcInput4Label = 1167;
    static constexpr int kIdcInput4 = 1064;
    static constexpr std::size_t kNameLimit = 20;
    static constexpr std::size_t kUnitsLimit = 8;
    static constexpr std::uint32_t kDefaultHelpBase = 0x20000;  // plus the template id

    // helpContext 0 takes the default, 0x20000 plus the template id.
    CIconDialog(const DialogTemplate& layout, CCorvaneIcon& icon, std::uint32_t helpContext = 0,
        Window* parent = nullptr);
    ~CIconDialog() override;

    // IconDialog: runs modally; true when it ended with OK.
    bool RunModal() override;

    // Which shared rows the dialog shows; called before it opens.
    void SetSections(bool inputRow, bool spare, bool unitsRow);
    // Shows or hides an optional input (which != 0: the input-2 row and
    // the input at connectorIndex) or the optional output (which == 0:
    // the output at connectorIndex, a second output when SetOutputOption
    // asked for one). The rows change at once; the icon changes on OK only.
    void ShowOptionalConnector(int which, bool show, int connectorIndex);
    // The same for the rows of inputs 3 and 4; nothing when on is false.
    void ShowOptionalInput3(bool on, bool show, int connectorIndex);
    void ShowOptionalInput4(bool on, bool show, int connectorIndex);
    // Adds (secondOutput) or removes the second output at connectorIndex, on OK.
    void SetOutputOption(bool secondOutput, int connectorIndex);
    // Opens the dialog's help context through the prompt sink (the Help
    // button; a key that asks for help calls it too).
    void OnHelp();

    CCorvaneIcon& Icon() const { return icon_; }
    std::uint32_t HelpContext() const { return helpContext_; }
    // The text of an input row (1 to 4): the feeding icon's name or "Unconnected".
    const std::string& InputSourceText(int row) const { return inputSources_.at(static_cast<std::size_t>(row - 1)); }
    const std::string& NameText() const { return name_; }
    const std::string& UnitsText() const { return units_; }

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& exchange) override;
    void OnCancel() override;
    // Exchanges and checks everything (ValidateFields), then writes the
    // derived dialog's values (ApplyToIcon) and the shared ones once, then
    // ends with OK. A refusal keeps the dialog open and writes nothing.
    void OnOK() override;
    // The derived dialog's own checks after the exchange; false keeps the
    // dialog open (the check shows its own message).
    virtual bool ValidateFields() { return true; }
    // Writes the derived dialog's values into the icon; runs once, on OK.
    virtual void ApplyToIcon() {}

private:
    // A connector change chosen in the dialog, made on OK.
    struct PendingConnector {
        ConnectorSide side;
        int index;
        bool present;
        bool secondOutput;
    };

    void ShowOptionalRow(int row, bool show, int connectorIndex);
    void ShowRowControls(int row);
    void Remember(PendingConnector change);
    std::string SourceName(int row) const;

    CCorvaneIcon& icon_;
    std::uint32_t helpContext_;
    std::string name_;
    std::string units_;
    std::array<std::string, 4> inputSources_;
    bool inputRow_ = false;
    bool spare_ = false;  // kept for the derived dialogs' calls; it changes nothing
    bool unitsRow_ = false;
    std::array<bool, 3> optionalRows_{};  // inputs 2, 3, 4
    // Rows the dialog uses at all; the controls of the others are the
    // derived dialog's own (templates may give their ids other purposes).
    std::array<bool, 3> rowsUsed_{};
    bool outputOption_ = false;
    bool secondOutputOption_ = false;
    std::vector<PendingConnector> pending_;
};

}  // namespace corvane
