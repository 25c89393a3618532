#pragma once

#include "netmodel/PictureActions.h"

#include <set>
#include <string>
#include <vector>

namespace corvane::test {

// Notes each command by name; the commands in disabled do not run.
class RecordingPictureActions final : public PictureActions {
public:
    std::vector<std::string> calls;
    bool netHasObjects = true;
    std::set<int> disabled;

    bool IsPictureCommandEnabled(int commandId) override { return !disabled.contains(commandId); }

    void OnDownloadNet() override { calls.emplace_back("DownloadNet"); }
    void OnDownloadData() override { calls.emplace_back("DownloadData"); }
    void ShowLoggerConfiguration() override { calls.emplace_back("LoggerConfiguration"); }
    void OnViewProbePoints() override { calls.emplace_back("ProbePoints"); }
    void OnSetLoggerTime() override { calls.emplace_back("SetLoggerTime"); }
    void OnViewLoggerStatus() override { calls.emplace_back("LoggerStatus"); }
    void OnUploadNet() override { calls.emplace_back("UploadNet"); }
    void OnEnableLogging() override { calls.emplace_back("EnableLogging"); }
    void OnStopLogging() override { calls.emplace_back("StopLogging"); }
    void OnClearMemory() override { calls.emplace_back("ClearMemory"); }
    void ShowConnectDialog() override { calls.emplace_back("ConnectDialog"); }
    void OnScanCard() override { calls.emplace_back("ScanCard"); }
    void OnDownloadCardData() override { calls.emplace_back("DownloadCardData"); }
    void IgnorePictureAction() override { calls.emplace_back("Ignore"); }
    bool NetHasObjects() const override { return netHasObjects; }
    void PostMainCommand(int commandId) override { calls.push_back("Main " + std::to_string(commandId)); }
    void PostViewCommand(int commandId) override { calls.push_back("View " + std::to_string(commandId)); }
    void OpenLastDownloadFile() override { calls.emplace_back("OpenLastDownload"); }
};

}  // namespace corvane::test
