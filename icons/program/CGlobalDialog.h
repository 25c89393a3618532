#pragma once

#include "icons/common/CIconDialog.h"

#include <memory>

namespace corvane {

class CGlobalIcon;
class CGlobalSheet;
class ProgramSheetServices;

// The Program icon's dialog: its name and, in a sheet below it, the System
// and Front Panel / LCD pages. OK checks every page that was shown, then
// writes them and the name; a refusal keeps the dialog open and writes
// nothing. Cancel writes nothing (version words already updated stay).
class CGlobalDialog : public CIconDialog {
public:
    CGlobalDialog(CGlobalIcon& icon, const ProgramSheetServices& services, Window* parent = nullptr);
    ~CGlobalDialog() override;

    CGlobalSheet& Sheet() const { return *sheet_; }

protected:
    bool OnInitDialog() override;
    bool ValidateFields() override;
    void ApplyToIcon() override;

private:
    void SetNetName();

    CGlobalIcon& icon_;
    std::unique_ptr<CGlobalSheet> sheet_;
};

}  // namespace corvane
