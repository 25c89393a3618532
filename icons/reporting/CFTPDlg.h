#pragma once

#include "icons/common/CIconDialog.h"
#include "icons/reporting/CEmailAttachPage.h"
#include "icons/reporting/DataTagLists.h"
#include "icons/reporting/TransferSettings.h"

#include <memory>

namespace corvane {

class CFTPIcon;
class CFTPSheet;

// The FTP icon's dialog ("File Transfer Protocol (FTP)"): its name and, in
// a sheet below it, the Destination, File Specification and data-tag
// picker pages. The pages work on the dialog's copies of the icon's
// settings and tag lists. OK checks the File Specification page, then the
// picker (a refusal keeps the dialog open and writes nothing), then writes
// every page into the icon once; Cancel gives the picker back its lists
// and leaves the icon as it was.
class CFTPDlg : public CIconDialog {
public:
    explicit CFTPDlg(CFTPIcon& icon, Window* parent = nullptr);
    ~CFTPDlg() override;

    CFTPSheet& Sheet() const { return *sheet_; }

protected:
    bool OnInitDialog() override;
    void OnCancel() override;
    bool ValidateFields() override;
    void ApplyToIcon() override;

private:
    CFTPIcon& icon_;
    TransferSettings settings_;
    DataTagLists lists_;
    AttachSettings attach_;
    std::unique_ptr<CFTPSheet> sheet_;
};

}  // namespace corvane
