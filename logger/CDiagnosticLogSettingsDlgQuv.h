#pragma once

#include "logger/CCommDialog.h"
#include "logger/DiagnosticLevels.h"

#include <array>
#include <cstdint>

namespace corvane {

class DiagnosticLogServices;

// "Diagnostic Log Settings": reads the level of each category of the
// logger's diagnostic log, sets them and starts the log on OK (nothing is
// sent when they did not change), clears the log file in the logger, and
// opens the "Diagnostic Files" dialog.
class CDiagnosticLogSettingsDlgQuv : public CCommDialog {
public:
    static constexpr std::uint32_t kHelpTopic = 2101;
    enum class Pending : std::uint8_t { None = 0, Query = 1, Start = 3 };

    CDiagnosticLogSettingsDlgQuv(
        CConnectionDetails& connection, DiagnosticLogServices& services, Window* parent = nullptr);

    // The new levels (the combos' choices as last read) and the levels the
    // logger reported.
    const DiagnosticLevels::Levels& NewLevels() const { return newLevels_; }
    const DiagnosticLevels::Levels& LoggerLevels() const { return loggerLevels_; }
    Pending PendingOp() const { return pending_; }
    std::uint8_t Status() const { return status_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCommReply(std::unique_ptr<CReplyMessage> reply) override;
    void OnCommTimeout(std::uint16_t requestType) override;

private:
    void EnableLevelCombos(bool on);
    void SetAllLevels();
    void OnTraceMessages();
    void OnClearLog();
    void OnDiagnosticFiles();
    void ShowLevels();
    void ReadLevels();
    // The level block sent with every operation: the new levels, then the
    // levels read.
    std::array<std::uint8_t, 2 * DiagnosticLevels::kCategoryCount> LevelBlock() const;
    void Box(std::string_view text, std::string_view caption, bool warning = false);

    DiagnosticLogServices& services_;
    DiagnosticLevels::Levels newLevels_{};
    DiagnosticLevels::Levels loggerLevels_{};
    Pending pending_ = Pending::None;
    std::uint8_t status_ = 0;
    bool productionMode_ = false;
    bool traceRequested_ = false;
};

}  // namespace corvane
