#include "loggersim/SessionRequests.h"

#include "base/ByteReader.h"
#include "base/ByteWriter.h"
#include "loggersim/LoggedSessionGenerator.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <optional>

namespace corvane {

namespace {

RequestOutcome BadData(const Frame& request)
{
    return RefuseRequest(
        request, kSimErrorBadRequestData, "Request " + std::to_string(request.requestType) + " carries bad data");
}

std::uint32_t ClampToU32(std::uint64_t value)
{
    return static_cast<std::uint32_t>(std::min<std::uint64_t>(value, std::numeric_limits<std::uint32_t>::max()));
}

// A session name field: 8 bytes, or 8 and a NUL.
std::optional<std::string> NameField(std::span<const std::uint8_t> bytes)
{
    const bool terminated = bytes.size() == kSessionNameSize + 1 && bytes.back() == 0;
    if (bytes.size() != kSessionNameSize && !terminated)
        return std::nullopt;
    return std::string(bytes.begin(), bytes.begin() + kSessionNameSize);
}

RequestOutcome RefuseUnknownSession(const Frame& request, const std::string& name)
{
    return RefuseRequest(request, kSimErrorNoSuchSession, "No session " + name);
}

}  // namespace

std::string SessionName(const LoggedSessionPlan& plan)
{
    char name[kSessionNameSize + 1] = {};
    std::snprintf(name, sizeof name, "%08X", static_cast<unsigned>(plan.startSeconds));
    return name;
}

std::uint64_t SessionStreamSize(const LoggerState& unit, const LoggedSessionPlan& plan)
{
    const std::uint64_t head = LoggedSessionGenerator(unit, plan).HeadRecords().size();
    const std::uint64_t perScan = 1 + plan.points.size();
    const std::uint64_t endRecords = plan.stopped && plan.scanCount > 0 ? 1 : 0;
    return head + (std::uint64_t{plan.scanCount} * perScan + endRecords) * LoggedSessionGenerator::kRecordSize;
}

RequestOutcome AnswerListSessions(
    const LoggerState& unit, std::span<const LoggedSessionPlan> sessions, const Frame& request)
{
    if (request.payload.size() != kSessionListHeaderSize)
        return BadData(request);
    ByteReader reader(request.payload);
    reader.Seek(kSessionListNextOffset);
    const std::uint32_t next = reader.U32LE("next session");
    if (next > sessions.size())
        return BadData(request);

    const std::size_t count = std::min(kSessionsPerListReply, sessions.size() - next);
    const std::size_t after = next + count;
    std::vector<std::uint8_t> data(kSessionListHeaderSize + count * kSessionRecordSize);
    ByteWriter writer(data);
    writer.U8(after < sessions.size() ? 1 : 0);
    writer.Seek(kSessionListNextOffset);
    writer.U32LE(static_cast<std::uint32_t>(after));
    for (const LoggedSessionPlan& plan : sessions.subspan(next, count)) {
        const LoggedSessionGenerator generator(unit, plan);
        writer.FixedText(SessionName(plan), kSessionNameSize);
        writer.U32LE(plan.startSeconds & 0x7FFFFFFFu);
        writer.U32LE(generator.StopSeconds());
        writer.U32LE(ClampToU32(SessionStreamSize(unit, plan)));
        writer.U32LE(0);
        writer.U16LE(plan.loggingMode & 0x3u);
    }
    return AnswerRequest(request, std::move(data));
}

RequestOutcome AnswerEraseSession(std::vector<LoggedSessionPlan>& sessions, const Frame& request)
{
    const std::optional<std::string> name = NameField(request.payload);
    if (!name)
        return BadData(request);
    const auto found = std::find_if(sessions.begin(), sessions.end(),
        [&](const LoggedSessionPlan& plan) { return SessionName(plan) == *name; });
    if (found == sessions.end())
        return RefuseUnknownSession(request, *name);
    sessions.erase(found);
    return AnswerRequest(request, {});
}

RequestOutcome AnswerSdlStart(const LoggerState& unit, std::span<const LoggedSessionPlan> sessions,
    const Frame& request, std::unique_ptr<SessionDownload>& download)
{
    if (request.payload.size() < kSdlModeSize)
        return BadData(request);
    ByteReader reader(request.payload);
    const std::uint16_t mode = reader.U16LE("mode");
    const std::optional<std::string> name = NameField(std::span(request.payload).subspan(kSdlModeSize));
    if (!name || (mode != kSdlModeHead && mode != kSdlModeWhole))
        return BadData(request);
    const auto found = std::find_if(sessions.begin(), sessions.end(),
        [&](const LoggedSessionPlan& plan) { return SessionName(plan) == *name; });
    if (found == sessions.end())
        return RefuseUnknownSession(request, *name);
    download = std::make_unique<SessionDownload>(LoggedSessionGenerator(unit, *found), mode);
    return AnswerRequest(request, {});
}

RequestOutcome AnswerSdlError(const Frame& request, std::unique_ptr<SessionDownload>& download)
{
    if (request.payload.size() != kSdlErrorSize)
        return BadData(request);
    download.reset();
    return AnswerRequest(request, {});
}

}  // namespace corvane
