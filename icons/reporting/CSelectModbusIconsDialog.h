#pragma once

#include "platform/Dialog.h"

namespace corvane {

// A dialog for choosing Modbus icons and groups that nothing in the program
// opens: it shows a fixed icon list and group list, and its button does
// nothing.
class CSelectModbusIconsDialog : public Dialog {
public:
    explicit CSelectModbusIconsDialog(Window* parent = nullptr);

protected:
    bool OnInitDialog() override;
};

}  // namespace corvane
