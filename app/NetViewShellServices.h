#pragma once

#include "netdoc/HardwareIconMakers.h"
#include "netdoc/NetViewServices.h"

namespace corvane {

class CCorvaneApp;
class HardwarePollReporter;
class ProgramSheetServices;
class TextFileViewer;

// The net view's services as the application object gives them: the
// hardware icons' makers, the Program icon with its sheet, the wiring
// list shown in the desktop's text viewer, and the shell's query reporter.
class NetViewShellServices final : public NetViewServices {
public:
    NetViewShellServices(CCorvaneApp& app, const HardwareIconMakers& makers, const ProgramSheetServices& sheet,
        HardwarePollReporter& reporter, TextFileViewer& viewer);

    const HardwareIconMakers& HardwareMakers() const override { return makers_; }
    std::unique_ptr<CCorvaneIcon> MakeProgramIcon(const Rect& position, const CHardwarePoll& poll) override;
    void ShowWiringList(CNetDoc& document) override;
    void ClearDiagnostics() override;
    HardwarePollReporter* PollReporter() override { return &reporter_; }

private:
    CCorvaneApp& app_;
    const HardwareIconMakers& makers_;
    const ProgramSheetServices& sheet_;
    HardwarePollReporter& reporter_;
    TextFileViewer& viewer_;
};

}  // namespace corvane
