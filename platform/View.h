#pragma once

#include "platform/CanvasWindow.h"
#include "platform/CommandTarget.h"
#include "platform/MenuTemplate.h"
#include "platform/PrintJob.h"
#include "platform/PrintPreview.h"

#include <any>
#include <optional>
#include <span>
#include <string>

namespace corvane {

class ChildFrame;
class Document;

// A document's window: it draws the document through a device context,
// takes the mouse and keyboard, and is the first target of commands while
// its frame is the active one. A view lives in a child frame (which owns
// it) and is attached to one document.
//
// Painting prepares the context (OnPrepareDC: mapping, origins) and hands
// it to OnDraw; the same preparation converts client points to the logical
// units the document is drawn in.
class View : public CanvasWindow, public CommandTarget {
public:
    View();
    ~View() override;

    Document* GetDocument() const { return document_; }
    ChildFrame* ParentFrame() const { return frame_; }
    // Whether this is the active view of the main frame (see OnActivateView).
    bool IsActive() const { return active_; }

    // Client to logical units and back, through a context prepared by
    // OnPrepareDC; rectangles come back normalised.
    Point ClientToLogical(Point point);
    Rect ClientToLogical(const Rect& rect);
    Point LogicalToClient(Point point);
    Rect LogicalToClient(const Rect& rect);

    // Shows a context menu of the items at a client point and returns the
    // command chosen, or 0 when the menu was dismissed. The items' states
    // come from the update handlers of this view's command chain; the
    // command is returned, not run (see RouteCommand).
    int TrackPopupMenu(std::span<const MenuItemTemplate> items, Point point);
    // Runs a command through this view's chain: the view, its document, its
    // frame, the main frame, the application's target. False when none took it.
    bool RouteCommand(int id);
    // Asks the same chain how the command looks.
    CommandState QueryCommand(int id);

    // Prints what the view shows through the application's printer backend:
    // OnBeginPrinting, then OnPrint for each page (one page unless OnPrint
    // says more follow), then OnEndPrinting.
    PrintResult Print(const PrintSettings& settings);
    // Shows the same pages in a modal print preview on that paper; its
    // Print... button prints where choosePrint says (disabled without one).
    // True when it printed.
    bool RunPrintPreview(const PrintSettings& paper, PrintPreview::PrintChooser choosePrint = {});

    // Called by the document (UpdateAllViews) and the frame.
    virtual void OnInitialUpdate();
    virtual void OnUpdate(View* sender, int hint, const std::any& object);
    virtual void OnActivateView(bool activate, View* activated, View* deactivated);

    virtual void OnPrepareDC(DeviceContext& dc);
    virtual void OnDraw(DeviceContext& dc);

protected:
    // Before a print command prints: the print dialog, and the name of a
    // PDF file when the job goes to one (PreparePrintJob); the job's
    // settings, or nullopt when the user cancelled.
    virtual std::optional<PrintSettings> OnPreparePrinting(const std::string& documentName);
    // Printing: OnPrint draws one page and returns whether another follows;
    // the default prepares the page's context and draws the view on it.
    virtual void OnBeginPrinting();
    virtual bool OnPrint(DeviceContext& page, int pageNumber);
    virtual void OnEndPrinting();

    void OnPaint(DeviceContext& dc) override;

private:
    friend class Document;
    friend class ChildFrame;
    friend class MdiFrame;

    Document* document_ = nullptr;
    ChildFrame* frame_ = nullptr;
    bool active_ = false;
};

}  // namespace corvane
