#include "platform/MdiFrame.h"

#include "platform/Application.h"
#include "platform/ChildFrame.h"
#include "platform/CommandPrompts.h"
#include "platform/DocTemplate.h"
#include "platform/Document.h"
#include "platform/View.h"
#include "platform/internal/CanvasWidget.h"
#include "platform/internal/DrawingData.h"
#include "platform/internal/FrameWidgets.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMoveEvent>
#include <QStatusTipEvent>

#include <algorithm>

namespace corvane {

namespace {

// How often toolbar buttons and status panes ask their update handlers.
constexpr int kIdleUpdateMs = 100;

int FindCommand(const AcceleratorTable* table, int key, unsigned modifiers)
{
    if (table == nullptr)
        return 0;
    for (const Accelerator& entry : table->entries)
        if (entry.key == key && entry.modifiers == modifiers)
            return entry.command;
    return 0;
}

}  // namespace

// ------------------------------------------------------------ MdiFrameImpl

MdiFrameImpl::~MdiFrameImpl()
{
    if (accelerators && qApp != nullptr)
        qApp->removeEventFilter(accelerators.get());
    idleUpdate.reset();
    // The menus go before the bar that shows them.
    menus.clear();
    window.reset();
}

const BuiltMenuBar* MdiFrameImpl::ShownMenus() const
{
    const auto it = menus.find(shownMenu);
    return it == menus.end() ? nullptr : it->second.get();
}

int MdiFrameImpl::AcceleratorCommand(int key, unsigned modifiers) const
{
    if (ChildFrame* child = owner.ActiveChild())
        if (const int command = FindCommand(child->Accelerators(), key, modifiers); command != 0)
            return command;
    return FindCommand(mainAccelerators, key, modifiers);
}

void MainFrameWidget::closeEvent(QCloseEvent* event)
{
    // The frame decides, and hides the window itself when it closes.
    event->ignore();
    owner_.Close();
}

bool MainFrameWidget::event(QEvent* event)
{
    // Buttons and menu items tell the window their prompt as the pointer
    // comes and goes; the frame's own status bar shows it.
    if (event->type() == QEvent::StatusTip) {
        MdiFrameImpl::CallShowPrompt(owner_, static_cast<QStatusTipEvent*>(event)->tip().toStdString());
        return true;
    }
    return QMainWindow::event(event);
}

void MainFrameWidget::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    MdiFrameImpl::CallOnMove(owner_, {event->oldPos().x(), event->oldPos().y()}, {event->pos().x(), event->pos().y()});
}

bool AcceleratorFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    MdiFrameImpl& impl = owner_.Impl();
    if (widget == nullptr || impl.closed || !impl.window || widget->window() != impl.window.get())
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const int code = KeyFromToolkit(key->key());
    if (code == key_code::kUnknown)
        return false;
    const int command = impl.AcceleratorCommand(code, KeyModifiersFromToolkit(key->modifiers()));
    if (command == 0)
        return false;
    // A disabled command's key does nothing, as its menu item would.
    owner_.RunEnabledCommand(command);
    return true;
}

// --------------------------------------------------------------- MdiFrame

MdiFrame::MdiFrame() : impl_(std::make_unique<MdiFrameImpl>(*this)) {}

MdiFrame::~MdiFrame()
{
    // Documents, frames and views go while the window they live in is whole.
    templates_.clear();
    statusBar_.reset();
    toolBars_.clear();
    impl_.reset();
}

bool MdiFrame::Create(std::string_view title, const MenuTemplate& menu, const AcceleratorTable* accelerators)
{
    MdiFrameImpl& d = *impl_;
    if (d.window)
        return false;
    d.window = std::make_unique<MainFrameWidget>(*this);
    d.area = new QMdiArea(d.window.get());
    d.area->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    d.window->setCentralWidget(d.area);
    d.window->resize(800, 600);
    QObject::connect(d.area, &QMdiArea::subWindowActivated, d.area, [this](QMdiSubWindow* sub) {
        // Losing the keyboard to another window deactivates no document.
        if (sub == nullptr)
            return;
        for (ChildFrame* child : children_)
            if (child->Impl().sub == sub) {
                ChildActivated(child);
                return;
            }
    });
    d.title = std::string(title);
    d.mainMenu = &menu;
    d.mainAccelerators = accelerators;
    RefreshCommandPrompts();
    UpdateMenuBar();
    RefreshCaption();
    d.accelerators = std::make_unique<AcceleratorFilter>(*this);
    qApp->installEventFilter(d.accelerators.get());
    d.idleUpdate = std::make_unique<QTimer>();
    QObject::connect(d.idleUpdate.get(), &QTimer::timeout, d.idleUpdate.get(), [this] {
        if (IsVisible())
            UpdateCommandUi();
    });
    d.idleUpdate->start(kIdleUpdateMs);
    return true;
}

