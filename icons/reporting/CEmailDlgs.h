#pragma once

#include "icons/common/CIconDialog.h"
#include "icons/reporting/CEmailAttachPage.h"
#include "icons/reporting/DataTagLists.h"
#include "icons/reporting/TransferSettings.h"

#include <memory>
#include <string>
#include <string_view>

namespace corvane {

class CEmailIcon;
class CEmailSheet;
class EmailAddressBook;
class SettingsStore;

// The e-mail icon's dialog ("Email"): its name and, in a sheet below it,
// the Message, File Specification and data-tag picker pages. The pages
// work on the dialog's copies of the icon's settings and tag lists. OK
// checks the pages in that order (the first refusal keeps the dialog open
// and writes nothing), then writes every page into the icon once; Cancel
// leaves the icon as it was.
class CEmailDlgs : public CIconDialog {
public:
    // fromDefault: the From text offered when the icon has none; store:
    // the settings store holding the user's address book, or null (the
    // address book buttons are then greyed).
    CEmailDlgs(CEmailIcon& icon, std::string fromDefault, SettingsStore* store, Window* parent = nullptr);
    ~CEmailDlgs() override;

    CEmailSheet& Sheet() const { return *sheet_; }

protected:
    bool OnInitDialog() override;
    bool ValidateFields() override;
    void ApplyToIcon() override;

private:
    CEmailIcon& icon_;
    std::string fromDefault_;
    std::unique_ptr<EmailAddressBook> book_;
    TransferSettings settings_;
    DataTagLists lists_;
    AttachSettings attach_;
    std::unique_ptr<CEmailSheet> sheet_;
};

}  // namespace corvane
