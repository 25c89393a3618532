#pragma once

#include "netmodel/NetObjectView.h"
#include "platform/Geometry.h"
#include "platform/PrintJob.h"
#include "platform/ScrollView.h"
#include "shell/CDIBitmap.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace corvane {

class CCorvaneDoc;
class CCorvaneIcon;
class CCorvaneObj;
class CToolSet;
class EditorEnvironment;

// Update hints the document's views understand.
namespace view_hint {
inline constexpr int kAll = 0;       // repaint everything
inline constexpr int kObject = 1;    // repaint the object given (a CCorvaneObj*)
inline constexpr int kObjects = 2;   // repaint the objects given (a vector of CCorvaneObj*), or the selection
inline constexpr int kRemoved = 3;   // repaint the objects given (a vector) and drop them from the selection
inline constexpr int kHardware = 5;  // the logger's hardware changed, then as kAll
}  // namespace view_hint

// Commands of the editing views.
namespace view_command {
inline constexpr int kCancel = 32768;
inline constexpr int kSnapToGrid = 32769;
inline constexpr int kSelectionTool = 32770;
inline constexpr int kLineTool = 32771;
inline constexpr int kRectangleTool = 32772;
// Stacking: the end of the document's list is drawn last, on top.
inline constexpr int kBringToTop = 32777;    // to the end of the list
inline constexpr int kSendToBottom = 32778;  // to the head of the list
inline constexpr int kBringForward = 32779;  // one place toward the end
inline constexpr int kSendBackward = 32780;  // one place toward the head
inline constexpr int kProperties = 32785;
inline constexpr int kSelectAll = 57642;
inline constexpr int kDelete = 57632;
inline constexpr int kCopy = 57634;
inline constexpr int kCut = 57635;
inline constexpr int kPaste = 57637;
inline constexpr int kPrint = 57607;
inline constexpr int kPrintDirect = 57608;
inline constexpr int kPrintPreview = 57609;
}  // namespace view_command

// The scrolling view every document view derives from: it draws the
// document's objects on the paper colour, keeps this view's selection,
// passes the left button and mouse moves to the current tool of the shared
// tool set, scrolls while a drag leaves the window, carries the selection,
// stacking-order, tool and clipboard commands, prints the window's picture,
// shows tooltips for icons, and creates icons dropped from the palette.
// Points are client coordinates unless a name says Doc (logical units).
class CCorvaneView : public ScrollView, public NetObjectView {
public:
    static constexpr std::uint32_t kAutoScrollTimer = 1;
    static constexpr std::uint32_t kAutoScrollIntervalMs = 100;
    static constexpr int kAutoScrollStep = 32;
    // A left-button release this close to the left or top edge reaches no tool.
    static constexpr int kReleaseMargin = 10;

    explicit CCorvaneView(EditorEnvironment& environment);
    ~CCorvaneView() override;

    // The brush origin of the drawing buffer whose top-left corner is at the
    // device point: its remainders by 8, taken toward minus infinity, so
    // that patterns stay on one 8-pixel lattice however the view scrolls.
    static Point BrushOriginFor(Point deviceTopLeft);

    CCorvaneDoc* GetDocument() const;
    EditorEnvironment& Environment() const { return environment_; }
    CToolSet& Tools() const;

    // Client (device) to document (logical) units and back, through the
    // view's prepared context; rectangles come back normalised.
    void ClientToDoc(Point& point);
    void ClientToDoc(Rect& rect);
    void DocToClient(Rect& rect);

    // Selection. Select without add repaints and empties the selection,
    // then appends a non-null object not yet selected and repaints it.
    const std::vector<CCorvaneObj*>& Selection() const { return selection_; }
    void Select(CCorvaneObj* object, bool add);
    void Deselect(CCorvaneObj* object);
    // The rectangle in client units; every object it touches is added.
    void SelectInRect(Rect rect, bool add);
    void RemoveFromSelection(const CCorvaneObj& object);
    void ClearSelectionList();
    // Invalidates the object's area (grown for its tracker while the view
    // is active and the object selected).
    void InvalObj(const CCorvaneObj& object);

    // The page size in hundredths of an inch: the scroll area becomes it in pixels.
    void SetPageSize(int cx, int cy);
    Size PrintSize() const
    {
        SettleScrollSizes();
        return printSize_;
    }

