#include "card/CCardManagerWorkerThread.h"

#include "base/AtomicFile.h"
#include "card/CRawDataFileInfo.h"
#include "card/CardMessages.h"
#include "card/CardPayloads.h"
#include "data/AtomicOutputFile.h"
#include "data/LoggedDataRenderer.h"
#include "platform/Application.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdio>
#include <fstream>
#include <limits>
#include <optional>
#include <system_error>
#include <vector>

namespace corvane {

namespace {

// The render job reads the renderer's output in blocks of this size; the
// copy job reads files the same way.
constexpr std::size_t kBlockSize = 1024;
// The rendered text is about this many times the size of the data files;
// the render job's progress is measured against it (and may pass 100).
constexpr double kRenderedSizeFactor = 5.4;
// Data files: 8 characters and ".vrd".
constexpr std::size_t kDataFileStemLength = 8;
constexpr std::string_view kDataFileExtension = ".vrd";

std::string AsciiLower(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

bool IsHeaderName(std::string_view name) { return AsciiLower(name) == "header"; }

bool IsDataFileName(std::string_view name)
{
    return name.size() == kDataFileStemLength + kDataFileExtension.size()
        && AsciiLower(name.substr(kDataFileStemLength)) == kDataFileExtension;
}

// The number of a data file named with 8 decimal digits.
std::optional<std::uint32_t> DataFileNumber(std::string_view name)
{
    std::uint32_t number = 0;
    for (char c : name.substr(0, kDataFileStemLength)) {
        if (c < '0' || c > '9')
            return std::nullopt;
        number = number * 10 + static_cast<std::uint32_t>(c - '0');
    }
    return number;
}

std::string DataFileName(std::uint32_t number)
{
    std::array<char, 16> name{};
    std::snprintf(name.data(), name.size(), "%08u.vrd", static_cast<unsigned>(number));
    return name.data();
}

// Percent of done against base, truncated; base 0 counts as done.
std::intptr_t Percent(double done, double base)
{
    if (base <= 0)
        return 100;
    const double percent = done / base * 100.0;
    return percent >= double{INT_MAX} ? INT_MAX : static_cast<std::intptr_t>(percent);
}

CCardManagerWorkerThread::ReportPoster PostThroughApplication(Application& app)
{
    return [&app](WindowHandle window, MessageId id, std::uintptr_t wParam, std::intptr_t lParam,
               std::unique_ptr<Payload> payload) {
        return app.PostMessage(window, id, wParam, lParam, std::move(payload));
    };
}

TimeColumns TimeColumnsOf(std::int32_t choice)
{
    switch (choice) {
    case 1: return TimeColumns::Utc;
    case 2: return TimeColumns::Both;
    default: return TimeColumns::Local;
    }
}

}  // namespace

// Everything the thread uses; the thread holds it too, so a thread left
// running after a stop that timed out never reaches freed memory.
class CCardManagerWorkerThread::Jobs {
public:
    explicit Jobs(ReportPoster poster) : poster_(std::move(poster)) {}

    Event cancel{Event::Reset::Manual};

    void OnMessage(Message& message)
    {
        switch (message.id) {
        case kCardSetNotifyWindowMessage: OnSetNotifyWindow(message.lParam); break;
        case kCardStartJobMessage: OnStartJob(message); break;
        case kCardDeleteSessionMessage: OnDeleteSession(message); break;
        default: break;
        }
    }

private:
    enum class CopyResult { Copied, Failed, Cancelled, OutputFailed };

    bool Cancelled() const { return cancel.IsSet(); }

    void OnSetNotifyWindow(std::intptr_t lParam)
    {
        notify_ = lParam > 0 && lParam <= std::intptr_t{std::numeric_limits<std::uint32_t>::max()}
            ? WindowHandle{static_cast<std::uint32_t>(lParam)}
            : WindowHandle{};
    }

