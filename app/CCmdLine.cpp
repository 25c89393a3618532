#include "app/CCmdLine.h"

namespace corvane {

void CCmdLine::Parse(std::span<const std::string> arguments)
{
    bool optionsEnded = false;
    for (const std::string& argument : arguments) {
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
            continue;
        }
        const bool flag = !optionsEnded && argument.size() > 1 && argument.front() == '-';
        if (flag) {
            // "-name" and "--name" are the same option.
            const std::size_t dashes = argument.starts_with("--") ? 2 : 1;
            ParseParam(argument.substr(dashes), true);
        } else {
            ParseParam(argument, false);
        }
    }
}

void CCmdLine::ParseParam(const std::string& parameter, bool flag)
{
    if (flag) {
        if (parameter == "nosplash") {
            showSplash_ = false;
        } else if (parameter == "script") {
            script_ = true;
        }
        return;
    }
    if (fileName_.empty() && !parameter.empty()) {
        fileName_ = parameter;
    }
}

}  // namespace corvane