    bool IsSnapToGrid() const { return snapToGrid_; }
    // Snaps a document point to the 90 x 70 icon grid (origin 20, 20)
    // while snap-to-grid is on.
    void SnapDropPoint(Point& point) const;
    // True (after telling the user) when the document already holds the
    // one icon a net may have of the type code (5, 70, 81, 82).
    bool CheckOneOnly(std::uint16_t typeCode);
    // Creates the icon of a palette cell (0..47) at a document point;
    // returns it, or null when nothing was created.
    CCorvaneIcon* CreatePaletteIcon(int cell, Point docPoint);

    // The control-picture tool drives this view (the Communication Window):
    // it is current now and whenever this view comes to the front, while
    // the other views take the select tool back when they do.
    void UseCtrlTool();

    // Prints the window's picture (as the print command does) to the settings' printer or PDF file.
    PrintResult PrintWindow(const PrintSettings& settings);
    const CDIBitmap& PrintImage() const { return printImage_; }

    // Hooks for the derived views.
    // After every mouse move.
    virtual void OnHoverMove();
    // The grid under the objects (nothing here).
    virtual void DrawGrid(DeviceContext& dc);
    // 0 up, 1 down, 2 left, 3 right.
    virtual void SetAutoScrollDirection(int direction) { autoScrollDirection_ = direction; }
    int AutoScrollDirection() const { return autoScrollDirection_; }
    // Makes the connect (select) tool current and replays a left-button press.
    virtual void StartConnectDrag(unsigned flags, Point point);
    virtual void StartSelectPress(unsigned flags, Point point);
    virtual void OnHardwareChanged() {}
    // The program-net view keeps a selection of its own that the select
    // tool clears and fills; the other views have none.
    virtual bool IsNetView() const { return false; }
    virtual void ClearNetSelection() {}
    virtual void AddToNetSelection(CCorvaneObj& /*object*/) {}

    // NetObjectView.
    bool IsSelected(const CCorvaneObj& object) const override;
    std::size_t SelectionCount() const override { return selection_.size(); }
    void DropFromSelection(const CCorvaneObj& object) override { RemoveFromSelection(object); }
    bool IsViewActivated() const override { return activeFlag_; }
    void InvalidateObject(const CCorvaneObj& object) override { InvalObj(object); }
    void OnPaperSizeChanged(Size paper) override { SetPageSize(paper.width, paper.height); }

    // View.
    void OnInitialUpdate() override;
    void OnUpdate(View* sender, int hint, const std::any& object) override;
    void OnActivateView(bool activate, View* activated, View* deactivated) override;
    void OnPrepareDC(DeviceContext& dc) override;
    void OnDraw(DeviceContext& dc) override;

protected:
    bool OnScrollBy(Size delta, bool doScroll) override;
    void OnMouseDown(const MouseEvent& event) override;
    void OnMouseUp(const MouseEvent& event) override;
    void OnMouseMove(const MouseEvent& event) override;
    void OnDoubleClick(const MouseEvent& event) override;
    void OnKeyDown(const KeyEvent& event) override;
    void OnTimer(std::uint32_t id) override;
    std::string OnToolTipText(int toolId) override;
    bool OnEraseBackground(DeviceContext& dc) override;
    void OnBeginPrinting() override;
    bool OnPrint(DeviceContext& page, int pageNumber) override;

    // Sets the scroll area from the document's paper, when the view opens
    // or, while the paper still has to be asked for, on the area's first use.
    virtual void SizeToPaper();

    // Whether objects draw with a transparent text background in black
    // (the program-net view).
    virtual bool DrawsNetText() const { return false; }

private:
    void RegisterCommands();
    void MoveInList(int command);
    void DrawContents(DeviceContext& dc, const Rect& clip);
    std::string PrintDocumentName() const;
    // Prints the window's picture where the print dialog (or, printing
    // directly, the page set-up) says; nothing when the user cancels.
    void OnPrintCommand(bool withDialog);
    void OnPrintPreviewCommand();

    EditorEnvironment& environment_;
    Size printSize_;
    CDIBitmap printImage_;
    unsigned lastMouseFlags_ = 0;
    Point lastMousePoint_;
    int autoScrollDirection_ = 0;
    std::vector<CCorvaneObj*> selection_;
    bool snapToGrid_ = false;
    bool activeFlag_ = false;
    bool usesCtrlTool_ = false;
    Point currentMousePoint_;
};

}  // namespace corvane
