#pragma once

#include <span>
#include <string>

namespace corvane {

// The program's command line: "-nosplash" (exactly so) starts without the
// splash picture, "-script" is accepted and remembered, other options are
// ignored; the first argument that is not an option names a file to open.
class CCmdLine {
public:
    // arguments: without the program's own name.
    void Parse(std::span<const std::string> arguments);

    bool ShowSplash() const { return showSplash_; }
    bool Script() const { return script_; }
    const std::string& FileName() const { return fileName_; }

private:
    void ParseParam(const std::string& parameter, bool flag);

    bool showSplash_ = true;
    bool script_ = false;
    std::string fileName_;
};

}  // namespace corvane
