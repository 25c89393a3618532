#pragma once

#include "platform/PropertySheet.h"

namespace corvane {

class CEmailAttachPage;
class CEmailMsgPage;
class CTagPickerPage;

// The sheet inside the e-mail icon's dialog: the Message page, the File
// Specification page and the data-tag picker, in that order.
class CEmailSheet : public PropertySheet {
public:
    CEmailSheet();
    ~CEmailSheet() override;

    CEmailMsgPage& MessagePage() const { return message_; }
    CEmailAttachPage& AttachPage() const { return attach_; }
    CTagPickerPage& PickerPage() const { return picker_; }

private:
    CEmailMsgPage& message_;
    CEmailAttachPage& attach_;
    CTagPickerPage& picker_;
};

}  // namespace corvane
