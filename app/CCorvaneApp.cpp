#include "app/CCorvaneApp.h"

#include "app/CAboutDialog.h"
#include "app/CCorvaneSettingsDialog.h"
#include "app/CFolderOptions.h"
#include "app/CMainFrame.h"
#include "app/DesktopRegistration.h"
#include "shell/ErrorBoxes.h"
#include "app/ProgramIcon.h"
#include "app/ShellMessages.h"
#include "app/UserDataFolder.h"
#include "comms/CCommsThread.h"
#include "comms/MainFrameMessages.h"
#include "halvix/HalvixLib.h"
#include "halvix/HalvixLibrary.h"
#include "halvix/MessagePoster.h"
#include "icons/hardware/DesktopTextViewer.h"
#include "platform/Application.h"
#include "platform/ChildFrame.h"
#include "platform/DocTemplate.h"
#include "platform/Document.h"
#include "platform/ExecuteString.h"
#include "platform/MenuTemplate.h"
#include "platform/Message.h"
#include "platform/PrintDialogs.h"
#include "platform/PromptSink.h"
#include "platform/SingleInstanceChannel.h"
#include "platform/WindowPlacement.h"
#include "res/Pictures.h"
#include "res/ResourceIds.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <ctime>
#include <system_error>

namespace corvane {
namespace {

// An execute string that reached the single-instance channel (payload: the text).
constexpr MessageId kShellExecuteMessage = kUserMessage + 0x100;
// Posted to the application once it has started.
constexpr MessageId kRegisterDesktopFilesMessage = kUserMessage + 0x101;
// What a second start without a file hands over: the running one comes to the front.
constexpr std::string_view kActivateExecute = "[activate]";

constexpr std::string_view kFrameTitle = "Corvane-III";
// What a File menu shows while its recent-file list has nothing to show.
constexpr std::string_view kRecentFilePlaceholder = "Recent File";
// The notice caption of a file that cannot be opened ("Open File").
constexpr std::uintptr_t kOpenFileCaption = 1;

constexpr std::array kFileMenu = {MenuCommand(kCmdFileNew, "&New\tCtrl+N"), MenuCommand(kCmdFileOpen, "&Open...\tCtrl+O"),
    MenuSeparator(), MenuCommand(kCmdPrintSetup, "P&rint Setup..."), MenuSeparator(), MenuCommand(kCmdExit, "E&xit")};
constexpr std::array kViewMenu = {MenuCommand(kCmdCommunications, "&Communications"),
    MenuCommand(kCmdProgramDevelopment, "&Program Development"), MenuCommand(kCmdTrending, "&Real-Time Trending")};
constexpr std::array kHelpMenu = {MenuCommand(kCmdAbout, "&About Corvane...")};
constexpr std::array kMainMenuBar
    = {MenuPopup("&File", kFileMenu), MenuPopup("&View", kViewMenu), MenuPopup("&Help", kHelpMenu)};
constexpr MenuTemplate kMainMenu{2, kMainMenuBar};

// Tells the desktop of net files; silent on failure: the program works
// without the desktop knowing its files.
void RegisterDesktopFiles(const CorvaneAppOptions& options)
{
    DesktopTools tools = DesktopTools::FromProcess();
    if (options.desktopToolPath) {
        tools.searchPath = *options.desktopToolPath;
    }
    (void)RegisterNetFiles(options.desktopDataHome.empty() ? DesktopDataHomeOfProcess() : options.desktopDataHome,
        options.executable.empty() ? std::filesystem::path("corvane") : options.executable, tools);
}

// "&1 /path/name.nt3": numbered, the number the mnemonic, any '&' of the
// path shown as itself.
std::string RecentMenuText(std::size_t index, std::string_view path)
{
    std::string text(1, '&');
    text += std::to_string(index + 1);
    text += ' ';
    for (const char c : path) {
        text += c;
        if (c == '&') {
            text += '&';
        }
    }
    return text;
}

std::string Lower(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
        [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
    return lower;
}

// The local time as "Thu Dec 10 05:28:36 2026", formatted without shared state.
std::string CommLogStamp(std::time_t now)
{
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr) {
        return "?";
    }
    char buffer[64] = {};
    const std::size_t length = std::strftime(buffer, sizeof buffer, "%a %b %e %H:%M:%S %Y", &local);
    return std::string(buffer, length);
}

std::string OneLine(std::string_view text)
{
    std::string line(text);
    std::replace_if(line.begin(), line.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    return line;
}

}  // namespace

CCorvaneApp::CCorvaneApp(Application& app, ShellNeighbours neighbours, CorvaneAppOptions options)
    : app_(app),
      neighbours_(std::move(neighbours)),
      options_(std::move(options)),
      connection_(*this, *this),
      recent_{CRecentFileList(std::string(kRecentRoot) + "\\MRUnet"),
          CRecentFileList(std::string(kRecentRoot) + "\\MRUweb"),
          CRecentFileList(std::string(kRecentRoot) + "\\MRUdata")}
{
    AddCommand(kCmdFileNew, [this](int) { OnFileNew(); });
    AddCommand(kCmdFileOpen, [this](int) { OnFileOpen(); });
    AddCommand(
        kCmdPrintSetup, [this](int) { (void)RunPageSetupDialog(mainFrame_ ? mainFrame_->Handle() : WindowHandle{}); });
    AddCommand(kCmdAbout, [this](int) {
        CAboutDialog about(mainFrame_.get());
        (void)about.DoModal();
    });
    AddCommandRange(kCmdRecentFirst, kCmdRecentLast, [this](int id) { OnOpenRecentFile(id); });
    AddUpdateRange(kCmdRecentFirst, kCmdRecentLast, [this](CommandState& state) { OnUpdateRecentFile(state); });
}

CCorvaneApp::~CCorvaneApp()
{
    ExitInstance();
}

void CCorvaneApp::ShowProgramSettings(Window* owner)
{
    CCorvaneSettingsDialog dialog(
        {settings_, settings0_.loggerRetryTime, settings0_.socketTimeout, &connection_}, owner);
    settingsDialog_ = &dialog;
    (void)dialog.DoModal();
    settingsDialog_ = nullptr;
}

void CCorvaneApp::ShowError(std::string_view text)
{
    MessageBoxRequest request;
    request.owner = mainFrame_ ? mainFrame_->Handle() : WindowHandle{};
    request.text = std::string(text);
    request.icon = MessageBoxIcon::Error;
    (void)app_.Prompts().ShowMessageBox(request);
}

CCorvaneApp::StartResult CCorvaneApp::InitInstance()
{
    started_ = true;
    const auto& arguments = app_.Arguments();
    commandLine_.Parse(arguments.empty() ? std::span<const std::string>{}
                                         : std::span<const std::string>(arguments).subspan(1));

    // One instance per user: a second start hands its file (or just the
    // wish to be seen) to the running one and ends before touching anything.
    channel_ = std::make_unique<SingleInstanceChannel>(
        options_.instanceSocket.empty() ? CurrentUserSingleInstancePath() : options_.instanceSocket);
    const WindowHandle self = Handle();
    Application* app = &app_;
    const auto claim = channel_->Claim([app, self](std::string text) {
        app->PostMessage(self, kShellExecuteMessage, 0, 0, std::make_unique<ValuePayload<std::string>>(std::move(text)));
    });
    if (claim.role == SingleInstanceChannel::Role::Secondary) {
        secondInstance_ = true;
        std::string execute = std::string(kActivateExecute);
        if (!commandLine_.FileName().empty()) {
            std::error_code error;
            const auto absolute = std::filesystem::absolute(commandLine_.FileName(), error);
            execute = FormatOpenExecuteString(error ? commandLine_.FileName() : absolute.string());
        }
        (void)channel_->SendExecute(execute);
        return StartResult::SecondInstance;
    }
    // Without a channel the program still runs, as the only instance it knows of.

    const SettingsLoadReport report = settings_.Load(
        options_.settingsFile.empty() ? DefaultSettingsPath(SettingsEnvironment::FromProcess()) : options_.settingsFile);
    if (!report.message.empty()) {
        ShowError(report.message);
    }

    res::RegisterPictures(app_.Bitmaps());
    if (commandLine_.ShowSplash()) {
        // The splash picture takes about as long to draw as the rest of the
        // main frame takes to make; it is drawn beside it.
        app_.Bitmaps().MakeAhead(res::kBitmapSplash);
    }
    res::RegisterCursors(app_.Cursors());
    app_.SetWindowIcon(MakeProgramIcon(32));

    // Folders and caches only now that this is the one running instance.
    // Nothing goes to the folder the program was started from: file dialogs
    // first open in the user's home, the program's own files live in its
    // per-user data folder.
    const DataFolderEnvironment environment = DataFolderEnvironment::FromProcess();
    folderOptions_ = std::make_unique<CFolderOptions>(settings_, TempFolderEnvironment::FromProcess());
    folderOptions_->Load(options_.homeFolder.empty() ? environment.home : options_.homeFolder.string());
    if (!folderOptions_->SetUpCacheFolders()) {
        ShowError(CFolderOptions::kNoTempFolderText);
        return StartResult::Failed;
    }
    dataFolder_ = options_.dataFolder.empty() ? PerUserDataFolder(environment) : options_.dataFolder;
    if (dataFolder_.empty()) {
        // A user without any home keeps the files in the private temporary folder.
        dataFolder_ = folderOptions_->GetTempFolder();
    }
    // A folder that cannot be made shows when its first file cannot be written.
    (void)MakeUserDataFolder(dataFolder_);

    settings0_ = LoadProgramSettings(settings_);

    if (neighbours_.valueCache) {
        valueCache_ = neighbours_.valueCache();
    }

    MainFrameServices services;
    services.settings = &settings_;
    services.connection = &connection_;
    services.valueCache = valueCache_.get();
    services.makeDisplayControls = neighbours_.displayControls;
    services.showReplyError = [this](const CReplyMessage& reply) {
        ShowReplyError(mainFrame_ ? mainFrame_->Handle() : WindowHandle{}, reply);
    };
    services.usbDevice = neighbours_.usbDevice;
    services.showSplash = commandLine_.ShowSplash();
    // Each kind's File menu shows its recent files as they are when it becomes active.
    services.childActivated = [this] {
        if (const auto list = ActiveRecentList()) {
            RefreshRecentMenu(*list);
        }
    };
    mainFrame_ = std::make_unique<CMainFrame>(std::move(services));
    if (!mainFrame_->CreateFrame(kFrameTitle, kMainMenu)) {
        return StartResult::Failed;
    }
    mainFrame_->SetApplicationTarget(this);
    mainFrameHandle_.store(mainFrame_->Handle().value);

    for (const auto* maker : {&neighbours_.commWindow, &neighbours_.net, &neighbours_.trending, &neighbours_.web}) {
        if (*maker) {
            if (auto docTemplate = (*maker)(*this)) {
                mainFrame_->AddDocTemplate(std::move(docTemplate));
            }
        }
    }

    if (options_.registerDesktopFiles) {
        // The desktop learns of net files once the main window is up:
        // drawing the icons to compare them with those written before takes
        // longer than showing the window.
        (void)app_.PostMessage(Handle(), kRegisterDesktopFilesMessage);
    }

    RestoreWindowPlacement();
    mainFrame_->ShowSplash();
    ApplyCommTrace();
    StartComms();
    for (auto& list : recent_) {
        list.Load(settings_);
    }

    // Every document exists before a file named on the command line opens.
    OnFileNew();
    for (DocTemplate* docTemplate : mainFrame_->DocTemplates()) {
        if (ChildFrame* frame = docTemplate->Frame()) {
            frame->ShowMaximized();
        }
    }
    mainFrame_->ActivateWindow(static_cast<int>(WindowKind::CommWindow));
    if (!commandLine_.FileName().empty()) {
        (void)OpenDocumentFile(commandLine_.FileName());
    }

    if (!diagnostics_.Open(dataFolder_ / "diagnostics.txt")) {
        ShowError("Error opening file");
    } else {
        diagnostics_.WriteLine("Corvane-III diagnostic log");
    }
    return StartResult::Running;
}

void CCorvaneApp::RestoreWindowPlacement()
{
    const WindowPlacement placement = LoadWindowPlacement(settings_, kProductKey);
    if (placement.maximized || placement.normal.IsEmpty()) {
        mainFrame_->ShowMaximized();
    } else {
        mainFrame_->SetPlacement(placement);
    }
}

void CCorvaneApp::ApplyCommTrace()
{
    // The communications library comes first: the trace setting is its own.
    halvix_ = std::make_unique<HalvixLibrary>(MakeApplicationPoster(app_));
    halvixInstallation_ = std::make_unique<HalvixInstallation>(*halvix_);
    (void)CxSetLoggingFlags(settings0_.commTrace != 0 ? kLogAll : kLogNone);
}

void CCorvaneApp::StartComms()
{
    commsThread_ = std::make_unique<CCommsThread>(app_, connection_, *this, *this);
    if (commsThread_->ThreadId() == 0) {
        // Without a thread the library stays uninitialised.
        commsThread_.reset();
        ShowError("CxSetCommsThreadID Failed");
        return;
    }
    if (CxSetCommsThreadID(commsThread_->ThreadId()) != 0) {
        ShowError("CxSetCommsThreadID Failed");
    }
    commsThread_->Resume();
    if (CxInitHalvixLib() != 0) {
        ShowError("CxInitHalvixLib Failed");
    }
}

bool CCorvaneApp::CommsThreadRunning() const
{
    return commsThread_ && commsThread_->Running();
}

int CCorvaneApp::Run()
{
    const int code = app_.Run();
    ExitInstance();
    return code;
}

void CCorvaneApp::ExitInstance()
{
    if (exited_ || !started_) {
        return;
    }
    exited_ = true;
    if (channel_) {
        channel_->Stop();
    }
    if (secondInstance_) {
        return;
    }
    if (mainFrame_ && mainFrame_->IsOpen()) {
        // Still open when the loop ended some other way: close it as the
        // user would, so its placement is kept.
        (void)mainFrame_->Close();
    }
    mainFrameHandle_.store(0);
    // The frame (and the documents its templates hold) goes before the
    // services it was given.
    mainFrame_.reset();
    for (const auto& list : recent_) {
        list.Save(settings_);
    }
    valueCache_.reset();
    if (commsThread_) {
        (void)commsThread_->Stop(CCommsThread::kStopBound);
        commsThread_.reset();
    }
    halvixInstallation_.reset();
    halvix_.reset();
    diagnostics_.Close();
}

DocTemplate* CCorvaneApp::Template(int id) const
{
    return mainFrame_ ? mainFrame_->FindTemplate(id) : nullptr;
}

Document* CCorvaneApp::CommWindowDocument() const
{
    DocTemplate* docTemplate = Template(kCommWindowTemplate);
    return docTemplate != nullptr ? docTemplate->GetDocument() : nullptr;
}

Document* CCorvaneApp::NetDocument() const
{
    DocTemplate* docTemplate = Template(kNetTemplate);
    return docTemplate != nullptr ? docTemplate->GetDocument() : nullptr;
}

Document* CCorvaneApp::TrendingDocument() const
{
    DocTemplate* docTemplate = Template(kTrendingTemplate);
    return docTemplate != nullptr ? docTemplate->GetDocument() : nullptr;
}

Document* CCorvaneApp::WebDocument() const
{
    DocTemplate* docTemplate = Template(kWebTemplate);
    return docTemplate != nullptr ? docTemplate->GetDocument() : nullptr;
}

void CCorvaneApp::OnFileNew()
{
    for (const int id : {kNetTemplate, kTrendingTemplate, kWebTemplate, kCommWindowTemplate}) {
        if (DocTemplate* docTemplate = Template(id)) {
            (void)docTemplate->OpenNew();
        }
    }
}

Document* CCorvaneApp::OpenDocumentFile(const std::filesystem::path& path)
{
    const std::string text = path.string();
    const std::string extension = Lower(text.size() >= 4 ? std::string_view(text).substr(text.size() - 4) : "");
    int id = 0;
    if (extension == ".nt3") {
        id = kNetTemplate;
    } else if (extension == ".xml") {
        id = kTrendingTemplate;
    } else if (extension == ".cvc") {
        id = kCommWindowTemplate;
    }
    DocTemplate* docTemplate = Template(id);
    if (docTemplate == nullptr) {
        return nullptr;
    }
    (void)docTemplate->OpenFile(path);
    return docTemplate->GetDocument();
}

void CCorvaneApp::OnFileOpen()
{
    FileDialogRequest request;
    request.owner = mainFrame_ ? mainFrame_->Handle() : WindowHandle{};
    request.filter = "Net Files (*.nt3)|*.nt3|Trend Files (*.xml)|*.xml|All Files (*.*)|*.*||";
    request.fileMustExist = true;
    if (const auto result = app_.Prompts().ShowFileDialog(request); result && !result->paths.empty()) {
        (void)OpenDocumentFile(result->paths.front());
    }
}

std::optional<CCorvaneApp::RecentList> CCorvaneApp::ActiveRecentList() const
{
    const Document* active = mainFrame_ ? mainFrame_->ActiveDocument() : nullptr;
    if (active == nullptr) {
        return std::nullopt;
    }
    if (active == NetDocument()) {
        return RecentList::Net;
    }
    if (active == CommWindowDocument()) {
        return RecentList::Data;
    }
    if (active == WebDocument() || active == TrendingDocument()) {
        return RecentList::Web;
    }
    return std::nullopt;
}

void CCorvaneApp::OnUpdateRecentFile(CommandState& state) const
{
    const auto list = ActiveRecentList();
    const auto index = static_cast<std::size_t>(state.Id() - kCmdRecentFirst);
    state.Enable(list.has_value() && index < RecentMenuFiles(*list).size());
}

void CCorvaneApp::OnOpenRecentFile(int id)
{
    const auto list = ActiveRecentList();
    if (!list) {
        return;
    }
    // The path as the menu shows it: a file gone since then fails as its open does.
    const auto& shown = RecentMenuFiles(*list);
    const auto index = static_cast<std::size_t>(id - kCmdRecentFirst);
    if (index >= shown.size()) {
        return;
    }
    const std::filesystem::path path = shown[index];
    switch (*list) {
    case RecentList::Net:
        if (DocTemplate* net = Template(kNetTemplate)) {
            (void)net->OpenFile(path);
        }
        break;
    case RecentList::Web:
        if (Document* active = mainFrame_->ActiveDocument(); active->Template() != nullptr) {
            (void)active->Template()->OpenFile(path);
        }
        break;
    case RecentList::Data:
        // A converted data file opens in the program the desktop gives it.
        OpenWithDesktop(path);
        break;
    }
}

void CCorvaneApp::RefreshRecentMenu(RecentList list)
{
    std::vector<std::string> entries = Recent(list).MenuEntries();
    if (entries.size() > kRecentMenuFiles) {
        entries.resize(kRecentMenuFiles);
    }
    recentShown_.at(static_cast<std::size_t>(list)) = entries;
    if (!mainFrame_) {
        return;
    }
    std::vector<int> kinds;
    switch (list) {
    case RecentList::Net: kinds = {kNetTemplate}; break;
    case RecentList::Web: kinds = {kTrendingTemplate, kWebTemplate}; break;
    case RecentList::Data: kinds = {kCommWindowTemplate}; break;
    }
    for (const int kind : kinds) {
        const DocTemplate* docTemplate = Template(kind);
        const MenuTemplate* menu = docTemplate != nullptr ? docTemplate->Resources().menu : nullptr;
        if (menu == nullptr) {
            continue;
        }
        // The first entry marks the place of the list in the menu.
        const auto place = mainFrame_->FindMenuCommand(*menu, kCmdRecentFirst);
        if (!place) {
            continue;
        }
        for (int id = kCmdRecentFirst + 1; id <= kCmdRecentLast; ++id) {
            while (mainFrame_->RemoveMenuCommand(*menu, id)) {}
        }
        (void)mainFrame_->RemoveMenuItem(*menu, *place);
        if (entries.empty()) {
            (void)mainFrame_->InsertMenuItem(*menu, *place, MenuCommand(kCmdRecentFirst, kRecentFilePlaceholder));
            continue;
        }
        for (std::size_t index = 0; index < entries.size(); ++index) {
            const std::string text = RecentMenuText(index, entries[index]);
            (void)mainFrame_->InsertMenuItem(*menu, {place->popup, place->item + static_cast<int>(index)},
                MenuCommand(kCmdRecentFirst + static_cast<int>(index), text));
        }
    }
}

const std::vector<std::string>& CCorvaneApp::RecentMenuFiles(RecentList list) const
{
    return recentShown_.at(static_cast<std::size_t>(list));
}

void CCorvaneApp::OpenWithDesktop(const std::filesystem::path& path)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        (void)PostToMainFrame(kShowNoticeMessage, kOpenFileCaption,
            std::make_unique<ValuePayload<std::string>>(path.string() + " File Could Not be Opened"));
        return;
    }
    if (options_.openWithDesktop) {
        (void)options_.openWithDesktop(path);
    } else {
        (void)DesktopTextViewer().Show(path);
    }
}

