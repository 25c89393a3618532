#pragma once

#include "platform/Dialog.h"

namespace corvane {

class PropertySheet;

// One page of a property sheet: a dialog built from its own resource table
// (its caption is the text of its tab), shown inside the sheet, never as a
// window of its own. The sheet builds it the first time it becomes the
// current page and keeps it until the sheet goes. Its members are exchanged
// with its controls as in any dialog (DoDataExchange).
//
// What the sheet asks of the page:
// - OnSetActive when the page becomes the current one. The default moves the
//   members into the controls the first time only (OnInitDialog does not),
//   so a page's OnInitDialog may fill its lists first; switching back and
//   forth keeps what was typed. false undoes the switch.
// - OnKillActive when the user leaves the page, and before Apply and OK. The
//   default validates the controls into the members; false keeps the page
//   current (and the sheet open).
// - OnApply on Apply and OK, for each page that has been current; false
//   keeps the sheet open. The default accepts.
// - OnOK when the sheet ends with OK (after every OnApply), OnCancel when it
//   ends with Cancel; both for each page that has been current only, and by
//   default do nothing. Cancel writes no member.
class PropertyPage : public Dialog {
public:
    explicit PropertyPage(const DialogTemplate& layout);
    ~PropertyPage() override;

    // The sheet that holds the page; null until it is added to one.
    PropertySheet* Sheet() const { return sheet_; }
    // Marks the page as holding changes that Apply would store (the sheet's
    // Apply button is enabled while any page does), or as holding none.
    void SetModified(bool modified = true);
    bool IsModified() const { return modified_; }
    // True once the page has been the current page of its sheet.
    bool WasActivated() const { return activated_; }

protected:
    bool OnInitDialog() override;
    virtual bool OnSetActive();
    virtual bool OnKillActive();
    virtual bool OnApply();
    void OnOK() override;
    void OnCancel() override;
    // The sheet's Help button while this page is current: its context help
    // (help id 0x20000 + the page's resource id).
    virtual void OnHelp();

private:
    friend class PropertySheet;

    PropertySheet* sheet_ = nullptr;
    bool modified_ = false;
    bool activated_ = false;
    bool loaded_ = false;
};

}  // namespace corvane
