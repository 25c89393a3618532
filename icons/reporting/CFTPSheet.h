#pragma once

#include "platform/PropertySheet.h"

namespace corvane {

class CEmailAttachPage;
class CFTPDestPage;
class CTagPickerPage;

// The sheet inside the FTP icon's dialog: the Destination page, the File
// Specification page and the data-tag picker, in that order.
class CFTPSheet : public PropertySheet {
public:
    CFTPSheet();
    ~CFTPSheet() override;

    CFTPDestPage& DestPage() const { return dest_; }
    CEmailAttachPage& AttachPage() const { return attach_; }
    CTagPickerPage& PickerPage() const { return picker_; }

private:
    CFTPDestPage& dest_;
    CEmailAttachPage& attach_;
    CTagPickerPage& picker_;
};

}  // namespace corvane
