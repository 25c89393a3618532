#pragma once

#include "icons/common/CIconDialog.h"

namespace corvane {

class CDataBufferIcon;

// Chooses a data buffer's connection type. A change disconnects the icon,
// so OK asks first; any answer but Yes keeps the dialog open and changes
// nothing.
class CDataBufferDialog : public CIconDialog {
public:
    static constexpr std::uint32_t kHelpContext = 2171;

    explicit CDataBufferDialog(CDataBufferIcon& icon, Window* parent = nullptr);

protected:
    void DoDataExchange(DataExchange& exchange) override;
    bool ValidateFields() override;
    void ApplyToIcon() override;

private:
    bool Changed() const;

    CDataBufferIcon& buffer_;
    int typeIndex_;  // 0 data, 1 logic
};

}  // namespace corvane
