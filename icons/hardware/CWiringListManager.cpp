#include "icons/hardware/CWiringListManager.h"

#include "base/AtomicFile.h"
#include "icons/hardware/TextFileViewer.h"
#include "netdoc/CGlobalIcon.h"
#include "netdoc/CNetDoc.h"
#include "netmodel/CHardwareIcon.h"
#include "platform/Application.h"
#include "platform/PromptSink.h"
#include "platform/Window.h"

namespace corvane {
namespace {

constexpr std::string_view kListingTitle = "QUV Terminal Strip Connection Listing\n";
constexpr std::string_view kUnused = "Unused";
constexpr std::string_view kFilter = "Wiring List (*.txt)|*.txt||";

void ShowError(Window* view, std::string text)
{
    MessageBoxRequest request;
    request.owner = view != nullptr ? view->Handle() : WindowHandle{};
    request.text = std::move(text);
    request.icon = MessageBoxIcon::Error;
    Application::Instance().Prompts().ShowMessageBox(request);
}

}  // namespace

CWiringListManager::CWiringListManager(Window* view, CNetDoc& document, TextFileViewer& viewer)
    : view_(view), document_(document), viewer_(viewer)
{}

CWiringListManager::~CWiringListManager() = default;

void CWiringListManager::CollectModules(const ObjectList& objects)
{
    for (const auto& object : objects)
        if (const auto* icon = dynamic_cast<const CHardwareIcon*>(object.get()); icon != nullptr && !HasModule(*icon))
            AddModule(*icon);
}

bool CWiringListManager::HasModule(const CHardwareIcon& icon) const { return FindModule(icon) != nullptr; }

CHardwareModuleInfo* CWiringListManager::FindModule(const CHardwareIcon& icon) const
{
    for (const auto& module : modules_)
        if (module->ModuleType() == icon.GetModuleType() && module->ModuleAddress() == icon.GetModuleAddress())
            return module.get();
    return nullptr;
}

void CWiringListManager::AddModule(const CHardwareIcon& icon)
{
    modules_.push_back(std::make_unique<CHardwareModuleInfo>(icon.GetModuleType(), icon.GetModuleAddress()));
}

void CWiringListManager::CollectPins(const ObjectList& objects)
{
    for (const auto& object : objects) {
        if (const auto* program = dynamic_cast<const CGlobalIcon*>(object.get())) {
            SetHeader(*program);
            continue;
        }
        auto* icon = dynamic_cast<CHardwareIcon*>(object.get());
        CHardwareModuleInfo* module = icon != nullptr ? FindModule(*icon) : nullptr;
        if (module == nullptr)
            continue;
        const bool connected = document_.CheckIconConnections(*icon);
        for (int n = 1; n <= icon->GetPinCount(); ++n) {
            TerminalStripEntry pin;
            if (icon->GetPinInfo(n, pin) != 0)
                continue;
            if (!connected)
                pin.name = std::string(kUnused);
            module->AddPin(pin);
        }
    }
}

void CWiringListManager::AddFixedPins()
{
    for (const auto& module : modules_)
        module->AddFixedPins();
}

void CWiringListManager::SetHeader(const CGlobalIcon& program)
{
    header_ = std::string(kListingTitle) + "     Net Program Description: " + program.GetDescription() + "\n";
}

std::string CWiringListManager::BuildListing() const
{
    std::string listing = header_;
    for (const auto& module : modules_)
        module->FormatPinList(listing);
    return listing;
}

bool CWiringListManager::SaveAndShow()
{
    FileDialogRequest request;
    request.owner = view_ != nullptr ? view_->Handle() : WindowHandle{};
    request.open = false;
    request.filter = std::string(kFilter);
    request.defaultExtension = "txt";
    request.overwritePrompt = true;
    const std::optional<FileDialogResult> chosen = Application::Instance().Prompts().ShowFileDialog(request);
    if (!chosen || chosen->paths.empty())
        return false;
    const std::filesystem::path path = chosen->paths.front();
    if (WriteFileAtomically(path, BuildListing())) {
        ShowError(view_, "Wiring List File " + path.string() + " Could Not be Saved");
        return false;
    }
    if (!viewer_.Show(path))
        ShowError(view_, "The Wiring List was saved to " + path.string() + " but no text viewer could be started.");
    return true;
}

}  // namespace corvane