bool MdiFrame::IsOpen() const { return impl_->window != nullptr && !impl_->closed; }

void MdiFrame::ShowNormal()
{
    if (!IsOpen())
        return;
    impl_->window->showNormal();
    impl_->window->activateWindow();
}

void MdiFrame::ShowMaximized()
{
    if (!IsOpen())
        return;
    impl_->window->showMaximized();
    impl_->window->activateWindow();
}

void MdiFrame::ShowMinimized()
{
    if (IsOpen())
        impl_->window->showMinimized();
}

void MdiFrame::Hide()
{
    if (impl_->window)
        impl_->window->hide();
}

bool MdiFrame::IsVisible() const { return impl_->window && impl_->window->isVisible(); }
bool MdiFrame::IsMaximized() const { return impl_->window && impl_->window->isMaximized(); }
bool MdiFrame::IsMinimized() const { return impl_->window && impl_->window->isMinimized(); }

void MdiFrame::SetTitle(std::string_view title)
{
    impl_->title = std::string(title);
    RefreshCaption();
}

std::string MdiFrame::Caption() const
{
    std::string caption = impl_->title;
    if (const Document* document = ActiveDocument(); document != nullptr && !document->Title().empty())
        caption += (caption.empty() ? "" : " - ") + document->Title();
    return caption;
}

void MdiFrame::RefreshCaption()
{
    if (impl_->window)
        impl_->window->setWindowTitle(TextToToolkit(Caption()));
}

Rect MdiFrame::WindowRect() const
{
    if (!impl_->window)
        return {};
    return FromQRect(impl_->window->geometry());
}

void MdiFrame::MoveTo(const Rect& rect)
{
    const Rect r = rect.Normalized();
    if (impl_->window && !r.IsEmpty())
        impl_->window->setGeometry(r.left, r.top, r.Width(), r.Height());
}

WindowPlacement MdiFrame::GetPlacement() const
{
    WindowPlacement placement;
    const MainFrameWidget* w = impl_->window.get();
    if (w == nullptr)
        return placement;
    placement.maximized = w->isMaximized() || w->isMinimized();
    placement.normal = FromQRect(placement.maximized ? w->normalGeometry() : w->geometry());
    return placement;
}

void MdiFrame::SetPlacement(const WindowPlacement& placement)
{
    if (!IsOpen())
        return;
    MainFrameWidget& w = *impl_->window;
    const Rect normal = placement.normal.Normalized();
    if (!normal.IsEmpty()) {
        if (w.isMaximized() || w.isMinimized())
            w.showNormal();
        w.setGeometry(normal.left, normal.top, normal.Width(), normal.Height());
    }
    if (placement.maximized || normal.IsEmpty())
        w.showMaximized();
    else
        w.showNormal();
}

// ---- Documents

DocTemplate& MdiFrame::AddDocTemplate(std::unique_ptr<DocTemplate> docTemplate)
{
    docTemplate->main_ = this;
    templates_.push_back(std::move(docTemplate));
    RefreshCommandPrompts();
    return *templates_.back();
}

std::vector<DocTemplate*> MdiFrame::DocTemplates() const
{
    std::vector<DocTemplate*> out;
    for (const auto& t : templates_)
        out.push_back(t.get());
    return out;
}

DocTemplate* MdiFrame::FindTemplate(int resourceId) const
{
    for (const auto& t : templates_)
        if (t->ResourceId() == resourceId)
            return t.get();
    return nullptr;
}

// ---- Child frames

std::vector<ChildFrame*> MdiFrame::Children() const { return children_; }

View* MdiFrame::ActiveView() const { return active_ != nullptr ? active_->GetView() : nullptr; }

Document* MdiFrame::ActiveDocument() const { return active_ != nullptr ? active_->GetDocument() : nullptr; }

void MdiFrame::ActivateChild(ChildFrame& child)
{
    if (std::find(children_.begin(), children_.end(), &child) == children_.end())
        return;
    if (ChildFrameWidget* sub = child.Impl().sub; sub != nullptr && impl_->area != nullptr) {
        if (sub->isHidden())
            sub->show();
        impl_->area->setActiveSubWindow(sub);
    }
    // The toolkit activates only what it shows; the frame's own record follows the request.
    ChildActivated(&child);
}

void MdiFrame::CascadeChildren()
{
    if (impl_->area)
        impl_->area->cascadeSubWindows();
}

void MdiFrame::TileChildren()
{
    if (impl_->area)
        impl_->area->tileSubWindows();
}

void MdiFrame::ChildAdded(ChildFrame& child) { children_.push_back(&child); }

