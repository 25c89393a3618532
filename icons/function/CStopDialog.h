#pragma once

#include "icons/common/CIconDialog.h"

namespace corvane {

class CStopIcon;

// Names the Stop icon and says what it does: the name and the source of
// its input; nothing else to set.
class CStopDialog : public CIconDialog {
public:
    explicit CStopDialog(CStopIcon& icon, Window* parent = nullptr);

protected:
    bool OnInitDialog() override;
};

}  // namespace corvane
