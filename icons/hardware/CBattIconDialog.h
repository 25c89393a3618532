#pragma once

#include "icons/common/CIconDialog.h"

namespace corvane {

class CBattIcon;

// Names the supply-voltages icon; nothing else to set.
class CBattIconDialog : public CIconDialog {
public:
    explicit CBattIconDialog(CBattIcon& icon, Window* parent = nullptr);
};

}  // namespace corvane
