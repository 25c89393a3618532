#pragma once

// Qt side of the main frame, child frames, toolbars and the status bar.
// Included only by platform's own .cpp files.

#include "platform/ChildFrame.h"
#include "platform/MdiFrame.h"
#include "platform/StatusBar.h"
#include "platform/StatusProgress.h"
#include "platform/ToolBar.h"
#include "platform/internal/MenuBuilder.h"

#include <QImage>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QProgressBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace corvane {

// ------------------------------------------------------------------ frames

class MainFrameWidget final : public QMainWindow {
public:
    explicit MainFrameWidget(MdiFrame& owner) : owner_(owner) {}

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    MdiFrame& owner_;
};

// Watches key presses in the main frame's window for its shortcut keys,
// before the widget with the focus sees them.
class AcceleratorFilter final : public QObject {
public:
    explicit AcceleratorFilter(MdiFrame& owner) : owner_(owner) {}
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MdiFrame& owner_;
};

struct MdiFrameImpl {
    explicit MdiFrameImpl(MdiFrame& frame) : owner(frame) {}
    ~MdiFrameImpl();

    MdiFrame& owner;
    std::unique_ptr<MainFrameWidget> window;
    QPointer<QMdiArea> area;
    std::unique_ptr<AcceleratorFilter> accelerators;
    std::unique_ptr<QTimer> idleUpdate;
    std::string title;
    const MenuTemplate* mainMenu = nullptr;
    const AcceleratorTable* mainAccelerators = nullptr;
    const MenuTemplate* shownMenu = nullptr;
    std::map<const MenuTemplate*, std::unique_ptr<BuiltMenuBar>> menus;
    bool closed = false;

    const BuiltMenuBar* ShownMenus() const;
    // The command of a shortcut key of the active child's table or the
    // frame's; 0 when none.
    int AcceleratorCommand(int key, unsigned modifiers) const;
    // Calls into the frame's protected handlers.
    static void CallOnMove(MdiFrame& f, Point oldTopLeft, Point newTopLeft) { f.OnMove(oldTopLeft, newTopLeft); }
    static void CallShowPrompt(MdiFrame& f, std::string_view prompt) { f.ShowPrompt(prompt); }
};

class ChildFrameWidget final : public QMdiSubWindow {
public:
    explicit ChildFrameWidget(ChildFrameImpl& impl) : impl_(impl) {}

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    ChildFrameImpl& impl_;
};

struct ChildFrameImpl {
    explicit ChildFrameImpl(ChildFrame& frame) : owner(frame) {}

    ChildFrame& owner;
    QPointer<ChildFrameWidget> sub;
    std::string title;

    static void CallOnClose(ChildFrame& f) { f.OnClose(); }
    static void CallOnMainFrameMoved(ChildFrame& f, Point oldTopLeft, Point newTopLeft)
    {
        f.OnMainFrameMoved(oldTopLeft, newTopLeft);
    }
};

// ------------------------------------------------------------------- bars

struct ToolBarImpl {
    QPointer<QToolBar> bar;
    std::vector<QAction*> buttons;  // in order, separators left out
    bool picturesSet = false;       // drawn when the bar first comes into sight
    bool floating = false;
    Qt::ToolBarArea area = Qt::TopToolBarArea;
};

struct StatusPane {
    StatusPaneLayout layout;
    std::string text;
    bool enabled = true;
    QImage picture;
};

class StatusBarWidget final : public QStatusBar {
public:
    explicit StatusBarWidget(StatusBarImpl& impl) : impl_(impl) {}
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    StatusBarImpl& impl_;
};

struct StatusBarImpl {
    QPointer<StatusBarWidget> widget;
    std::vector<StatusPane> panes;
    std::string prompt;  // shown over the first pane while set
    StatusBar* owner = nullptr;

    // Where each pane lies in a bar of that width.
    std::vector<QRect> Layout(int width, int height) const;
    // Moves the progress bar over its pane.
    void PlaceProgress() const;
};

struct StatusProgressImpl {
    QPointer<QProgressBar> bar;
};

// A bitmap's picture with the key colour made transparent.
QImage TransparentImage(const QImage& image, RgbColour key);

}  // namespace corvane
