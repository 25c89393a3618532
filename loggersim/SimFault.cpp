#include "loggersim/SimFault.h"

#include "base/TextNumbers.h"

#include <vector>

namespace corvane {

namespace {

}  // namespace

std::optional<SimFault> ParseSimFault(std::string_view text)
{
    // Kind, type and, for delay and error, one more field; an error's text
    // is the rest and may hold colons itself.
    std::vector<std::string_view> fields;
    for (int i = 0; i < 3 && !text.empty(); ++i) {
        const std::size_t colon = text.find(':');
        fields.push_back(text.substr(0, colon));
        text = colon == std::string_view::npos ? std::string_view() : text.substr(colon + 1);
    }
    if (fields.size() < 2)
        return std::nullopt;
    SimFault fault;
    const std::string_view kind = fields[0];
    std::string_view type = fields[1];
    const std::size_t slash = type.find('/');
    if (slash != std::string_view::npos) {
        const auto count = ParseWholeInteger<int>(type.substr(slash + 1));
        if (!count || *count < 1)
            return std::nullopt;
        fault.count = *count;
        type = type.substr(0, slash);
    }
    if (type != "*") {
        fault.requestType = ParseWholeInteger<std::uint16_t>(type);
        if (!fault.requestType)
            return std::nullopt;
    }
    struct Plain {
        std::string_view name;
        SimFault::Kind kind;
    };
    constexpr Plain kPlainKinds[] = {{"no-reply", SimFault::Kind::NoReply}, {"drop", SimFault::Kind::DropLink},
        {"sdl-skip-block", SimFault::Kind::SdlSkipBlock}, {"sdl-stall", SimFault::Kind::SdlStall}};
    for (const Plain& plain : kPlainKinds) {
        if (kind != plain.name)
            continue;
        if (fields.size() != 2)
            return std::nullopt;
        fault.kind = plain.kind;
        return fault;
    }
    if (kind == "delay") {
        const auto delay = fields.size() == 3 && text.empty() ? ParseWholeInteger<std::uint32_t>(fields[2]) : std::nullopt;
        if (!delay)
            return std::nullopt;
        fault.kind = SimFault::Kind::Delay;
        fault.delayMs = *delay;
        return fault;
    }
    if (kind == "error") {
        const auto code = fields.size() == 3 ? ParseWholeInteger<std::uint16_t>(fields[2]) : std::nullopt;
        if (!code)
            return std::nullopt;
        fault.kind = SimFault::Kind::ErrorReply;
        fault.code = *code;
        fault.text = std::string(text);
        return fault;
    }
    return std::nullopt;
}

}  // namespace corvane