void MdiFrame::ChildActivated(ChildFrame* child)
{
    if (child == active_)
        return;
    ChildFrame* old = active_;
    active_ = child;
    View* oldView = old != nullptr ? old->GetView() : nullptr;
    View* newView = child != nullptr ? child->GetView() : nullptr;
    if (oldView != nullptr) {
        oldView->active_ = false;
        oldView->OnActivateView(false, newView, oldView);
    }
    if (newView != nullptr) {
        newView->active_ = true;
        newView->OnActivateView(true, newView, oldView);
    }
    UpdateMenuBar();
    RefreshCaption();
    OnActivateChild(child, old);
}

void MdiFrame::ChildGone(ChildFrame& child)
{
    children_.erase(std::remove(children_.begin(), children_.end(), &child), children_.end());
    if (active_ != &child)
        return;
    active_ = nullptr;
    UpdateMenuBar();
    RefreshCaption();
    OnActivateChild(nullptr, nullptr);
}

void MdiFrame::UpdateMenuBar()
{
    MdiFrameImpl& d = *impl_;
    if (!d.window)
        return;
    const MenuTemplate* wanted
        = (active_ != nullptr && active_->Menu() != nullptr) ? active_->Menu() : d.mainMenu;
    if (wanted == nullptr || wanted == d.shownMenu)
        return;
    BuiltMenuBar* built = Built(*wanted);
    built->ShowOn(*d.window->menuBar());
    d.shownMenu = wanted;
    built->UpdateTopLevel([this](int id) { return QueryCommand(id); });
}

BuiltMenuBar* MdiFrame::Built(const MenuTemplate& menu)
{
    MdiFrameImpl& d = *impl_;
    if (!d.window)
        return nullptr;
    auto& built = d.menus[&menu];
    if (!built)
        built = std::make_unique<BuiltMenuBar>(
            menu, [this](int id) { return QueryCommand(id); }, [this](int id) { RouteCommand(id); });
    return built.get();
}

// ---- Menus changed at run time

bool MdiFrame::InsertMenuItem(const MenuTemplate& menu, MenuPlace place, const MenuItemTemplate& item)
{
    BuiltMenuBar* built = Built(menu);
    return built != nullptr && built->Insert(place, item);
}

bool MdiFrame::InsertMenuItemBefore(const MenuTemplate& menu, int commandId, const MenuItemTemplate& item)
{
    BuiltMenuBar* built = Built(menu);
    return built != nullptr && built->InsertBefore(commandId, item);
}

bool MdiFrame::RemoveMenuItem(const MenuTemplate& menu, MenuPlace place)
{
    BuiltMenuBar* built = Built(menu);
    return built != nullptr && built->Remove(place);
}

bool MdiFrame::RemoveMenuCommand(const MenuTemplate& menu, int commandId)
{
    BuiltMenuBar* built = Built(menu);
    return built != nullptr && built->RemoveCommand(commandId);
}

std::optional<MenuPlace> MdiFrame::FindMenuCommand(const MenuTemplate& menu, int commandId)
{
    BuiltMenuBar* built = Built(menu);
    return built != nullptr ? built->Find(commandId) : std::nullopt;
}

int MdiFrame::MenuItemCount(const MenuTemplate& menu, int popup)
{
    BuiltMenuBar* built = Built(menu);
    return built != nullptr ? built->ItemCount(popup) : -1;
}

// ---- Bars

ToolBar& MdiFrame::AddToolBar(const ToolBarTemplate& layout)
{
    toolBars_.push_back(std::make_unique<ToolBar>(*this, layout));
    RefreshCommandPrompts();
    return *toolBars_.back();
}

int MdiFrame::ToolBarCount() const { return static_cast<int>(toolBars_.size()); }

ToolBar* MdiFrame::GetToolBar(int index) const
{
    if (index < 0 || index >= ToolBarCount())
        return nullptr;
    return toolBars_[static_cast<std::size_t>(index)].get();
}

void MdiFrame::ShowToolBar(int index, bool show)
{
    if (ToolBar* bar = GetToolBar(index))
        bar->Show(show);
}

StatusBar& MdiFrame::CreateStatusBar(std::span<const StatusPaneLayout> panes)
{
    statusBar_.reset();
    statusBar_ = std::make_unique<StatusBar>(*this, panes);
    return *statusBar_;
}

StatusBar* MdiFrame::GetStatusBar() const { return statusBar_.get(); }

// ---- Commands