    // A window that is gone refuses the post, and its payload is freed.
    void Post(MessageId id, std::uintptr_t wParam = 0, std::intptr_t lParam = 0, std::unique_ptr<Payload> payload = {})
    {
        (void)poster_(notify_, id, wParam, lParam, std::move(payload));
    }
    void PostFailure(CardJobFailure why) { Post(kCardJobFailedMessage, static_cast<std::uintptr_t>(why)); }
    void PostProgress(double done, double base) { Post(kCardProgressMessage, 0, Percent(done, base)); }
    void PostSessionName(MessageId id, const std::string& name)
    {
        Post(id, 0, 0, std::make_unique<ValuePayload<std::string>>(name));
    }

    void OnStartJob(Message& message)
    {
        const std::unique_ptr<CardJobRequest> request = message.TakePayload<CardJobRequest>();
        if (!request)
            return;
        if (Cancelled()) {
            PostFailure(CardJobFailure::CancelledBeforeStart);
            return;
        }
        PostSessionName(kCardJobStartedMessage, request->job.sessionName);
        const int result = request->job.kind == CardJobKind::RawCopy ? CopyJob(*request) : RenderJob(*request);
        if (result == 0 && message.wParam != 0)
            DeleteSessionFiles(-1, request->logFolder, request->job.sessionName);
    }

    void OnDeleteSession(Message& message)
    {
        const std::unique_ptr<CardDeleteRequest> request = message.TakePayload<CardDeleteRequest>();
        if (!request)
            return;
        const auto expected = static_cast<std::int64_t>(message.wParam);
        DeleteSessionFiles(expected > INT_MAX || expected < INT_MIN ? -1 : static_cast<int>(expected),
            request->logFolder, request->sessionName);
    }

    // Deletes the files of the session folder (not those whose names begin
    // with '.') and then the folder, which stays while anything is left in
    // it. The progress counts against the expected number of files, or
    // against the files found when that is not above 0. True when the
    // folder was removed.
    bool DeleteSessionFiles(int expectedCount, const std::filesystem::path& logFolder, const std::string& session)
    {
        if (logFolder.empty() || !IsCardEntryName(session))
            return false;
        PostSessionName(kCardDeleteStartedMessage, session);
        const std::filesystem::path folder = logFolder / session;
        std::vector<std::filesystem::path> files;
        std::error_code error;
        for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
            if (!it->path().filename().string().starts_with('.'))
                files.push_back(it->path());
        const double base = expectedCount > 0 ? expectedCount : static_cast<double>(files.size());
        for (std::size_t k = 0; k < files.size(); ++k) {
            std::error_code ignored;  // a file that cannot be deleted is left; the folder then stays
            std::filesystem::remove(files[k], ignored);
            PostProgress(static_cast<double>(k), base);
        }
        const bool removed = std::filesystem::remove(folder, error) && !error;
        Post(kCardDeleteDoneMessage);
        return removed;
    }

