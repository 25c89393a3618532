#include "netmodel/CCorvaneView.h"

#include "netmodel/CCorvaneDoc.h"
#include "netmodel/CCorvaneIcon.h"
#include "netmodel/CCorvaneObj.h"
#include "netmodel/CCorvaneTool.h"
#include "netmodel/CToolSet.h"
#include "netmodel/EditorEnvironment.h"
#include "netmodel/PaletteCells.h"
#include "netmodel/PaletteIconMakers.h"
#include "platform/Application.h"
#include "platform/ChildFrame.h"
#include "platform/DeviceContext.h"
#include "platform/KeyCodes.h"
#include "platform/PrintDialogs.h"
#include "platform/PromptSink.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

namespace corvane {

namespace {

// The scroll steps of a new view, in pixels.
constexpr Size kInitialPageStep{448, 448};
constexpr Size kInitialLineStep{32, 32};

// A selected object's area grows by its tracker's handles.
constexpr int kTrackerLeft = 4;
constexpr int kTrackerTop = 5;
constexpr int kTrackerRight = 5;
constexpr int kTrackerBottom = 4;

constexpr int kBrushLattice = 8;

// Auto-scroll steps by direction: up, down, left, right.
constexpr std::array<Point, 4> kAutoScrollSteps = {Point{0, -CCorvaneView::kAutoScrollStep},
    Point{0, CCorvaneView::kAutoScrollStep}, Point{-CCorvaneView::kAutoScrollStep, 0},
    Point{CCorvaneView::kAutoScrollStep, 0}};

constexpr std::string_view kPollNotice
    = "A poll of the connected logger hardware is required to build a valid Program Net. Establish a connection "
      "to the logger, then select the 'Query Logger Configuration' button on the button bar.";

// The window commands whose names the tooltips show.
struct CommandName {
    int id;
    std::string_view name;
};
constexpr std::array kWindowCommandNames = {
    CommandName{32802, "Program Development"},
    CommandName{32803, "Real-Time Trending"},
    CommandName{32806, "Communications"},
};
constexpr int kFirstWindowCommand = 32802;
constexpr int kLastWindowCommand = 32807;

int FloorMod(int value, int divisor)
{
    const int remainder = value % divisor;
    return remainder < 0 ? remainder + divisor : remainder;
}

// The screen's resolution, as every view and bitmap context reports it.
Size ScreenPixelsPerInch()
{
    Bitmap probe(1, 1);
    MemoryContext dc(probe);
    return dc.PixelsPerInch();
}

void ShowNotice(WindowHandle owner, std::string text)
{
    MessageBoxRequest request;
    request.owner = owner;
    request.text = std::move(text);
    request.buttons = MessageBoxButtons::Ok;
    Application::Instance().Prompts().ShowMessageBox(request);
}

template <class T> const T* AnyAs(const std::any& object) { return std::any_cast<T>(&object); }

}  // namespace

CCorvaneView::CCorvaneView(EditorEnvironment& environment)
    : environment_(environment), snapToGrid_(environment.GetSnapToGrid())
{
    RegisterCommands();
}

CCorvaneView::~CCorvaneView() = default;

Point CCorvaneView::BrushOriginFor(Point deviceTopLeft)
{
    return {FloorMod(deviceTopLeft.x, kBrushLattice), FloorMod(deviceTopLeft.y, kBrushLattice)};
}

CCorvaneDoc* CCorvaneView::GetDocument() const { return dynamic_cast<CCorvaneDoc*>(View::GetDocument()); }

CToolSet& CCorvaneView::Tools() const { return environment_.Tools(); }

void CCorvaneView::ClientToDoc(Point& point) { point = ClientToLogical(point); }

void CCorvaneView::ClientToDoc(Rect& rect) { rect = ClientToLogical(rect); }

void CCorvaneView::DocToClient(Rect& rect) { rect = LogicalToClient(rect); }

// --- Selection.

void CCorvaneView::Select(CCorvaneObj* object, bool add)
{
    if (!add) {
        OnUpdate(nullptr, view_hint::kObjects, {});
        selection_.clear();
    }
    if (object == nullptr || IsSelected(*object))
        return;
    selection_.push_back(object);
    InvalObj(*object);
}

void CCorvaneView::Deselect(CCorvaneObj* object)
{
    if (object == nullptr)
        return;
    const auto found = std::find(selection_.begin(), selection_.end(), object);
    if (found == selection_.end())
        return;
    selection_.erase(found);
    InvalObj(*object);
}

void CCorvaneView::SelectInRect(Rect rect, bool add)
{
    if (!add)
        Select(nullptr, false);
    ClientToDoc(rect);
    CCorvaneDoc* document = GetDocument();
    if (document == nullptr)
        return;
    for (const auto& object : document->GetObjects())
        if (object->Intersects(rect))
            Select(object.get(), true);
}

void CCorvaneView::RemoveFromSelection(const CCorvaneObj& object)
{
    selection_.erase(std::remove(selection_.begin(), selection_.end(), &object), selection_.end());
}

void CCorvaneView::ClearSelectionList() { selection_.clear(); }

bool CCorvaneView::IsSelected(const CCorvaneObj& object) const
{
    return std::find(selection_.begin(), selection_.end(), &object) != selection_.end();
}

void CCorvaneView::InvalObj(const CCorvaneObj& object)
{
    Rect rect = object.Position();
    DocToClient(rect);
    if (activeFlag_ && IsSelected(object)) {
        rect.left -= kTrackerLeft;
        rect.top -= kTrackerTop;
        rect.right += kTrackerRight;
        rect.bottom += kTrackerBottom;
    }
    InvalidateRect(rect.Inflated(1, 1), false);
}

// --- Sizes.

void CCorvaneView::SetPageSize(int cx, int cy)
{
    const Size perInch = ScreenPixelsPerInch();
    printSize_ = {cx * perInch.width / 100, cy * perInch.height / 100};
    SetScrollSizes(printSize_);
    if (CCorvaneDoc* document = GetDocument())
        document->UpdateAllViews(nullptr);
}

void CCorvaneView::OnInitialUpdate()
{
    if (CCorvaneDoc* document = GetDocument()) {
        // Asking the print system for the paper takes its time: a new
        // document's view asks when its area is first used.
        if (document->IsPaperSizeKnown())
            SizeToPaper();
        else
            SetScrollSizesWhenNeeded([this] { SizeToPaper(); });
    }
    ScrollView::OnInitialUpdate();
    if (ChildFrame* frame = ParentFrame())
        frame->ShowMaximized();
}

void CCorvaneView::SizeToPaper()
{
    if (CCorvaneDoc* document = GetDocument()) {
        // Paper in hundredths of an inch, as SetPageSize converts it.
        const Size paper = document->GetPaperSize();
        const Size perInch = ScreenPixelsPerInch();
        SetScrollSizes({paper.width * perInch.width / 100, paper.height * perInch.height / 100}, kInitialPageStep,
            kInitialLineStep);
    }
}

bool CCorvaneView::OnScrollBy(Size delta, bool doScroll)
{
    const bool scrolled = ScrollView::OnScrollBy(delta, doScroll);
    if (doScroll && scrolled)
        Invalidate(true);
    return scrolled;
}

// --- Drawing.

void CCorvaneView::OnPrepareDC(DeviceContext& dc)
{
    ScrollView::OnPrepareDC(dc);
    dc.SetMapMode(MapMode::Text);
}

void CCorvaneView::OnDraw(DeviceContext& dc)
{
    const Rect clip = dc.ClipBox();
    if (!dc.IsPrinting()) {
        // Drawn into a buffer of the clip box's device size first, so the
        // window never shows a half-drawn net.
        const Rect device = dc.LogicalToDevice(clip).Normalized();
        Bitmap buffer(device.Width(), device.Height());
        if (!device.IsEmpty() && !buffer.IsNull()) {
            {
                MemoryContext memory(buffer);
                OnPrepareDC(memory);
                memory.OffsetViewportOrigin(-device.left, -device.top);
                memory.SetBrushOrigin(BrushOriginFor(device.TopLeft()));
                memory.IntersectClipRect(clip);
                DrawContents(memory, clip);
            }
            const int saved = dc.Save();
            dc.SetMapMode(MapMode::Text);
            dc.SetViewportOrigin({0, 0});
            dc.SetWindowOrigin({0, 0});
            dc.CopyBitmap(device.TopLeft(), buffer, {0, 0, device.Width(), device.Height()});
            dc.Restore(saved);
            return;
        }
    }
    DrawContents(dc, clip);
}

void CCorvaneView::DrawContents(DeviceContext& dc, const Rect& clip)
{
    CCorvaneDoc* document = GetDocument();
    if (document == nullptr)
        return;
    dc.FillRect(clip, SolidBrush(RgbFromStoredColour(document->GetPaperColor())));
    if (!dc.IsPrinting() && snapToGrid_)
        DrawGrid(dc);
    if (DrawsNetText()) {
        dc.SetBackgroundMode(BackgroundMode::Transparent);
        dc.SetTextColour({0, 0, 0});
    }
    document->DrawAll(dc, App().Bitmaps(), this);
    // The gesture under way (a rubber band) shows over the objects.
    if (!dc.IsPrinting())
        Tools().CurrentTool()->DrawFeedback(*this, dc);
}

bool CCorvaneView::OnEraseBackground(DeviceContext& /*dc*/)
{
    // Drawing fills the whole clip box.
    return false;
}

void CCorvaneView::DrawGrid(DeviceContext& /*dc*/) {}

// --- Updates and activation.

void CCorvaneView::OnUpdate(View* /*sender*/, int hint, const std::any& object)
{
    switch (hint) {
    case view_hint::kAll:
        Invalidate(false);
        break;
    case view_hint::kObject:
        if (const auto* given = AnyAs<CCorvaneObj*>(object); given != nullptr && *given != nullptr)
            InvalObj(**given);
        break;
    case view_hint::kObjects: {
        const auto* given = AnyAs<std::vector<CCorvaneObj*>>(object);
        const std::vector<CCorvaneObj*> objects = given != nullptr ? *given : selection_;
        for (const CCorvaneObj* each : objects)
            InvalObj(*each);
        break;
    }
    case view_hint::kRemoved:
        if (const auto* given = AnyAs<std::vector<CCorvaneObj*>>(object)) {
            for (const CCorvaneObj* each : *given) {
                InvalObj(*each);
                RemoveFromSelection(*each);
            }
        }
        break;
    case view_hint::kHardware:
        OnHardwareChanged();
        Invalidate(false);
        break;
    default:
        break;
    }
}

void CCorvaneView::OnActivateView(bool activate, View* activated, View* deactivated)
{
    ScrollView::OnActivateView(activate, activated, deactivated);
    // The tool kind is shared by every view: the picture's control tool
    // belongs to the view that asked for it, and editing views take the
    // select tool back when they come to the front.
    if (activate) {
        if (usesCtrlTool_)
            Tools().SetCurrentKind(tool_kind::kControl);
        else if (Tools().CurrentKind() == tool_kind::kControl)
            Tools().SetCurrentKind(tool_kind::kSelect);
    }
    if (activate == activeFlag_)
        return;
    activeFlag_ = activate;
    OnUpdate(nullptr, view_hint::kObjects, {});
}

// --- Mouse and keys.

void CCorvaneView::OnMouseDown(const MouseEvent& event)
{
    if (event.button != MouseButton::Left) {
        ScrollView::OnMouseDown(event);
        return;
    }
    currentMousePoint_ = event.point;
    if (activeFlag_)
        Tools().CurrentTool()->OnLButtonDown(*this, event.flags, event.point);
    Invalidate(true);
}

void CCorvaneView::OnMouseUp(const MouseEvent& event)
{
    if (event.button != MouseButton::Left) {
        ScrollView::OnMouseUp(event);
        return;
    }
    // A release at the very edge is taken for the end of a scroll-bar or
    // frame gesture, unless a drag of this view is under way: then the tool
    // must see it to release the mouse and stop scrolling.
    const bool nearEdge = event.point.x < kReleaseMargin || event.point.y < kReleaseMargin;
    if (nearEdge && !HasCapture())
        return;
    currentMousePoint_ = event.point;
    if (activeFlag_)
        Tools().CurrentTool()->OnLButtonUp(*this, event.flags, event.point);
    Invalidate(true);
}

void CCorvaneView::OnMouseMove(const MouseEvent& event)
{
    currentMousePoint_ = event.point;
    if (activeFlag_)
        Tools().CurrentTool()->OnMouseMove(*this, event.flags, event.point);
    lastMouseFlags_ = event.flags;
    lastMousePoint_ = event.point;
    OnHoverMove();
}

void CCorvaneView::OnDoubleClick(const MouseEvent& event)
{
    if (event.button != MouseButton::Left) {
        ScrollView::OnDoubleClick(event);
        return;
    }
    currentMousePoint_ = event.point;
    if (activeFlag_)
        Tools().CurrentTool()->OnLButtonDblClk(*this, event.flags, event.point);
}

void CCorvaneView::OnKeyDown(const KeyEvent& event)
{
    if (event.key == key_code::kEscape && event.modifiers == key_modifier::kNone) {
        HandleCommand(view_command::kCancel);
        return;
    }
    ScrollView::OnKeyDown(event);
}

void CCorvaneView::OnHoverMove() {}

void CCorvaneView::StartConnectDrag(unsigned flags, Point point)
{
    Tools().SetCurrentKind(tool_kind::kConnect);
    OnMouseDown({MouseButton::Left, point, flags});
}

void CCorvaneView::StartSelectPress(unsigned flags, Point point)
{
    Tools().SetCurrentKind(tool_kind::kSelect);
    OnMouseDown({MouseButton::Left, point, flags});
}

void CCorvaneView::UseCtrlTool()
{
    usesCtrlTool_ = true;
    Tools().SetCurrentKind(tool_kind::kControl);
}

void CCorvaneView::OnTimer(std::uint32_t id)
{
    if (id != kAutoScrollTimer) {
        ScrollView::OnTimer(id);
        return;
    }
    const Point position = ScrollPosition();
    OnMouseMove({MouseButton::None, lastMousePoint_, lastMouseFlags_});
    if (autoScrollDirection_ >= 0 && autoScrollDirection_ < static_cast<int>(kAutoScrollSteps.size()))
        ScrollTo(position + kAutoScrollSteps[static_cast<std::size_t>(autoScrollDirection_)]);
    Invalidate(true);
}

// --- Tooltips.

std::string CCorvaneView::OnToolTipText(int toolId)
{
    if (toolId > 0 && toolId <= 0xFFFF) {
        const auto id = static_cast<std::uint16_t>(toolId);
        for (const CCorvaneDoc* document : {environment_.CurrentNetDocument(), GetDocument()}) {
            if (document == nullptr)
                continue;
            if (const CCorvaneIcon* icon = document->FindIconById(id))
                return icon->Name();
        }
    }
    if (toolId >= kFirstWindowCommand && toolId <= kLastWindowCommand) {
        for (const CommandName& command : kWindowCommandNames)
            if (command.id == toolId)
                return std::string(command.name);
        return {};
    }
    return "ID " + std::to_string(toolId);
}

// --- Commands.

void CCorvaneView::RegisterCommands()
{
    using namespace view_command;
    AddCommand(kCancel, [this](int) {
        if (HasCapture())
            ReleaseCapture();
        Tools().CurrentTool()->OnCancel(*this);
    });

    const auto toolCommand = [this](int command, int kind, bool makesCurrent) {
        if (makesCurrent)
            AddCommand(command, [this, kind](int) { Tools().SetCurrentKind(kind); });
        else
            AddCommand(command, [](int) {});
        AddUpdate(command, [this, kind](CommandState& state) { state.SetCheck(Tools().CurrentKind() == kind); });
    };
    toolCommand(kSelectionTool, tool_kind::kSelect, true);
    toolCommand(kLineTool, tool_kind::kConnect, true);
    toolCommand(kRectangleTool, tool_kind::kRectangle, false);

    AddCommand(kSnapToGrid, [this](int) {
        snapToGrid_ = !snapToGrid_;
        environment_.SetSnapToGrid(snapToGrid_);
        Invalidate(false);
    });
    AddUpdate(kSnapToGrid, [this](CommandState& state) { state.SetCheck(snapToGrid_); });

    for (const int command : {kBringToTop, kSendToBottom, kBringForward, kSendBackward}) {
        AddCommand(command, [this](int id) { MoveInList(id); });
        AddUpdate(command, [this](CommandState& state) { state.Enable(selection_.size() == 1); });
    }

    AddCommand(kProperties, [this](int) {
        if (selection_.size() == 1 && Tools().CurrentKind() == tool_kind::kSelect)
            Tools().FindTool(tool_kind::kSelect)->OnEditProperties(*this);
    });
    // An object that opens no dialog greys the command.
    AddUpdate(kProperties, [this](CommandState& state) {
        state.Enable(selection_.size() != 1 || selection_.front()->HasProperties());
    });

    AddCommand(kSelectAll, [this](int) {
        if (CCorvaneDoc* document = GetDocument())
            for (const auto& object : document->GetObjects())
                Select(object.get(), true);
    });
    AddUpdate(kSelectAll, [this](CommandState& state) {
        const CCorvaneDoc* document = GetDocument();
        state.Enable(document != nullptr && document->GetObjectCount() > 0);
    });

    // The base view keeps no clipboard: the net view brings its own.
    AddCommand(kDelete, [](int) {});
    AddCommand(kCopy, [](int) {});
    AddUpdate(kCopy, [this](CommandState& state) { state.Enable(!selection_.empty()); });
    AddCommand(kCut, [this](int) {
        HandleCommand(kCopy);
        HandleCommand(kDelete);
    });
    AddUpdate(kCut, [this](CommandState& state) { state.Enable(!selection_.empty()); });
    AddCommand(kPaste, [this](int) {
        Select(nullptr, false);
        if (CCorvaneDoc* document = GetDocument()) {
            document->SetModified(true);
            document->UpdateAllViews(nullptr, view_hint::kObjects);
        }
    });

    AddCommand(kPrint, [this](int) { OnPrintCommand(true); });
    AddCommand(kPrintDirect, [this](int) { OnPrintCommand(false); });
    AddCommand(kPrintPreview, [this](int) { OnPrintPreviewCommand(); });
}

void CCorvaneView::MoveInList(int command)
{
    CCorvaneDoc* document = GetDocument();
    if (document == nullptr || selection_.size() != 1)
        return;
    CCorvaneObj* object = selection_.front();
    std::vector<CCorvaneObj*> order;
    for (const auto& each : document->GetObjects())
        order.push_back(each.get());
    const auto found = std::find(order.begin(), order.end(), object);
    if (found == order.end())
        return;
    switch (command) {
    case view_command::kBringToTop:
        std::rotate(found, found + 1, order.end());
        break;
    case view_command::kSendToBottom:
        std::rotate(order.begin(), found, found + 1);
        break;
    case view_command::kBringForward:
        if (found + 1 != order.end())
            std::iter_swap(found, found + 1);
        break;
    case view_command::kSendBackward:
        if (found != order.begin())
            std::iter_swap(found, found - 1);
        break;
    default:
        return;
    }
    // Bringing each object to the head, last first, leaves the list in
    // this order without taking anything out of a view's selection.
    for (auto it = order.rbegin(); it != order.rend(); ++it)
        document->MoveToFront(**it);
    InvalObj(*object);
}

// --- Printing.

std::string CCorvaneView::PrintDocumentName() const
{
    const CCorvaneDoc* document = GetDocument();
    return document != nullptr ? document->Title() : std::string("Corvane");
}

void CCorvaneView::OnPrintCommand(bool withDialog)
{
    printImage_.Capture(RenderToBitmap());
    const std::string name = PrintDocumentName();
    const std::optional<PrintSettings> job
        = withDialog ? OnPreparePrinting(name) : PreparePrintJob(Handle(), name, false);
    if (job) {
        const PrintResult result = Print(*job);
        if (!result.ok)
            ShowNotice(Handle(), result.error);
    }
    if (CCorvaneDoc* document = GetDocument())
        document->ComputePageSize();
}

void CCorvaneView::OnPrintPreviewCommand()
{
    printImage_.Capture(RenderToBitmap());
    const std::string name = PrintDocumentName();
    RunPrintPreview(PreviewSettings(name), [this, name](const PrintSettings&) { return OnPreparePrinting(name); });
    if (CCorvaneDoc* document = GetDocument())
        document->ComputePageSize();
}

PrintResult CCorvaneView::PrintWindow(const PrintSettings& settings)
{
    printImage_.Capture(RenderToBitmap());
    return Print(settings);
}

void CCorvaneView::OnBeginPrinting()
{
    if (CCorvaneDoc* document = GetDocument())
        document->ComputePageSize();
}

bool CCorvaneView::OnPrint(DeviceContext& page, int /*pageNumber*/)
{
    printImage_.PrintToDC(page);
    return false;
}

// --- Palette icons.

void CCorvaneView::SnapDropPoint(Point& point) const
{
    if (snapToGrid_)
        point = SnapToIconGrid(point);
}

bool CCorvaneView::CheckOneOnly(std::uint16_t typeCode)
{
    const CCorvaneDoc* document = GetDocument();
    std::string message = OneOnlyMessage(typeCode);
    if (document == nullptr || message.empty() || !HoldsIconOfType(*document, typeCode))
        return false;
    ShowNotice(Handle(), std::move(message));
    return true;
}

CCorvaneIcon* CCorvaneView::CreatePaletteIcon(int cell, Point docPoint)
{
    CCorvaneDoc* document = GetDocument();
    if (document == nullptr)
        return nullptr;
    const std::uint16_t configWord = environment_.PolledConfigWord();
    if (document->GetObjectCount() < 1)
        ShowNotice(Handle(), std::string(kPollNotice));
    SnapDropPoint(docPoint);
    const PaletteCell* row = PaletteCellAt(cell);
    if (row == nullptr)
        return nullptr;
    const PaletteVerdict verdict
        = CheckPaletteRule(*document, cell, environment_.LoggerCapabilityByte(), configWord);
    if (!verdict.allowed) {
        if (!verdict.message.empty())
            ShowNotice(Handle(), verdict.message);
        return nullptr;
    }
    std::unique_ptr<CCorvaneIcon> made
        = environment_.PaletteMakers().Make(cell, Rect::FromPointAndSize(docPoint, row->size), kPaletteFirstBitmap + cell);
    if (!made)
        return nullptr;
    made->SetType(object_type::kIconOrControl);
    CCorvaneIcon& icon = *made;
    document->SetModified(true);
    document->AddObject(std::move(made));
    // Laid out in its document, where it takes its icon id.
    icon.Layout();
    Invalidate(true);
    Rect tipArea = icon.Position();
    DocToClient(tipArea);
    AddToolTip(icon.UniqueId(), tipArea);
    return &icon;
}

}  // namespace corvane