void CCorvaneApp::SetSnapToGrid(int value)
{
    settings0_.snapToGrid = value;
    (void)SaveSnapToGrid(settings_, value);
}

void CCorvaneApp::AddRecentFile(RecentList list, std::string_view path)
{
    if (recent_.at(static_cast<std::size_t>(list)).Add(path)) {
        RefreshRecentMenu(list);
    }
}

const CRecentFileList& CCorvaneApp::Recent(RecentList list) const
{
    return recent_.at(static_cast<std::size_t>(list));
}

void CCorvaneApp::WriteDiagnosticLine(std::string_view text)
{
    diagnostics_.WriteLine(text);
}

void CCorvaneApp::AddCommLogLine(std::string_view label, std::string_view text)
{
    std::string line = CommLogStamp(std::time(nullptr)) + ": " + std::string(label) + "  " + OneLine(text);
    std::lock_guard lock(commLogMutex_);
    commLog_.push_back(std::move(line));
    while (commLog_.size() > kCommLogLines) {
        commLog_.pop_front();
    }
}

void CCorvaneApp::ClearCommLog()
{
    std::lock_guard lock(commLogMutex_);
    commLog_.clear();
}

std::vector<std::string> CCorvaneApp::CommLogLines() const
{
    std::lock_guard lock(commLogMutex_);
    return {commLog_.begin(), commLog_.end()};
}