    // Renders the session into the output, or into parts of at most about
    // the split limit, each beginning with the rendering's header lines. 0
    // on success.
    int RenderJob(const CardJobRequest& request)
    {
        const CardJob& job = request.job;
        const bool split = request.splitLimit != 0;
        const double expected = static_cast<double>(job.dataSize) * kRenderedSizeFactor;
        LoggedDataRenderOptions options;
        options.mode = job.kind == CardJobKind::TabText ? '\t' : ',';
        options.timeColumns = TimeColumnsOf(job.timeColumns);

        int partIndex = 0;
        auto part = std::make_unique<AtomicOutputFile>();
        if (part->Open(split ? MakeSplitName(job.outputFilePath, partIndex) : job.outputFilePath)) {
            Post(kCardOutputErrorMessage);
            return 1;
        }
        LoggedDataContext context;
        if (LoggedDataOpen(context, job.sessionFolderPath, options) != 0) {
            (void)LoggedDataClose(context);
            PostFailure(CardJobFailure::RenderFailed);
            return 1;  // the empty part is discarded
        }
        std::array<char, kBlockSize> buffer{};
        double total = 0;
        std::uint64_t partBytes = 0;
        std::optional<std::string> header;
        for (;;) {
            const int count = LoggedDataRead(context, buffer);
            if (count < 0) {
                // What was rendered ends with the renderer's message row; it is kept.
                (void)LoggedDataClose(context);
                const bool kept = !part->Commit();
                if (kept)
                    PostFailure(CardJobFailure::RenderFailed);
                else
                    Post(kCardOutputErrorMessage);
                return 1;
            }
            if (count == 0)
                break;
            std::string block(buffer.data(), static_cast<std::size_t>(count));
            total += count;
            partBytes += block.size();
            if (split && !header) {
                if (const std::optional<std::string_view> lines = LoggedDataHeaderLines(context)) {
                    header = std::string(*lines);
                    if (!request.headerFilePath.empty() && WriteFileAtomically(request.headerFilePath, *header)) {
                        (void)LoggedDataClose(context);
                        Post(kCardOutputErrorMessage);
                        return 1;
                    }
                }
            }
            if (header && partBytes + block.size() + header->size() >= request.splitLimit) {
                std::string carry;
                CutAtLastLine(block, carry);
                if (!part->Write(block) || part->Commit()) {
                    (void)LoggedDataClose(context);
                    Post(kCardOutputErrorMessage);
                    return 1;
                }
                part = std::make_unique<AtomicOutputFile>();
                if (part->Open(MakeSplitName(job.outputFilePath, ++partIndex)) || !part->Write(*header)) {
                    (void)LoggedDataClose(context);
                    Post(kCardOutputErrorMessage);
                    return 1;
                }
                block = std::move(carry);
                partBytes = header->size() + block.size();
            }
            if (!block.empty() && !part->Write(block)) {
                (void)LoggedDataClose(context);
                Post(kCardOutputErrorMessage);
                return 1;
            }
            if (Cancelled()) {
                // What was written so far stays, the current part closed.
                (void)LoggedDataClose(context);
                if (part->Commit())
                    Post(kCardOutputErrorMessage);
                PostFailure(CardJobFailure::RenderCancelled);
                return 1;
            }
            PostProgress(total, expected);
        }
        // Garbled data is shown as rows of its own; the rendering still completed.
        (void)LoggedDataClose(context);
        if (part->Commit()) {
            Post(kCardOutputErrorMessage);
            return 1;
        }
        Post(kCardJobDoneMessage);
        return 0;
    }

    // Joins "HEADER" and the data files, by name, into the output. 0 on success.
    int CopyJob(const CardJobRequest& request)
    {
        AtomicOutputFile output;
        if (output.Open(request.job.outputFilePath)) {
            Post(kCardOutputErrorMessage);
            return 1;
        }
        auto report = std::make_unique<CardCopyReport>();
        CopyResult result = CopySessionFiles(request.job.sessionFolderPath, output, *report);
        if (result == CopyResult::Copied && output.Commit())
            result = CopyResult::OutputFailed;
        switch (result) {
        case CopyResult::Copied: Post(kCardJobDoneMessage, 0, 0, std::move(report)); return 0;
        case CopyResult::OutputFailed: Post(kCardOutputErrorMessage); return 1;
        case CopyResult::Cancelled: PostFailure(CardJobFailure::CopyCancelled); break;
        case CopyResult::Failed: break;
        }
        PostFailure(CardJobFailure::CopyFailed);
        return 1;
    }

    CopyResult CopySessionFiles(const std::filesystem::path& folder, AtomicOutputFile& output, CardCopyReport& report)
    {
        std::optional<CRawDataFileInfo> header;
        std::vector<CRawDataFileInfo> dataFiles;
        std::error_code error;
        std::filesystem::directory_iterator it(folder, error);
        if (error)
            return CopyResult::Failed;
        for (std::filesystem::directory_iterator end; !error && it != end; it.increment(error)) {
            const std::string name = it->path().filename().string();
            std::error_code sizeError;
            const bool regular = it->is_regular_file(sizeError);
            if (IsExcluded(name) || !regular) {
                report.skipped.push_back(name);
                continue;
            }
            CRawDataFileInfo info;
            info.path = it->path();
            info.size = it->file_size(sizeError);
            if (sizeError)
                info.size = 0;
            if (IsHeaderName(name))
                header = std::move(info);
            else
                dataFiles.push_back(std::move(info));
        }
        if (error || !header)
            return CopyResult::Failed;
        std::sort(report.skipped.begin(), report.skipped.end());
        std::sort(dataFiles.begin(), dataFiles.end(), [](const CRawDataFileInfo& a, const CRawDataFileInfo& b) {
            return AsciiLower(a.path.filename().string()) < AsciiLower(b.path.filename().string());
        });
        NoteMissingDataFiles(dataFiles, report);

        dataFiles.insert(dataFiles.begin(), std::move(*header));
        double base = 0;
        for (const CRawDataFileInfo& file : dataFiles)
            base += static_cast<double>(file.size);
        double copied = 0;
        for (const CRawDataFileInfo& file : dataFiles) {
            if (Cancelled())
                return CopyResult::Cancelled;
            const CopyResult result = AppendFile(file, output, copied, base);
            if (result != CopyResult::Copied)
                return result;
        }
        return CopyResult::Copied;
    }