std::vector<CommandTarget*> MdiFrame::ChainFrom(View* view) const
{
    if (view == nullptr)
        view = ActiveView();
    std::vector<CommandTarget*> chain;
    ChildFrame* frame = nullptr;
    if (view != nullptr) {
        chain.push_back(view);
        if (Document* document = view->GetDocument())
            chain.push_back(document);
        frame = view->ParentFrame();
    }
    if (frame == nullptr)
        frame = active_;
    if (frame != nullptr)
        chain.push_back(frame);
    chain.push_back(const_cast<MdiFrame*>(this));
    if (appTarget_ != nullptr)
        chain.push_back(appTarget_);
    return chain;
}

bool MdiFrame::RouteCommand(int id)
{
    for (CommandTarget* target : ChainFrom(nullptr))
        if (target->HandleCommand(id))
            return true;
    return false;
}

CommandState MdiFrame::QueryCommand(int id)
{
    CommandState state(id);
    for (CommandTarget* target : ChainFrom(nullptr)) {
        if (target->HandleUpdate(state)) {
            state.SetAnswered(true);
            break;
        }
    }
    return state;
}

bool MdiFrame::RunEnabledCommand(int id)
{
    const CommandState state = QueryCommand(id);
    return state.Answered() && state.IsEnabled() && RouteCommand(id);
}

std::string MdiFrame::CommandPrompt(int id) const
{
    if (const auto found = prompts_.find(id); found != prompts_.end())
        return found->second;
    // An item put into a menu at run time carries its own prompt.
    for (const auto& [menu, built] : impl_->menus)
        for (const QAction* action : built->AllActions())
            if (CommandIdOf(action) == id)
                return action->statusTip().toStdString();
    return std::string();
}

void MdiFrame::RefreshCommandPrompts()
{
    prompts_.clear();
    if (impl_->mainMenu != nullptr)
        CollectCommandPrompts(impl_->mainMenu->items, prompts_);
    for (const auto& t : templates_)
        if (const MenuTemplate* menu = t->Resources().menu)
            CollectCommandPrompts(menu->items, prompts_);
    for (const auto& bar : toolBars_) {
        for (QAction* button : bar->Impl().buttons) {
            const QString prompt = TextToToolkit(CommandPrompt(CommandIdOf(button)));
            button->setToolTip(prompt);
            button->setStatusTip(prompt);
        }
    }
}

void MdiFrame::ShowPrompt(std::string_view prompt)
{
    if (statusBar_)
        statusBar_->ShowPrompt(prompt);
}

void MdiFrame::UpdateCommandUi()
{
    const CommandQuery query = [this](int id) { return QueryCommand(id); };
    for (const auto& bar : toolBars_)
        for (QAction* button : bar->Impl().buttons)
            ApplyCommandState(*button, query(CommandIdOf(button)));
    if (const BuiltMenuBar* menus = impl_->ShownMenus())
        menus->UpdateTopLevel(query);
    if (statusBar_) {
        for (int index = 0; index < statusBar_->PaneCount(); ++index) {
            const int id = statusBar_->PaneId(index);
            if (id == 0)
                continue;
            const CommandState state = query(id);
            if (!state.Answered())
                continue;  // a pane nobody updates keeps what it was given
            statusBar_->EnablePane(index, state.IsEnabled());
            if (state.Text() && *state.Text() != statusBar_->PaneText(index))
                statusBar_->SetPaneText(index, *state.Text());
        }
    }
}

// ---- Closing

bool MdiFrame::Close()
{
    if (!IsOpen())
        return true;
    if (!OnClose())
        return false;
    for (const auto& t : templates_)
        t->CloseDocument(false);
    OnDestroy();
    impl_->closed = true;
    impl_->idleUpdate->stop();
    impl_->window->hide();
    App().PostQuitMessage(0);
    return true;
}

bool MdiFrame::SaveImage(const std::filesystem::path& pngPath) const
{
    if (!impl_->window)
        return false;
    // A picture is drawn afresh, so what the windows drew before is not
    // there to draw over: everything is erased first.
    for (QWidget* child : impl_->window->findChildren<QWidget*>())
        if (auto* canvas = dynamic_cast<CanvasWidget*>(child))
            canvas->ErasePending();
    Bitmap picture;
    picture.Data().image = ToBitmapImage(impl_->window->grab().toImage());
    return !picture.IsNull() && picture.SavePng(pngPath);
}

void MdiFrame::OnMove(Point oldTopLeft, Point newTopLeft)
{
    for (ChildFrame* child : Children())
        ChildFrameImpl::CallOnMainFrameMoved(*child, oldTopLeft, newTopLeft);
}

bool MdiFrame::OnClose()
{
    for (const auto& t : templates_)
        if (Document* document = t->GetDocument(); document != nullptr && !document->SaveModified())
            return false;
    return true;
}

void MdiFrame::OnDestroy() {}

void MdiFrame::OnActivateChild(ChildFrame*, ChildFrame*) {}

}  // namespace corvane
