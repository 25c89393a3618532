#include "netdoc/CNetView.h"

#include "base/AtomicFile.h"
#include "netdoc/CNetDoc.h"
#include "netdoc/CNetFrm.h"
#include "netdoc/CQuvTestDlg.h"
#include "netdoc/ModbusIconFile.h"
#include "netdoc/NetIconRoles.h"
#include "netdoc/NetViewServices.h"
#include "netmodel/CCorvaneIcon.h"
#include "netmodel/CCorvaneObj.h"
#include "netmodel/CHardwarePoll.h"
#include "netmodel/EditorEnvironment.h"
#include "netmodel/PaletteMessages.h"
#include "platform/Application.h"
#include "platform/Cursor.h"
#include "platform/DeviceContext.h"
#include "platform/KeyCodes.h"
#include "platform/MenuTemplate.h"
#include "platform/PromptSink.h"

#include <algorithm>
#include <array>
#include <filesystem>

namespace corvane {

namespace {

// The grid: 2 x 2 dots at x = 36 + 90 k and y = 36 + 70 k (the icon
// grid's points, offset into its cells).
constexpr int kGridFirst = 36;
constexpr int kGridStepX = 90;
constexpr int kGridStepY = 70;
constexpr int kGridDot = 2;

// The palette's buttons send their cell plus 830 while the pointer rests
// on the expanded bar, 192 pixels to the left of the view's point.
constexpr int kPaletteButtonBase = 830;
constexpr int kPaletteBarWidth = 192;

constexpr std::array kContextMenu = {
    MenuCommand(view_command::kCut, "Cu&t"),
    MenuCommand(view_command::kCopy, "&Copy"),
    MenuCommand(view_command::kPaste, "&Paste"),
    MenuCommand(view_command::kDelete, "&Delete"),
    MenuSeparator(),
    MenuCommand(view_command::kProperties, "P&roperties"),
};

template <class T> void AddOnce(std::vector<T*>& list, T* item)
{
    if (std::find(list.begin(), list.end(), item) == list.end())
        list.push_back(item);
}

}  // namespace

CNetView::CNetView(EditorEnvironment& environment, NetViewServices& services)
    : CCorvaneView(environment), services_(services)
{
    RegisterNetCommands();
}

CNetView::~CNetView() = default;

CNetDoc* CNetView::GetNetDocument() const { return dynamic_cast<CNetDoc*>(GetDocument()); }

HardwareIconPlacement* CNetView::EnsurePlacement()
{
    if (!placement_) {
        if (CNetDoc* document = GetNetDocument())
            placement_ = std::make_unique<HardwareIconPlacement>(*document, services_);
    }
    return placement_.get();
}

void CNetView::RegisterNetCommands()
{
    AddCommandRange(kFirstPaletteButton, kLastPaletteButton, [this](int id) {
        Point point = ScreenToClient(CursorScreenPosition());
        point.x += kPaletteBarWidth;
        ClientToDoc(point);
        CreatePaletteIcon(id - kPaletteButtonBase, point);
    });
    AddCommand(kSaveCommand, [this](int) { SaveNet(false); });
    AddCommand(kSaveAsCommand, [this](int) { SaveNet(true); });
    const auto open = [this](int) {
        if (CNetDoc* document = GetNetDocument()) {
            std::filesystem::path path;
            document->OpenNetFile(false, false, path);
        }
    };
    AddCommand(kOpenCommand, open);
    AddCommand(kFileOpenCommand, open);
    for (const int command : {kQueryCommand, kFileNewCommand}) {
        AddCommand(command, [this](int) { OnQueryLoggerConfiguration(); });
        AddUpdate(command, [this](CommandState& state) { state.Enable(Environment().IsConnected()); });
    }
    AddCommand(kWiringListCommand, [this](int) {
        if (CNetDoc* document = GetNetDocument())
            services_.ShowWiringList(*document);
    });
    AddCommand(kCheckNetCommand, [this](int) {
        if (CNetDoc* document = GetNetDocument()) {
            CQuvTestDlg dialog(*document, {}, this);
            dialog.DoModal();
        }
    });
    AddCommand(view_command::kCopy, [this](int) {
        clipboard_.Clear();
        for (CCorvaneObj* object : Selection())
            if (object->IsDeletable())
                clipboard_.CopyIcon(*object);
    });
    AddCommand(view_command::kPaste, [this](int) {
        if (CNetDoc* document = GetNetDocument())
            clipboard_.Paste(*this, *document);
    });
    for (const int command : {view_command::kDelete, kDeleteSelectionCommand})
        AddCommand(command, [this](int) { DeleteSelection(); });
    AddCommand(kAddSavedIconsCommand, [this](int) { OnAddSavedIcons(); });
    AddCommand(kAddNewIconCommand, [this](int) { CreatePaletteIcon(kModbusRegisterCell, kNewIconPoint); });
}

// --- Zoom and drawing.

void CNetView::SetZoom(int percent)
{
    const int zoom = std::clamp(percent, kMinZoom, kMaxZoom);
    const Rect client = ClientRect();
    Point cursor = ScreenToClient(CursorScreenPosition());
    if (!client.Contains(cursor))
        cursor = client.Centre();
    const Point anchor = ClientToLogical(cursor);
    zoom_ = zoom;
    UpdateScrollSizes();
    // The document point under the cursor stays under it as far as the
    // scroll range allows.
    const Point moved = LogicalToClient(anchor);
    const Point position = ScrollPosition();
    ScrollTo({position.x + moved.x - cursor.x, position.y + moved.y - cursor.y});
    Invalidate(false);
}

void CNetView::UpdateScrollSizes()
{
    // The zoom is the number of drawing units per hundredth of an inch of
    // screen: the paper's pixels at 100 %, more below, fewer above.
    const Size paper = PrintSize();
    SetScrollSizes({paper.width * kDefaultZoom / zoom_, paper.height * kDefaultZoom / zoom_}, PageSize(), LineSize());
}

void CNetView::OnPaperSizeChanged(Size paper)
{
    CCorvaneView::OnPaperSizeChanged(paper);
    UpdateScrollSizes();
}

void CNetView::SizeToPaper()
{
    CCorvaneView::SizeToPaper();
    if (const CNetDoc* document = GetNetDocument()) {
        const Size paper = document->GetPaperSize();
        SetPageSize(paper.width, paper.height);
        UpdateScrollSizes();
    }
}

void CNetView::OnPrepareDC(DeviceContext& dc)
{
    CCorvaneView::OnPrepareDC(dc);
    // zoom units make an inch: a hundred at 100 %.
    dc.SetMapMode(MapMode::Anisotropic);
    dc.SetWindowExtent({zoom_, zoom_});
    dc.SetViewportExtent(dc.PixelsPerInch());
}

void CNetView::DrawGrid(DeviceContext& dc)
{
    const CCorvaneDoc* document = GetDocument();
    if (document == nullptr)
        return;
    const Size area = document->GetPaperSize();
    const Rect clip = dc.ClipBox();
    const Brush dot = SolidBrush({0, 0, 0});
    const auto firstIn = [](int low, int step) {
        return low <= kGridFirst ? kGridFirst : kGridFirst + (low - kGridFirst + step - 1) / step * step;
    };
    for (int y = firstIn(clip.top - kGridDot, kGridStepY); y < area.height && y < clip.bottom; y += kGridStepY)
        for (int x = firstIn(clip.left - kGridDot, kGridStepX); x < area.width && x < clip.right; x += kGridStepX)
            dc.FillRect({x, y, x + kGridDot, y + kGridDot}, dot);
}

void CNetView::OnKeyDown(const KeyEvent& event)
{
    if (event.key == 'A')
        SetZoom(zoom_ + kZoomStep);
    else if (event.key == 'Z')
        SetZoom(zoom_ - kZoomStep);
    CCorvaneView::OnKeyDown(event);
}

// --- Life and messages.

void CNetView::OnInitialUpdate()
{
    CCorvaneView::OnInitialUpdate();
    netSelection_.clear();
    if (CNetDoc* document = GetNetDocument())
        document->SetModified(false);
    EnsurePlacement();
    if (auto* frame = dynamic_cast<CNetFrm*>(ParentFrame()))
        frame->SetIconBarTarget(this);
}

std::intptr_t CNetView::OnMessage(Message& message)
{
    if (message.id == kPaletteDropMessage) {
        if (const auto drop = message.TakePayload<PaletteDropPayload>()) {
            Point point = drop->value;
            ClientToDoc(point);
            CreatePaletteIcon(static_cast<int>(message.wParam), point);
        }
        return 0;
    }
    return CCorvaneView::OnMessage(message);
}

void CNetView::OnContextMenu(Point point)
{
    CCorvaneDoc* document = GetDocument();
    if (document == nullptr)
        return;
    Point docPoint = point;
    ClientToDoc(docPoint);
    if (CCorvaneObj* object = document->ObjectAt(docPoint); object != nullptr && !IsSelected(*object))
        Select(object, false);
    UpdateWindow();
    if (const int command = TrackPopupMenu(kContextMenu, point); command != 0)
        RouteCommand(command);
}

void CNetView::AddToNetSelection(CCorvaneObj& object) { AddOnce(netSelection_, &object); }

void CNetView::DropFromSelection(const CCorvaneObj& object)
{
    CCorvaneView::DropFromSelection(object);
    std::erase(netSelection_, &object);
}

// --- Commands.

void CNetView::DeleteSelection()
{
    CCorvaneDoc* document = GetDocument();
    if (document == nullptr)
        return;
    // Only the objects that go lose their links; the others stay as they are.
    std::vector<CCorvaneObj*> doomed;
    for (CCorvaneObj* object : Selection())
        if (object->IsDeletable())
            AddOnce(doomed, object);
    for (CCorvaneObj* object : netSelection_)
        if (object->IsDeletable())
            AddOnce(doomed, object);
    Select(nullptr, false);
    netSelection_.clear();
    for (CCorvaneObj* object : doomed) {
        if (auto* icon = dynamic_cast<CCorvaneIcon*>(object)) {
            const auto unlink = [icon](int slot) {
                const InputLink* link = icon->RecordLink(slot);
                if (link != nullptr && link->IsConnected())
                    icon->DisconnectInput(slot);
            };
            unlink(kEnableSlot);
            unlink(kTriggerSlot);
            for (int slot = 0; slot < icon->TotalInputs(); ++slot)
                unlink(slot);
            for (int output = 0; output < icon->OutputCount(); ++output)
                icon->DisconnectOutput(output);
        }
        object->Remove();
        std::unique_ptr<CCorvaneObj> gone = document->RemoveObject(*object);
    }
    document->SetModified(true);
    document->UpdateAllViews(nullptr);
}

void CNetView::SaveNet(bool alwaysAsk)
{
    CNetDoc* document = GetNetDocument();
    if (document == nullptr)
        return;
    std::filesystem::path path = document->PathName();
    bool ask = alwaysAsk || document->Title() == CNetDoc::kDefaultTitle;
    if (!path.has_parent_path()) {
        // A bare name: the document completes it in the net folder from its title.
        const std::string name = path.string();
        ask = ask || name.empty() || name == CNetDoc::kDefaultTitle;
        path.clear();
    }
    document->SaveNetFile(!ask, path);
}

void CNetView::OnAddSavedIcons()
{
    CNetDoc* document = GetNetDocument();
    if (document == nullptr)
        return;
    FileDialogRequest request;
    request.owner = Handle();
    request.folder = document->Services().ModbusFileFolder().string();
    request.fileName = "*.mbi";
    request.filter = "Modbus Icon Files (*.mbi)| *.mbi||";
    request.defaultExtension = "mbi";
    request.fileMustExist = true;
    request.multiSelect = true;
    const std::optional<FileDialogResult> chosen = Application::Instance().Prompts().ShowFileDialog(request);
    if (!chosen)
        return;
    for (const std::string& path : chosen->paths)
        AddSavedIcon(path);
    document->UpdateAllViews(nullptr);
}

bool CNetView::AddSavedIcon(const std::filesystem::path& path)
{
    CNetDoc* document = GetNetDocument();
    if (document == nullptr)
        return false;
    const auto refuse = [this](std::string text) {
        MessageBoxRequest box;
        box.owner = Handle();
        box.text = std::move(text);
        box.caption = "Error";
        box.icon = MessageBoxIcon::Error;
        Application::Instance().Prompts().ShowMessageBox(box);
        return false;
    };
    const FileContents contents = ReadWholeFile(path, kModbusIconFileMaxBytes);
    if (contents.error)
        return refuse("The saved icon file " + path.string() + " could not be opened.\n\n" + contents.error.message);
    const auto parsed = ParseModbusIconFile(contents.bytes);
    if (const auto* error = std::get_if<RecordError>(&parsed))
        return refuse(path.string() + " is not a saved R/W Modbus register icon: " + error->Describe() + ".");
    const std::span<const std::uint8_t> record = std::get<std::span<const std::uint8_t>>(parsed);
    std::unique_ptr<CCorvaneIcon> icon = document->CreateIcon(kModbusIconFileTypeCode, 0);
    auto* server = dynamic_cast<ModbusServerRole*>(icon.get());
    if (server == nullptr)
        return refuse(path.string() + " holds an icon this program cannot add.");
    if (const auto error = document->LoadIconFromRecord(icon, record, kModbusIconFileTypeCode, 0, false))
        return refuse(path.string() + " is not a saved R/W Modbus register icon: " + error->Describe() + ".");
    // The icon's links and id belong to the net it was saved from: it
    // joins this one unlinked and under an id of its own.
    server->DetachConnectors();
    server->ResetConnectorLayout();
    icon->Header().uniqueId = 0;
    CCorvaneIcon& added = *icon;
    document->AddObject(std::move(icon));
    added.SetUniqueId(document->TakeNextIconId());
    added.LayoutConnectors();
    server->SetSavedFile(path);
    document->Services().SetModbusFileFolder(path.parent_path());
    document->SetModified(true);
    return true;
}

void CNetView::OnQueryLoggerConfiguration()
{
    CNetDoc* document = GetNetDocument();
    if (document == nullptr || !document->SaveModified())
        return;
    ScrollTo({0, 0});
    CHardwarePoll& poll = document->GetHardwarePoll();
    poll.Reset();
    Select(nullptr, false);
    netSelection_.clear();
    document->DeleteObjects(true);
    document->SetTitle(CNetDoc::kDefaultTitle);
    if (Environment().IsConnected()) {
        services_.ClearDiagnostics();
        poll.SetReporter(services_.PollReporter());
        poll.Start(*this);
        return;
    }
    MessageBoxRequest box;
    box.owner = Handle();
    box.text = "Please connect to the logger prior to polling for hardware";
    box.caption = "Logger Connection Error";
    box.icon = MessageBoxIcon::Error;
    Application::Instance().Prompts().ShowMessageBox(box);
    if (HardwareIconPlacement* placement = EnsurePlacement()) {
        placement->SetInputRow(1);
        placement->CreateHardwareIcon(HardwareIconPlacement::kNoModule, HardwareIconPlacement::kProgramIconId, poll);
    }
    document->UpdateAllViews(nullptr);
}

void CNetView::OnHardwarePollDone()
{
    CNetDoc* document = GetNetDocument();
    HardwareIconPlacement* placement = EnsurePlacement();
    if (document != nullptr && placement != nullptr)
        placement->CreateIconsFromHardware(document->GetHardwarePoll());
}

}  // namespace corvane
