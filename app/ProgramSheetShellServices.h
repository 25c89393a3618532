#pragma once

#include "icons/program/ProgramSheetServices.h"

namespace corvane {

class CCorvaneApp;

// The Program icon sheet's version checks over the application object:
// this program's version and the connected logger's firmware.
class ProgramSheetShellServices final : public ProgramSheetServices {
public:
    explicit ProgramSheetShellServices(CCorvaneApp& app) : app_(app) {}

    std::optional<std::string> CheckNetVersion(std::uint32_t modelWord, std::uint32_t secondVersionWord) const override;
    std::uint32_t ProgramVersionWord() const override;
    std::uint32_t LoggerFirmwareWord() const override;

private:
    CCorvaneApp& app_;
};

}  // namespace corvane
