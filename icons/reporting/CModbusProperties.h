#pragma once

#include "icons/common/CIconDialog.h"
#include "icons/reporting/CModbusItem.h"

#include <memory>
#include <vector>

namespace corvane {

class CModbusClientIcon;
class CTreeOptionsCtrl;

// "Modbus Addressable Icons": every Data Tag icon and remote constant or
// switch of the open net as a row of an option tree, each with an editable
// holding-register number. The rows are read from the net each time the
// dialog is made; OK checks them (numeric, in range, no duplicates, no
// neighbours, at most 255 of a kind) and only then rebuilds the icon's
// register list from them.
class CModbusProperties : public CIconDialog {
public:
    static constexpr std::uint32_t kHelpContext = 2151;
    // Posted to the dialog itself: fill the tree again from the rows.
    static constexpr MessageId kRefillMessage = 0x80CB;
    static constexpr std::string_view kErrorCaption = "Modbus Address Error";
    // Blanks after each icon name in its row.
    static constexpr std::string_view kNamePadding = "     ";

    explicit CModbusProperties(CModbusClientIcon& icon, Window* parent = nullptr);
    ~CModbusProperties() override;

    // In a battery-powered net a newly placed icon first asks whether the
    // register map is wanted at all; Cancel ends the dialog unopened.
    bool RunModal() override;

    const std::vector<CModbusItem>& Items() const { return items_; }
    CTreeOptionsCtrl* Tree() const { return tree_.get(); }

    std::intptr_t OnMessage(Message& message) override;

protected:
    bool OnInitDialog() override;
    bool ValidateFields() override;
    void ApplyToIcon() override;

private:
    void FillTree();

    CModbusClientIcon& client_;
    std::vector<CModbusItem> items_;
    std::unique_ptr<CTreeOptionsCtrl> tree_;
};

}  // namespace corvane