bool CCorvaneApp::PostToMainFrame(MessageId id, std::uintptr_t wParam, std::unique_ptr<Payload> payload)
{
    return app_.PostMessage(WindowHandle{mainFrameHandle_.load()}, id, wParam, 0, std::move(payload));
}

void CCorvaneApp::SetLoggerStateWords(std::uint32_t status, std::uint32_t memoryKb, std::uint32_t memoryUsedKb)
{
    loggerStatus_ = status;
    loggerMemoryKb_ = memoryKb;
    loggerMemoryUsedKb_ = memoryUsedKb;
}

void CCorvaneApp::SetLoggerInfoText(std::string_view text)
{
    loggerInfoText_ = std::string(text.substr(0, std::min<std::size_t>(text.size(), 1023)));
}

std::intptr_t CCorvaneApp::OnMessage(Message& message)
{
    if (message.id == kRegisterDesktopFilesMessage) {
        RegisterDesktopFiles(options_);
        return 0;
    }
    if (message.id == kShellExecuteMessage) {
        if (auto text = message.TakePayload<ValuePayload<std::string>>()) {
            OnExecute(text->value);
        }
        return 0;
    }
    return Window::OnMessage(message);
}

void CCorvaneApp::OnExecute(const std::string& text)
{
    if (!mainFrame_ || !mainFrame_->IsOpen()) {
        return;
    }
    if (mainFrame_->IsMinimized() || !mainFrame_->IsVisible()) {
        mainFrame_->ShowNormal();
    }
    const auto path = ParseExecuteString(text);
    if (!path) {
        return;
    }
    if (NetDocument() == nullptr) {
        OnFileNew();
    }
    (void)OpenDocumentFile(*path);
    mainFrame_->PostMessage(kActivateKindMessage, 0, static_cast<std::intptr_t>(WindowKind::ProgramDevelopment));
}

}  // namespace corvane