    // Names the data files missing from the run numbered from 00000000 up
    // to the highest present, a run of several as "first to last".
    static void NoteMissingDataFiles(const std::vector<CRawDataFileInfo>& dataFiles, CardCopyReport& report)
    {
        std::vector<std::uint32_t> numbers;
        for (const CRawDataFileInfo& file : dataFiles)
            if (const std::optional<std::uint32_t> number = DataFileNumber(file.path.filename().string()))
                numbers.push_back(*number);
        std::sort(numbers.begin(), numbers.end());
        std::uint32_t expected = 0;
        for (std::uint32_t number : numbers) {
            if (number > expected) {
                std::string gap = DataFileName(expected);
                if (number - 1 > expected)
                    gap += " to " + DataFileName(number - 1);
                report.missing.push_back(std::move(gap));
            }
            if (number >= expected)
                expected = number + 1;
        }
    }

    CopyResult AppendFile(const CRawDataFileInfo& file, AtomicOutputFile& output, double& copied, double base)
    {
        std::ifstream in(file.path, std::ios::binary);
        if (!in.is_open())
            return CopyResult::Failed;
        std::array<char, kBlockSize> buffer{};
        for (;;) {
            in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
            const std::streamsize count = in.gcount();
            if (in.bad())
                return CopyResult::Failed;
            if (count > 0) {
                if (!output.Write(std::string_view(buffer.data(), static_cast<std::size_t>(count))))
                    return CopyResult::OutputFailed;
                copied += static_cast<double>(count);
                PostProgress(copied, base);
            }
            if (static_cast<std::size_t>(count) < buffer.size())
                return CopyResult::Copied;
        }
    }

    ReportPoster poster_;
    WindowHandle notify_;
};

CCardManagerWorkerThread::CCardManagerWorkerThread(Application& app, ReportPoster poster)
    : jobs_(std::make_shared<Jobs>(poster ? std::move(poster) : PostThroughApplication(app))),
      thread_(app.Threads(), [jobs = jobs_](Message& message) { jobs->OnMessage(message); })
{}

CCardManagerWorkerThread::~CCardManagerWorkerThread() { Stop(); }

WorkerThread::StopResult CCardManagerWorkerThread::Stop(std::chrono::milliseconds bound)
{
    jobs_->cancel.Set();
    return thread_.Stop(bound);
}

Event& CCardManagerWorkerThread::CancelEvent() { return jobs_->cancel; }

std::filesystem::path CCardManagerWorkerThread::MakeSplitName(const std::filesystem::path& path, int index)
{
    std::array<char, 16> number{};
    std::snprintf(number.data(), number.size(), "-%06d", index);
    std::filesystem::path name = path.parent_path() / path.stem();
    name += number.data();
    name += path.extension();
    return name;
}

void CCardManagerWorkerThread::CutAtLastLine(std::string& block, std::string& carry)
{
    const std::size_t lastLineFeed = block.rfind('\n');
    const std::size_t kept = lastLineFeed == std::string::npos ? 0 : lastLineFeed + 1;
    carry = block.substr(kept);
    block.resize(kept);
}

bool CCardManagerWorkerThread::IsExcluded(std::string_view fileName)
{
    return !IsHeaderName(fileName) && !IsDataFileName(fileName);
}

}  // namespace corvane
