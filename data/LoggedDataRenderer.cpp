#include "data/LoggedDataRenderer.h"

#include "data/LoggedDataRenderState.h"

namespace corvane {

LoggedDataContext::LoggedDataContext() = default;
LoggedDataContext::~LoggedDataContext() = default;
LoggedDataContext::LoggedDataContext(LoggedDataContext&&) noexcept = default;
LoggedDataContext& LoggedDataContext::operator=(LoggedDataContext&&) noexcept = default;

int LoggedDataOpen(
    LoggedDataContext& context, const std::filesystem::path& folder, const LoggedDataRenderOptions& options)
{
    if (context.state_)
        context.state_->Close();
    context.state_.reset();
    auto state = std::make_unique<LoggedDataRenderState>(folder, options);
    const int result = state->Open();
    if (result == 0)
        context.state_ = std::move(state);
    return result;
}

int LoggedDataRead(LoggedDataContext& context, std::span<char> buffer)
{
    if (!context.state_)
        return logrender::kNotOpen;
    return context.state_->Read(buffer);
}

int LoggedDataClose(LoggedDataContext& context)
{
    if (!context.state_)
        return 0;
    const int result = context.state_->Close();
    context.state_.reset();
    return result;
}

std::optional<std::string_view> LoggedDataHeaderLines(const LoggedDataContext& context)
{
    if (!context.state_)
        return std::nullopt;
    return context.state_->HeaderLines();
}

}  // namespace corvane
