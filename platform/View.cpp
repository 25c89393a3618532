#include "platform/View.h"

#include "platform/Application.h"
#include "platform/ChildFrame.h"
#include "platform/DeviceContext.h"
#include "platform/Document.h"
#include "platform/MdiFrame.h"
#include "platform/PrintDialogs.h"
#include "platform/PrinterBackend.h"
#include "platform/internal/CanvasWidget.h"
#include "platform/internal/MenuBuilder.h"

#include <QGridLayout>

namespace corvane {

View::View()
{
    // The canvas sits in a container that scroll views give scroll bars.
    auto* container = new QWidget;
    auto* grid = new QGridLayout(container);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    grid->addWidget(Canvas().canvas, 0, 0);
    Canvas().SetTop(container);
}

View::~View()
{
    Canvas().Detach();
    if (document_ != nullptr)
        document_->RemoveView(*this);
}

Point View::ClientToLogical(Point point)
{
    Bitmap probe(1, 1);
    MemoryContext dc(probe);
    OnPrepareDC(dc);
    return dc.DeviceToLogical(point);
}

Rect View::ClientToLogical(const Rect& rect)
{
    Bitmap probe(1, 1);
    MemoryContext dc(probe);
    OnPrepareDC(dc);
    return dc.DeviceToLogical(rect).Normalized();
}

Point View::LogicalToClient(Point point)
{
    Bitmap probe(1, 1);
    MemoryContext dc(probe);
    OnPrepareDC(dc);
    return dc.LogicalToDevice(point);
}

Rect View::LogicalToClient(const Rect& rect)
{
    Bitmap probe(1, 1);
    MemoryContext dc(probe);
    OnPrepareDC(dc);
    return dc.LogicalToDevice(rect).Normalized();
}

int View::TrackPopupMenu(std::span<const MenuItemTemplate> items, Point point)
{
    CanvasWidget* canvas = Canvas().canvas;
    if (canvas == nullptr || items.empty())
        return 0;
    const CommandQuery query = [this](int id) { return QueryCommand(id); };
    std::unique_ptr<QMenu> menu = BuildMenu({}, items, query, {});
    QPointer<QAction> chosen = menu->exec(canvas->mapToGlobal(QPoint(point.x, point.y)));
    return CommandIdOf(chosen.data());
}

namespace {

std::vector<CommandTarget*> ChainOf(View& view)
{
    if (ChildFrame* frame = view.ParentFrame(); frame != nullptr && frame->MainFrame() != nullptr)
        return frame->MainFrame()->ChainFrom(&view);
    std::vector<CommandTarget*> chain{&view};
    if (Document* document = view.GetDocument())
        chain.push_back(document);
    return chain;
}

}  // namespace

bool View::RouteCommand(int id)
{
    for (CommandTarget* target : ChainOf(*this))
        if (target->HandleCommand(id))
            return true;
    return false;
}

CommandState View::QueryCommand(int id)
{
    CommandState state(id);
    for (CommandTarget* target : ChainOf(*this)) {
        if (target->HandleUpdate(state)) {
            state.SetAnswered(true);
            break;
        }
    }
    return state;
}

PrintResult View::Print(const PrintSettings& settings)
{
    OnBeginPrinting();
    PrintResult result = App().Printers().Print(
        settings, [this](DeviceContext& page, int pageNumber) { return OnPrint(page, pageNumber); });
    OnEndPrinting();
    return result;
}

bool View::RunPrintPreview(const PrintSettings& paper, PrintPreview::PrintChooser choosePrint)
{
    OnBeginPrinting();
    PrintPreview preview(
        paper, [this](DeviceContext& page, int pageNumber) { return OnPrint(page, pageNumber); },
        std::move(choosePrint));
    const bool printed = preview.Run();
    OnEndPrinting();
    return printed;
}

void View::OnInitialUpdate() { OnUpdate(nullptr, 0, {}); }

void View::OnUpdate(View*, int, const std::any&) { Invalidate(true); }

void View::OnActivateView(bool, View*, View*) {}

void View::OnPrepareDC(DeviceContext&) {}

void View::OnDraw(DeviceContext&) {}

std::optional<PrintSettings> View::OnPreparePrinting(const std::string& documentName)
{
    return PreparePrintJob(Handle(), documentName, true);
}

void View::OnBeginPrinting() {}

bool View::OnPrint(DeviceContext& page, int)
{
    OnPrepareDC(page);
    OnDraw(page);
    return false;
}

void View::OnEndPrinting() {}

void View::OnPaint(DeviceContext& dc)
{
    OnPrepareDC(dc);
    OnDraw(dc);
}

}  // namespace corvane
