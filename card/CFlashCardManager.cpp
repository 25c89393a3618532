#include "card/CFlashCardManager.h"

#include "card/CCardManagerWorkerThread.h"
#include "card/CardMessages.h"
#include "card/CardPayloads.h"
#include "card/CardSettings.h"
#include "card/RemovableMediaProbe.h"
#include "data/RawRecordScan.h"
#include "platform/Application.h"
#include "platform/PromptSink.h"

#include <algorithm>
#include <limits>
#include <system_error>

namespace corvane {

namespace {

constexpr const char* kNoDriveText = "Drive not Specified";
constexpr const char* kNoDriveCaption = "SD Card";
constexpr const char* kNoSessionsText = "Cannot analyze the content of the SD card. Ensure the card\n"
                                        "contains a \"Log\" folder, and if so, contains one or more\n"
                                        "8-character sub-folders, and that each of the sub-folders\n"
                                        "contains a file named \"HEADER.\"";
constexpr const char* kNoSessionsCaption = "SD Card Error";
constexpr const char* kListingFailedText = "Exception";
constexpr std::string_view kLogFolderName = "Log";
constexpr std::string_view kStopFileExtension = ".vre";
constexpr std::string_view kDataFileExtension = ".vrd";

bool EqualNoCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

bool HasExtension(std::string_view name, std::string_view extension)
{
    return name.size() > extension.size() && EqualNoCase(name.substr(name.size() - extension.size()), extension);
}

// The folder's entry of that name in any case; the name itself when there is none.
std::filesystem::path FindNoCase(const std::filesystem::path& folder, std::string_view name)
{
    std::error_code error;
    if (std::filesystem::exists(folder / name, error))
        return folder / name;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        if (EqualNoCase(it->path().filename().string(), name))
            return it->path();
    return folder / name;
}

// The folder's entry names, sorted; a folder that is missing (or is a
// file) has none. False when the listing failed otherwise.
bool ListNames(const std::filesystem::path& folder, std::vector<std::string>& names)
{
    names.clear();
    if (folder.empty())
        return true;
    std::error_code error;
    std::filesystem::directory_iterator it(folder, error);
    if (error)
        return error == std::errc::no_such_file_or_directory || error == std::errc::not_a_directory;
    for (std::filesystem::directory_iterator end; !error && it != end; it.increment(error))
        names.push_back(it->path().filename().string());
    std::sort(names.begin(), names.end());
    return !error;
}

void ShowBox(Application& app, const char* text, const char* caption, MessageBoxIcon icon)
{
    MessageBoxRequest request;
    request.text = text;
    request.caption = caption;
    request.icon = icon;
    (void)app.Prompts().ShowMessageBox(request);
}

}  // namespace

CFlashCardManager::CFlashCardManager(Application& app, const CardSettings& settings, const RemovableMediaProbe& probe)
    : app_(app), settings_(settings), probe_(probe)
{
    ReadDriveSetting();
    try {
        auto worker = std::make_unique<CCardManagerWorkerThread>(app_);
        worker->Resume();
        workerThreadId_ = worker->ThreadId();
        worker_ = std::move(worker);
    } catch (const std::system_error&) {
        // No thread could be started: the manager works without a worker.
        worker_.reset();
        workerThreadId_ = 0;
    }
}

CFlashCardManager::~CFlashCardManager()
{
    FreeSessionList();
    StopWorker();
}

void CFlashCardManager::StopWorker()
{
    if (!worker_)
        return;
    (void)worker_->Stop();
    worker_.reset();
    workerThreadId_ = 0;
}

void CFlashCardManager::ReadDriveSetting()
{
    drive_ = settings_.Drive();
    // Only an absolute mount point names the card; anything else (an old
    // drive letter, a relative path) would reach into the working folder.
    const std::filesystem::path mountPoint(drive_);
    logFolder_ = mountPoint.is_absolute() ? FindNoCase(mountPoint, kLogFolderName) : std::filesystem::path();
}

bool CFlashCardManager::CheckDrive()
{
    ReadDriveSetting();
    if (logFolder_.empty()) {
        ShowBox(app_, kNoDriveText, kNoDriveCaption, MessageBoxIcon::Information);
        return false;
    }
    return probe_.IsRemovable(drive_);
}

bool CFlashCardManager::IsCardPresent()
{
    ReadDriveSetting();
    if (logFolder_.empty())
        return false;
    std::error_code error;
    std::filesystem::directory_iterator root(drive_, error);
    if (error)
        return false;
    return probe_.IsMediumPresent(drive_);
}

int CFlashCardManager::CountSessions()
{
    ReadDriveSetting();
    std::vector<std::string> names;
    (void)ListNames(logFolder_, names);
    return static_cast<int>(std::min<std::size_t>(names.size(), std::numeric_limits<int>::max()));
}

bool CFlashCardManager::AnalyzeCard()
{
    const int count = CountSessions();
    if (count == 0)
        ShowBox(app_, kNoSessionsText, kNoSessionsCaption, MessageBoxIcon::Warning);
    return count >= 1;
}

int CFlashCardManager::ScanSessions()
{
    FreeSessionList();
    ReadDriveSetting();
    std::vector<std::string> names;
    (void)ListNames(logFolder_, names);
    for (const std::string& name : names) {
        auto info = std::make_unique<CLogDataSessionInfo>();
        info->name = name;
        info->mode = ReadSessionMode(name);
        info->startTime = ReadStartTime(name);
        info->stopTime = ReadStopTime(name);
        info->dataSize = ReadDataSize(name);
        sessions_.push_back(std::move(info));
    }
    return 0;
}

bool CFlashCardManager::GetSessionInfo(int index, CLogDataSessionInfo& info) const
{
    if (index < 0 || static_cast<std::size_t>(index) >= sessions_.size())
        return false;
    info = *sessions_[static_cast<std::size_t>(index)];
    return true;
}

void CFlashCardManager::FreeSessionList() { sessions_.clear(); }

std::filesystem::path CFlashCardManager::SessionFolder(std::string_view session) const
{
    if (logFolder_.empty() || !IsCardEntryName(session))
        return {};
    return logFolder_ / session;
}

std::uint32_t CFlashCardManager::ReadSessionMode(std::string_view session) const
{
    const std::filesystem::path folder = SessionFolder(session);
    const std::int16_t word = folder.empty() ? rawscan::kHeaderMissing : ReadRawHeaderWord(folder);
    return static_cast<std::uint16_t>(word);
}

std::uint32_t CFlashCardManager::ReadStartTime(std::string_view session)
{
    // As a "%x" conversion reads it: blanks, a sign, "0x", then hex digits.
    std::size_t i = 0;
    while (i < session.size() && (session[i] == ' ' || (session[i] >= '\t' && session[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < session.size() && (session[i] == '+' || session[i] == '-'))
        negative = session[i++] == '-';
    const auto digit = [&session](std::size_t at) -> int {
        if (at >= session.size())
            return -1;
        const char c = session[at];
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    };
    if (digit(i) == 0 && i + 1 < session.size() && (session[i + 1] == 'x' || session[i + 1] == 'X')
        && digit(i + 2) >= 0)
        i += 2;
    std::uint64_t value = 0;
    bool any = false;
    for (int d = digit(i); d >= 0; d = digit(++i)) {
        any = true;
        value = std::min<std::uint64_t>(
            value * 16 + static_cast<std::uint64_t>(d), std::numeric_limits<std::uint32_t>::max());
    }
    if (!any)
        return 0;
    const auto result = static_cast<std::uint32_t>(value);
    return negative ? 0u - result : result;
}

std::uint32_t CFlashCardManager::ReadStopTime(std::string_view session) const
{
    std::vector<std::string> names;
    if (!ListNames(SessionFolder(session), names)) {
        ShowBox(app_, kListingFailedText, "", MessageBoxIcon::None);
        return 0;
    }
    for (const std::string& name : names)
        if (HasExtension(name, kStopFileExtension))
            return ReadStartTime(name);
    return 0;
}

std::uint32_t CFlashCardManager::ReadDataSize(std::string_view session) const
{
    const std::filesystem::path folder = SessionFolder(session);
    if (folder.empty())
        return 0;
    std::uint32_t total = 0;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (!HasExtension(it->path().filename().string(), kDataFileExtension))
            continue;
        std::error_code sizeError;
        const std::uintmax_t size = it->file_size(sizeError);
        if (!sizeError)
            total += static_cast<std::uint32_t>(size);  // the low 32 bits of each size
    }
    return total;
}

bool CFlashCardManager::DeleteSession(int expectedFileCount, std::string_view session)
{
    ReadDriveSetting();
    if (!worker_ || logFolder_.empty() || !IsCardEntryName(session) || session.size() > kMaxDeleteNameLength)
        return false;
    auto request = std::make_unique<CardDeleteRequest>();
    request->logFolder = logFolder_;
    request->sessionName = std::string(session);
    return app_.PostThreadMessage(workerThreadId_, kCardDeleteSessionMessage,
        static_cast<std::uintptr_t>(static_cast<std::intptr_t>(expectedFileCount)), 0, std::move(request));
}

bool CFlashCardManager::PostCardJob(CardJob job, bool deleteAfter)
{
    ReadDriveSetting();
    const bool knownKind
        = job.kind == CardJobKind::CommaText || job.kind == CardJobKind::TabText || job.kind == CardJobKind::RawCopy;
    if (!worker_ || logFolder_.empty() || !knownKind || !IsCardEntryName(job.sessionName)
        || job.sessionName.size() > CardJob::kMaxSessionNameLength)
        return false;
    auto request = std::make_unique<CardJobRequest>();
    job.sessionFolderPath = SessionFolder(job.sessionName);
    job.dataSize = ReadDataSize(job.sessionName);
    request->job = std::move(job);
    request->logFolder = logFolder_;
    request->splitLimit = settings_.OutputSplitLimit();
    const std::filesystem::path workFolder = settings_.WorkFolder();
    if (!workFolder.empty())
        request->headerFilePath = workFolder / "header.txt";
    return app_.PostThreadMessage(workerThreadId_, kCardStartJobMessage, deleteAfter ? 1 : 0, 0, std::move(request));
}

void CFlashCardManager::CancelJob()
{
    if (worker_)
        worker_->CancelEvent().Set();
}

void CFlashCardManager::ClearCancel()
{
    if (worker_)
        worker_->CancelEvent().Clear();
}

}  // namespace corvane
