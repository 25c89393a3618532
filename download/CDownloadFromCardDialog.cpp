#include "download/CDownloadFromCardDialog.h"

#include "base/ProgressRange.h"
#include "base/QuotedPath.h"
#include "card/CFlashCardManager.h"
#include "card/CLogDataSessionInfo.h"
#include "card/CardJob.h"
#include "card/CardMessages.h"
#include "data/ConvertLoggedDataFile.h"
#include "download/CardSessionJoin.h"
#include "download/DownloadBox.h"
#include "download/DownloadServices.h"
#include "platform/Application.h"
#include "platform/ButtonControl.h"
#include "platform/ListViewControl.h"
#include "platform/ProgressControl.h"
#include "platform/PromptSink.h"
#include "res/CardDownloadDialog.h"
#include "res/ResourceIds.h"
#include "shell/CFileChildDialog.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <ctime>
#include <limits>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include <unistd.h>

namespace corvane {
namespace {

constexpr const char* kRawFileName = "quvBinDownload.bin";
constexpr const char* kSaveTitle = "Download File Save";
constexpr const char* kSaveFilter = "Comma Separated (*.csv)|*.csv|Text (*.txt)|*.txt|Raw Data (*.xid)|*.xid||";

constexpr const char* kSelectOneText = "Please select one session";
constexpr const char* kSelectSomeText = "Please select at least one session";
constexpr const char* kInvalidTypeText = "Invalid File Type";
constexpr const char* kRawFileFailedText = "Download bin file could not be opened,";
constexpr const char* kLogFileFailedText = "Log data file could not be opened,";
constexpr const char* kEraseConfirmText = "Continuing will delete all data contained in the selected sessions.\n\n"
                                          "Are you sure you want to delete the selected sessions?";
constexpr const char* kEraseConfirmCaption = "Clearing Memory";

constexpr const char* kDownloadCompleteText = "Data Download Complete.";
constexpr const char* kDownloadAbortedText = "Data Download Aborted.";
constexpr const char* kDeletionCompleteText = "Data Deletion Complete.";
constexpr const char* kOutputErrorText = "Output file access error.";

// The list's columns; the first (the mode) is the item's own text. The
// date columns are wide enough for the locale's whole date and time.
struct Column {
    const char* heading;
    int width;
};
constexpr std::array kColumns = {
    Column{"Rotary/Log To Full", 125},
    Column{"Data Type", 80},
    Column{"Enabled Date/Time", 170},
    Column{"Stopped Data/Time", 170},
    Column{"Size (KB)", 80},
    Column{"Session or Icon Name", 178},
};
constexpr int kTypeColumn = 1;
constexpr int kStartColumn = 2;
constexpr int kStopColumn = 3;
constexpr int kSizeColumn = 4;
constexpr int kNameColumn = 5;

// The logging mode is in the low 4 bits of the session's mode word.
constexpr std::uint32_t kModeMask = 0x0F;
constexpr std::uint32_t kModeLogToFull = 0;
constexpr std::uint32_t kModeRotary = 1;
constexpr std::uint32_t kModeHistogram = 2;
// Shown for an entry of unknown mode until a known one came before it.
constexpr const char* kUnknownModeText = "?";

// Data files of a session are 32768 bytes long; it turns the list's size
// in KB into the file count the worker scales its progress by.
constexpr std::int64_t kDataFileKilobytes = 32768 / 1024;

constexpr std::array kTimeRadios = {res::kIdcCardLocalTime, res::kIdcCardUtcTime, res::kIdcCardBothTimes};

constexpr std::string_view kRunningStopText = "**/**/** **:**:**";

// The PC's locale date-and-time text of a time.
std::string LocalDateTime(std::uint32_t seconds)
{
    const std::time_t time = static_cast<std::time_t>(seconds);
    std::tm parts{};
    if (::localtime_r(&time, &parts) == nullptr)
        return {};
    std::array<char, 128> text{};
    const std::size_t length = std::strftime(text.data(), text.size(), "%c", &parts);
    return std::string(text.data(), length);
}

// Whether a file can be made in the output's folder.
bool CanCreateIn(const std::filesystem::path& output)
{
    std::filesystem::path folder = output.parent_path();
    if (folder.empty())
        folder = ".";
    std::error_code error;
    return std::filesystem::is_directory(folder, error) && ::access(folder.c_str(), W_OK | X_OK) == 0;
}

std::string JoinFailureText(const CardSessionJoinResult& joined)
{
    const char* text = joined.failure == CardSessionJoinFailure::RawFile ? kRawFileFailedText : kLogFileFailedText;
    return std::string(text) + "\n" + QuotedPath(joined.file) + ": " + joined.reason;
}

// Names the data files a join went without.
std::string MissingFilesText(std::string_view session, const std::vector<std::string>& missing)
{
    std::string text = "Data files missing from session " + std::string(session) + ": ";
    for (std::size_t i = 0; i < missing.size(); ++i)
        text += (i == 0 ? "" : ", ") + missing[i];
    return text + ".\nThe data files present are downloaded without them.";
}

}  // namespace

CDownloadFromCardDialog::CDownloadFromCardDialog(DownloadServices& services, CFlashCardManager& cards, Window* parent)
    : Dialog(res::kCardDownloadDialog, parent), services_(services), cards_(cards)
{
    On(Notification::Clicked, res::kIdcCardDownload, [this](NotifyEvent&) { OnDownloadData(); });
    On(Notification::Clicked, res::kIdcCardCancelDownload, [this](NotifyEvent&) { CancelDownload(); });
    On(Notification::Clicked, res::kIdcCardEraseSelected, [this](NotifyEvent&) { OnEraseSelected(); });
    On(Notification::Clicked, kIdHelp,
        [this](NotifyEvent&) { Application::Instance().Prompts().ShowHelp(Handle(), kHelpTopic); });
}

CDownloadFromCardDialog::~CDownloadFromCardDialog() = default;

bool CDownloadFromCardDialog::OnInitDialog()
{
    Dialog::OnInitDialog();
    // A cancel left set by the last Close would stop this dialog's deletions
    // before they start.
    cards_.ClearCancel();
    ShowDownloadButton();
    const auto choice = static_cast<std::size_t>(services_.TimeColumnChoice());
    for (std::size_t i = 0; i < kTimeRadios.size(); ++i)
        if (auto* radio = GetControlAs<ButtonControl>(kTimeRadios[i]))
            radio->SetCheck(i == choice ? 1 : 0);
    if (cards_.GetWorkerThreadId() != 0)
        (void)App().PostThreadMessage(
            cards_.GetWorkerThreadId(), kCardSetNotifyWindowMessage, 0, static_cast<std::intptr_t>(Handle().value));
    if (auto* list = GetControlAs<ListViewControl>(res::kIdcCardSessionList))
        for (std::size_t i = 0; i < kColumns.size(); ++i)
            list->InsertColumn(static_cast<int>(i), kColumns[i].heading, kColumns[i].width);
    SetTimer(kRefreshTimerId, kRefreshTimerMs);
    return true;
}

std::intptr_t CDownloadFromCardDialog::OnMessage(Message& message)
{
    if (IsOpen()) {
        if (message.id == kTimerMessage && message.wParam == kRefreshTimerId) {
            if (auto* progress = GetControlAs<ProgressControl>(res::kIdcCardProgress))
                progress->StepIt();
            if (refreshPending_)
                FillList();
            return 0;
        }
        if (OnWorkerMessage(message))
            return 0;
    }
    return Dialog::OnMessage(message);
}

bool CDownloadFromCardDialog::OnWorkerMessage(Message& message)
{
    const auto sessionName = [&message] {
        auto name = message.TakePayload<ValuePayload<std::string>>();
        return name ? name->value : std::string();
    };
    switch (message.id) {
    case kCardProgressMessage:
        SetProgress(
            ClampToProgressRange(message.lParam, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
        return true;
    case kCardJobDoneMessage:
        SetProgress(0);
        SetStatus(kDownloadCompleteText);
        ShowDownloadButton();
        FillList();
        return true;
    case kCardJobStartedMessage:
        SetProgress(0);
        SetStatus("Downloading Session " + sessionName() + "...");
        return true;
    case kCardJobFailedMessage:
        SetProgress(0);
        SetStatus(kDownloadAbortedText);
        ShowDownloadButton();
        return true;
    case kCardDeleteStartedMessage: SetStatus("Deleting Session " + sessionName() + "..."); return true;
    case kCardDeleteDoneMessage:
        SetProgress(0);
        SetStatus(kDeletionCompleteText);
        FillList();
        return true;
    case kCardOutputErrorMessage:
        SetProgress(0);
        SetStatus(kOutputErrorText);
        ShowDownloadButton();
        return true;
    default: return false;
    }
}

void CDownloadFromCardDialog::FillList()
{
    auto* list = GetControlAs<ListViewControl>(res::kIdcCardSessionList);
    if (list != nullptr) {
        list->DeleteAllItems();
        (void)cards_.ScanSessions();
        std::string modeText = kUnknownModeText;
        std::string typeText = kUnknownModeText;
        CLogDataSessionInfo info;
        for (int i = 0; cards_.GetSessionInfo(i, info); ++i) {
            switch (info.mode & kModeMask) {
            case kModeLogToFull:
                modeText = "Log To Full";
                typeText = "Sequential";
                break;
            case kModeRotary:
                modeText = "Rotary";
                typeText = "Sequential";
                break;
            case kModeHistogram:
                modeText = "N/A";
                typeText = "Histogram";
                break;
            default: break;  // the previous line's texts stand
            }
            const int item = list->InsertItem(i, modeText);
            list->SetItemData(item, static_cast<std::intptr_t>(info.startTime));
            list->SetItemText(item, kTypeColumn, typeText);
            list->SetItemText(item, kStartColumn, LocalDateTime(info.startTime));
            // A session without a stop file is still logging: no stop time yet.
            list->SetItemText(item, kStopColumn, info.stopTime != 0 ? LocalDateTime(info.stopTime) : kRunningStopText);
            list->SetItemText(item, kSizeColumn, std::to_string(info.dataSize / 1024 + 1));
            list->SetItemText(item, kNameColumn, info.name);
        }
    }
    refreshPending_ = false;
    KillTimer(kRefreshTimerId);
    SetProgress(0);
}

TimeColumns CDownloadFromCardDialog::ReadTimeColumns() const
{
    for (std::size_t i = 0; i < kTimeRadios.size(); ++i)
        if (auto* radio = GetControlAs<ButtonControl>(kTimeRadios[i]); radio != nullptr && radio->GetCheck() != 0)
            return static_cast<TimeColumns>(i);
    return services_.TimeColumnChoice();
}

void CDownloadFromCardDialog::OnDownloadData()
{
    const TimeColumns timeColumns = ReadTimeColumns();
    services_.SetTimeColumnChoice(timeColumns);
    auto* list = GetControlAs<ListViewControl>(res::kIdcCardSessionList);
    if (list == nullptr || list->GetSelectedCount() != 1) {
        ShowDownloadBox(Handle(), kSelectOneText);
        return;
    }
    const int line = list->GetSelectedItem();

    CFileChildDialog::Options options;
    options.showMode = false;
    options.showErase = false;
    options.open = false;
    options.title = kSaveTitle;
    options.defaultExtension = "csv";
    options.fileName = services_.MakeDownloadFilePath("*.csv");
    options.filter = kSaveFilter;
    options.overwritePrompt = true;
    CFileChildDialog fileDialog(std::move(options), this);
    if (fileDialog.DoModal() != kIdOk)
        return;
    const std::string outputPath = fileDialog.GetPathName();
    services_.SetDownloadFileFolder(outputPath);
    // The type is known before anything is read from the card.
    if (!OutputTypeFromPath(outputPath)) {
        ShowDownloadBox(Handle(), kInvalidTypeText);
        return;
    }
    services_.NoteDownloadFile(outputPath);
    DownloadSession(line, outputPath, timeColumns);
}

void CDownloadFromCardDialog::DownloadSession(int line, const std::string& outputPath, TimeColumns timeColumns)
{
    const auto* list = GetControlAs<ListViewControl>(res::kIdcCardSessionList);
    const std::string name = list->GetItemText(line, kNameColumn);
    const auto start = static_cast<std::uint32_t>(list->GetItemData(line));

    // Without a card folder (no mount point set) there is no session to
    // read: a bare name would reach into the working folder.
    const std::filesystem::path logFolder = cards_.GetLogFolder();
    const std::filesystem::path rawFile = services_.WorkingFolder() / kRawFileName;
    CardSessionJoinResult joined;
    if (logFolder.empty() || !IsCardEntryName(name)) {
        joined.failure = CardSessionJoinFailure::SessionFile;
        joined.file = name;
        joined.reason = std::generic_category().message(ENOENT);
    } else {
        joined = JoinCardSession(logFolder / name, rawFile);
    }
    if (!joined) {
        ShowDownloadBox(Handle(), JoinFailureText(joined));
        return;
    }
    if (!CanCreateIn(outputPath)) {
        ShowDownloadBox(Handle(), "Output file \"" + outputPath + "\" could not be opened.");
        return;
    }
    // A gap in the numbered data files does not stop the download: the
    // files after it hold data too. The user learns which are gone.
    if (!joined.missing.empty())
        ShowDownloadBox(Handle(), MissingFilesText(name, joined.missing), {}, MessageBoxIcon::Warning);

    FileConvertRequest request;
    request.input = rawFile;
    request.output = outputPath;
    request.timeColumns = timeColumns;
    request.sessionStart = start;
    request.deleteInputAfterSuccess = services_.ShouldDeleteRawData();
    request.progress = [this](int percent) { SetProgress(percent); };
    auto* download = GetControl(res::kIdcCardDownload);
    if (download != nullptr)
        download->Enable(false);
    const ConvertResult result = ConvertLoggedDataFile(request);
    if (download != nullptr)
        download->Enable(true);
    if (!result.ok)
        ShowDownloadBox(Handle(), result.message);
}

void CDownloadFromCardDialog::OnEraseSelected()
{
    auto* list = GetControlAs<ListViewControl>(res::kIdcCardSessionList);
    const std::vector<int> lines = list != nullptr ? list->GetSelectedItems() : std::vector<int>{};
    if (lines.empty()) {
        ShowDownloadBox(Handle(), kSelectSomeText);
        return;
    }
    if (ShowDownloadBox(
            Handle(), kEraseConfirmText, kEraseConfirmCaption, MessageBoxIcon::None, MessageBoxButtons::YesNo)
        != kIdYes)
        return;
    for (const int line : lines) {
        const std::string size = list->GetItemText(line, kSizeColumn);
        std::int64_t kilobytes = 0;
        (void)std::from_chars(size.data(), size.data() + size.size(), kilobytes);
        const std::int64_t expected
            = std::clamp<std::int64_t>(kilobytes / kDataFileKilobytes, 0, std::numeric_limits<int>::max());
        (void)cards_.DeleteSession(static_cast<int>(expected), list->GetItemText(line, kNameColumn));
    }
}

void CDownloadFromCardDialog::CancelDownload()
{
    cards_.CancelJob();
    ShowDownloadButton();
}

void CDownloadFromCardDialog::ShowDownloadButton()
{
    if (auto* download = GetControl(res::kIdcCardDownload))
        download->Show(true);
    if (auto* cancel = GetControl(res::kIdcCardCancelDownload))
        cancel->Show(false);
}

void CDownloadFromCardDialog::OnCancel()
{
    CancelDownload();
    Dialog::OnCancel();
}

void CDownloadFromCardDialog::SetStatus(std::string_view text)
{
    if (auto* status = GetControl(res::kIdcCardStatus))
        status->SetText(text);
}

void CDownloadFromCardDialog::SetProgress(int position)
{
    if (auto* progress = GetControlAs<ProgressControl>(res::kIdcCardProgress))
        progress->SetPos(position);
}

}  // namespace corvane
