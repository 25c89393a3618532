#include "platform/PropertySheet.h"

#include "platform/TabControl.h"
#include "platform/internal/DialogInternals.h"

#include <algorithm>
#include <array>
#include <span>
#include <vector>

namespace corvane {

namespace {

// The sheet's spacing and its buttons' size, in pixels.
constexpr int kMargin = 8;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 26;
constexpr int kButtonGap = 6;

// Entries of the sheet's table: the tab strip, then its buttons.
constexpr std::size_t kTabOnly = 1;
constexpr std::size_t kWithoutHelp = 4;
constexpr std::size_t kWithHelp = 5;

// Puts the widgets inside container that Tab stops at just after `after` (and
// the widgets inside it), keeping their order: a page's controls follow the
// tab strip, a child sheet follows its placeholder. Widgets made later come
// last otherwise. They are moved one by one, as the toolkit moves no
// container as a whole.
void FollowInFocusChain(QWidget* after, QWidget* container)
{
    if (after == nullptr || container == nullptr)
        return;
    QWidget* previous = after;
    while (after->isAncestorOf(previous->nextInFocusChain()))
        previous = previous->nextInFocusChain();
    // The toolkit orders only widgets that take the focus: start from the
    // last such one up to here (a placeholder frame takes none).
    while ((previous->focusPolicy() & Qt::TabFocus) == 0) {
        previous = previous->previousInFocusChain();
        if (previous == after->window())
            return;
    }
    std::vector<QWidget*> moving;
    for (QWidget* w = container->nextInFocusChain(); container->isAncestorOf(w); w = w->nextInFocusChain())
        if ((w->focusPolicy() & Qt::TabFocus) != 0)
            moving.push_back(w);
    for (QWidget* w : moving) {
        QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

}  // namespace

// The resource table the sheet is built from; its size and the buttons'
// places are set once the pages are known (LayOut).
struct PropertySheet::SheetLayout {
    explicit SheetLayout(std::string text) : caption(std::move(text))
    {
        dialog.caption = caption;
        dialog.controls = std::span<const ControlTemplate>(controls.data(), kWithoutHelp);
    }

    std::string caption;
    std::array<ControlTemplate, kWithHelp> controls = {
        ControlTemplate{ControlKind::Tab, kIdTabStrip, "", {kMargin, kMargin, 240, 160}},
        ControlTemplate{ControlKind::PushButton, kIdOk, "OK", {}, control_style::kDefault},
        ControlTemplate{ControlKind::PushButton, kIdCancel, "Cancel", {}},
        ControlTemplate{ControlKind::PushButton, kIdApply, "&Apply", {}, control_style::kDisabled},
        ControlTemplate{ControlKind::PushButton, kIdHelp, "Help", {}},
    };
    DialogTemplate dialog;
};

PropertySheet::PropertySheet(std::string caption, Window* parent)
    : PropertySheet(std::make_unique<SheetLayout>(std::move(caption)), parent)
{}

// The table lives on the heap so that the dialog can refer to it before
// this object's members exist.
PropertySheet::PropertySheet(std::unique_ptr<SheetLayout> layout, Window* parent)
    : Dialog(layout->dialog, parent), layout_(std::move(layout))
{
    // The user picked another tab: the whole change happens before the strip
    // moves, so that a page's refusal leaves the old tab selected.
    On(Notification::SelectionChanging, kIdTabStrip, [this](NotifyEvent& event) {
        if (switching_ || !LeaveCurrent() || !SwitchTo(static_cast<int>(event.item)))
            event.refuse = true;
    });
    On(Notification::Clicked, kIdApply, [this](NotifyEvent&) { ApplyAll(); });
    On(Notification::Clicked, kIdHelp, [this](NotifyEvent&) {
        if (PropertyPage* page = GetActivePage())
            page->OnHelp();
    });
}

PropertySheet::~PropertySheet()
{
    // The pages' widgets lie inside the sheet's: they go first, and nothing
    // the sheet's controls notice meanwhile reaches its handlers.
    Impl().tearingDown = true;
    pages_.clear();
}

PropertyPage* PropertySheet::GetPage(int index) const
{
    return index >= 0 && index < GetPageCount() ? pages_[static_cast<std::size_t>(index)].get() : nullptr;
}

int PropertySheet::GetPageIndex(const PropertyPage& page) const
{
    for (std::size_t i = 0; i < pages_.size(); ++i)
        if (pages_[i].get() == &page)
            return static_cast<int>(i);
    return -1;
}

bool PropertySheet::SetActivePage(int index)
{
    if (index < 0 || index >= GetPageCount())
        return false;
    if (!Built()) {
        active_ = index;
        return true;
    }
    if (index == active_)
        return true;
    if (switching_ || !LeaveCurrent())
        return false;
    return SwitchTo(index);
}

bool PropertySheet::CreateAsChild(Dialog& host, int placeholderId)
{
    Control* placeholder = host.GetControl(placeholderId);
    if (Built() || !host.Impl().widget || placeholder == nullptr)
        return false;
    const DialogRect place = placeholder->Rect();
    child_ = true;
    layout_->dialog.controls = std::span<const ControlTemplate>(layout_->controls.data(), kTabOnly);
    layout_->dialog.width = place.width;
    layout_->dialog.height = place.height;
    if (!DialogImpl::BuildAsChild(*this, host.Impl().widget.get(), true))
        return false;
    Impl().widget->move(place.x, place.y);
    FollowInFocusChain(placeholder->Impl().widget, Impl().widget.get());
    placeholder->Show(false);
    return true;
}

DialogRect PropertySheet::Rect() const
{
    if (!Built())
        return {};
    const QRect r = Impl().widget->geometry();
    return {r.x(), r.y(), r.width(), r.height()};
}

bool PropertySheet::ApplyAll()
{
    if (!LeaveCurrent())
        return false;
    for (const auto& page : pages_)
        if (page->activated_ && !page->OnApply())
            return false;
    for (const auto& page : pages_)
        page->modified_ = false;
    UpdateApplyButton();
    return true;
}

bool PropertySheet::OkAll()
{
    if (!ApplyAll())
        return false;
    for (const auto& page : pages_)
        if (page->activated_)
            page->OnOK();
    return true;
}

void PropertySheet::CancelAll()
{
    for (const auto& page : pages_)
        if (page->activated_)
            page->OnCancel();
}

bool PropertySheet::OnInitDialog()
{
    Dialog::OnInitDialog();
    TabControl* strip = Strip();
    for (const auto& page : pages_)
        strip->InsertItem(strip->GetItemCount(), page->Layout().caption);
    LayOut();
    UpdateApplyButton();
    if (pages_.empty()) {
        active_ = -1;
        return true;
    }
    const int first = std::clamp(active_, 0, GetPageCount() - 1);
    active_ = -1;
    OpenOn(first);
    return true;
}

void PropertySheet::OnOK()
{
    if (OkAll())
        EndDialog(kIdOk);
}

void PropertySheet::OnCancel()
{
    CancelAll();
    EndDialog(kIdCancel);
}

void PropertySheet::SetHelpButton(bool show)
{
    if (!Built() && !child_)
        layout_->dialog.controls
            = std::span<const ControlTemplate>(layout_->controls.data(), show ? kWithHelp : kWithoutHelp);
}

bool PropertySheet::Built() const { return Impl().widget != nullptr; }

TabControl* PropertySheet::Strip() const { return GetControlAs<TabControl>(kIdTabStrip); }

void PropertySheet::Append(std::unique_ptr<PropertyPage> page)
{
    page->sheet_ = this;
    pages_.push_back(std::move(page));
    if (!Built())
        return;
    Strip()->InsertItem(GetPageCount() - 1, pages_.back()->Layout().caption);
    if (active_ < 0)
        OpenOn(GetPageCount() - 1);
}

// Sizes the tab strip to the largest page and puts the buttons in a row
// below it, on the right; a child sheet's strip fills the sheet.
void PropertySheet::LayOut()
{
    TabControl* strip = Strip();
    QWidget& sheet = *Impl().widget;
    if (child_) {
        strip->Move({0, 0, sheet.width(), sheet.height()});
        return;
    }
    // The frame and the row of tabs around the pages' area.
    const DialogRect outer = strip->Rect();
    const DialogRect inner = strip->GetDisplayRect();
    const int frameWidth = outer.width - inner.width;
    const int frameHeight = outer.height - inner.height;
    int pageWidth = 0;
    int pageHeight = 0;
    for (const auto& page : pages_) {
        pageWidth = std::max(pageWidth, page->Layout().width);
        pageHeight = std::max(pageHeight, page->Layout().height);
    }
    const int count = static_cast<int>(layout_->dialog.controls.size()) - 1;
    const int rowWidth = count * kButtonWidth + (count - 1) * kButtonGap;
    const int width = std::max(pageWidth + frameWidth, rowWidth) + 2 * kMargin;
    const int stripHeight = pageHeight + frameHeight;
    strip->Move({kMargin, kMargin, width - 2 * kMargin, stripHeight});
    const int y = kMargin + stripHeight + kMargin;
    int x = width - kMargin - rowWidth;
    for (const ControlTemplate& entry : layout_->dialog.controls.subspan(1)) {
        if (Control* button = GetControl(entry.id))
            button->Move({x, y, kButtonWidth, kButtonHeight});
        x += kButtonWidth + kButtonGap;
    }
    sheet.setFixedSize(width, y + kButtonHeight + kMargin);
}

// Builds the page, hidden, over the strip's display area, the first time.
bool PropertySheet::BuildPage(PropertyPage& page)
{
    if (page.Impl().widget)
        return true;
    // A page that ends itself while it initialises is kept all the same.
    DialogImpl::BuildAsChild(page, Impl().widget.get(), false);
    if (!page.Impl().widget)
        return false;
    const DialogRect area = Strip()->GetDisplayRect();
    QWidget& w = *page.Impl().widget;
    w.setFixedSize(area.width, area.height);
    w.move(area.x, area.y);
    FollowInFocusChain(Strip()->Impl().widget, &w);
    return true;
}

bool PropertySheet::LeaveCurrent()
{
    PropertyPage* page = GetActivePage();
    if (page == nullptr || !page->Impl().widget)
        return true;
    switching_ = true;
    const bool left = page->OnKillActive();
    switching_ = false;
    return left;
}

// Makes index the current page and tells it so; false when it refused (it is
// then current but not shown) or could not be built.
bool PropertySheet::Activate(int index)
{
    PropertyPage& page = *GetPage(index);
    if (!BuildPage(page))
        return false;
    active_ = index;
    Strip()->SetCurSel(index);
    switching_ = true;
    const bool accepted = page.OnSetActive();
    switching_ = false;
    if (accepted) {
        page.activated_ = true;
        ShowOnly(index);
    }
    return accepted;
}

// The page a sheet opens on (or the first page added to an open sheet
// without pages) is current even if it refuses: there is none to go back to.
void PropertySheet::OpenOn(int index)
{
    if (Activate(index) || !BuildPage(*GetPage(index)))
        return;
    active_ = index;
    GetPage(index)->activated_ = true;
    ShowOnly(index);
}

// After the current page has been left: goes to index, or back when that
// page refuses.
bool PropertySheet::SwitchTo(int index)
{
    const int previous = active_;
    if (index < 0 || index >= GetPageCount())
        return false;
    if (Activate(index))
        return true;
    if (previous >= 0 && previous != index) {
        Activate(previous);
        ShowOnly(previous);
    }
    return false;
}

void PropertySheet::ShowOnly(int index)
{
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        QWidget* w = pages_[i]->Impl().widget.get();
        if (w == nullptr)
            continue;
        w->setVisible(static_cast<int>(i) == index);
        if (static_cast<int>(i) == index)
            w->raise();
    }
}

void PropertySheet::UpdateApplyButton()
{
    Control* apply = GetControl(kIdApply);
    if (apply == nullptr)
        return;
    apply->Enable(std::any_of(pages_.begin(), pages_.end(), [](const auto& page) { return page->modified_; }));
}

}  // namespace corvane
