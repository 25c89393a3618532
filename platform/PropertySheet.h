#pragma once

#include "platform/Dialog.h"
#include "platform/PropertyPage.h"

#include <memory>
#include <string>
#include <vector>

namespace corvane {

class TabControl;

// A dialog of pages under a row of tabs, one tab per page (see
// PropertyPage). The sheet owns its pages; AddPage returns the page for the
// caller to keep using. It is sized to its largest page.
//
// As a window (DoModal, Create, CreateHidden) it has OK, Cancel and Apply
// buttons, and Help when asked for. Apply is enabled while a page is
// modified (PropertyPage::SetModified). Escape and the close box are Cancel.
//   OK:     OnKillActive of the current page (false keeps the sheet open),
//           OnApply of every page that has been current (a false keeps it
//           open), then their OnOK, and the sheet ends with kIdOk.
//   Apply:  the same up to OnApply; the sheet stays and Apply is disabled.
//   Cancel: OnCancel of every page that has been current; ends with kIdCancel.
//
// As a child of a dialog (CreateAsChild) it lies over a placeholder control
// of that dialog and has no buttons: the dialog's own buttons drive it
// through OkAll (or ApplyAll) and CancelAll.
//
// Changing pages, by the user or SetActivePage: OnKillActive of the current
// page (false: the tab stays), then OnSetActive of the new one (false: the
// switch is undone and the old page gets OnSetActive again).
class PropertySheet : public Dialog {
public:
    // Ids of the sheet's own controls.
    static constexpr int kIdTabStrip = 0x3020;
    static constexpr int kIdApply = 0x3021;

    explicit PropertySheet(std::string caption, Window* parent = nullptr);
    ~PropertySheet() override;

    // Adds a page after the others (also once the sheet is open) and returns it.
    template <class Page> Page& AddPage(std::unique_ptr<Page> page)
    {
        Page& added = *page;
        Append(std::move(page));
        return added;
    }

    int GetPageCount() const { return static_cast<int>(pages_.size()); }
    // Null for a bad index.
    PropertyPage* GetPage(int index) const;
    // -1 when the page is not in this sheet.
    int GetPageIndex(const PropertyPage& page) const;
    // Before the sheet is open: the page it will open on (0 unless set).
    int GetActiveIndex() const { return active_; }
    PropertyPage* GetActivePage() const { return GetPage(active_); }
    // Before the sheet is open: chooses the page it opens on. Once open:
    // changes pages as described above; true when index is then current.
    bool SetActivePage(int index);

    // Whether the sheet has a Help button, which calls the current page's
    // OnHelp; set before the sheet is made.
    void SetHelpButton(bool show);

    // Builds the sheet inside host (which must be open) over its control
    // placeholderId, which is hidden; false, and nothing made, when host or
    // the control is missing or the sheet exists already.
    bool CreateAsChild(Dialog& host, int placeholderId);
    // Where the sheet lies: in its host's coordinates for a child sheet.
    DialogRect Rect() const;

    // What the sheet's buttons do, for a host dialog that drives a child
    // sheet. ApplyAll: OnKillActive of the current page, then OnApply of
    // every page that has been current; false at the first refusal.
    // OkAll: ApplyAll, then those pages' OnOK. CancelAll: their OnCancel.
    bool ApplyAll();
    bool OkAll();
    void CancelAll();

protected:
    // Lays the sheet out and opens its first page; a derived sheet calls it first.
    bool OnInitDialog() override;
    // OK: OkAll, then ends with kIdOk. Cancel: CancelAll, then ends with kIdCancel.
    void OnOK() override;
    void OnCancel() override;

private:
    friend class PropertyPage;
    struct SheetLayout;

    PropertySheet(std::unique_ptr<SheetLayout> layout, Window* parent);
    bool Built() const;
    TabControl* Strip() const;
    void Append(std::unique_ptr<PropertyPage> page);
    void LayOut();
    bool BuildPage(PropertyPage& page);
    bool LeaveCurrent();
    bool Activate(int index);
    void OpenOn(int index);
    bool SwitchTo(int index);
    void ShowOnly(int index);
    void UpdateApplyButton();

    std::unique_ptr<SheetLayout> layout_;
    std::vector<std::unique_ptr<PropertyPage>> pages_;
    int active_ = 0;
    bool child_ = false;
    bool switching_ = false;
};

}  // namespace corvane
