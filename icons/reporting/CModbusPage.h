#pragma once

#include "icons/reporting/ModbusAddressTables.h"
#include "icons/reporting/ModbusConfigItem.h"
#include "icons/reporting/ModbusSettingsEntries.h"
#include "platform/PropertyPage.h"
#include "shell/ModbusAddressOwner.h"

#include <initializer_list>
#include <memory>
#include <string_view>
#include <vector>

namespace corvane {

class CTreeOptionsCtrl;
class ModbusSettingsImage;

// "Modbus", the page of the logger configuration sheet that edits the
// logger's Modbus item in the sheet's configuration image: the Modbus roles,
// the RTU serial settings, the TCP port and client filtering, and the
// allowed and priority client tables, which an option tree shows on their
// own tabs. The role and filter boxes change the item as they are clicked;
// SaveSettings checks and stores the rest, and leaving the page is refused
// until it succeeds.
class CModbusPage : public PropertyPage, public ModbusAddressOwner {
public:
    // What the option tree lists.
    enum class TreeTable { SingleAllowed = 1, AllowedPairs = 2, Priority = 3 };

    static constexpr std::string_view kSubnetCaption = "Subnet Mask Change Confirmation";

    explicit CModbusPage(ModbusSettingsImage& image);
    ~CModbusPage() override;

    // Checks the page's values and stores them into the Modbus item: false,
    // after a box naming the value, when one is refused (nothing stored).
    bool SaveSettings();
    // Takes the client tables from the item (a stored port of 0 reads as 502).
    void LoadAddressTables();

    // The allowed table, which the address-and-mask items edit.
    std::vector<CModbusAddress>& ModbusAddresses() override { return tables_.allowed; }
    const ModbusAddressTables& Tables() const { return tables_; }
    TreeTable TreeShows() const { return treeShows_; }
    CTreeOptionsCtrl* Tree() const { return tree_.get(); }

protected:
    bool OnInitDialog() override;
    bool OnSetActive() override;
    bool OnKillActive() override;

private:
    ModbusConfigItem ReadItem() const;
    void WriteItem(const ModbusConfigItem& item);
    ModbusRoles ReadRoles() const;
    void SetRoles(const ModbusRoles& roles);
    bool Checked(int id) const;
    void SetChecked(int id, bool checked);
    void EnableControls(std::initializer_list<int> ids, bool enable);
    void UpdateEnabling();
    void ShowSettings(bool show);
    void ShowSettingsControls(bool show);
    void SetTabs(bool addressTabs, std::string_view allowedTabName);
    void FillTree();
    void ReadTreeValues();
    void OnTabChanged();
    void OnRoleClicked(int id);
    void OnFilterClicked();
    void OnSubnetMasksClicked();
    void OnDefaultPort();
    void OnBitRateChanged();
    void OnHighWordFirstClicked();

    ModbusSettingsImage& image_;
    ModbusAddressTables tables_;
    TreeTable treeShows_ = TreeTable::Priority;
    std::unique_ptr<CTreeOptionsCtrl> tree_;
};

}  // namespace corvane
