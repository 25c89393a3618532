#include "res/DialogTemplates.h"

#include "res/AboutDialog.h"
#include "res/AddressBookDialogs.h"
#include "res/AdvisoryDialog.h"
#include "res/BattIconDialog.h"
#include "res/BigDataDialog.h"
#include "res/CardDownloadDialog.h"
#include "res/CheckNetDialog.h"
#include "res/ComparatorDialog.h"
#include "res/ConnectDialog.h"
#include "res/ConnectionSettingsDialog.h"
#include "res/ConstDialog.h"
#include "res/ConvertNetDialog.h"
#include "res/CountDialog.h"
#include "res/DataBufferDialog.h"
#include "res/DataDownloadDialog.h"
#include "res/DataTagDialog.h"
#include "res/DelayDialog.h"
#include "res/DeltaDialog.h"
#include "res/DutyCycleDialog.h"
#include "res/EditMathFunctionDialog.h"
#include "res/EmailAttachPage.h"
#include "res/EngAlarmDialog.h"
#include "res/EngInputsDialog.h"
#include "res/EngLedDialog.h"
#include "res/EngRelayDialog.h"
#include "res/EqnDialog.h"
#include "res/ExciteDialog.h"
#include "res/FileOptionsDialog.h"
#include "res/FilterDialog.h"
#include "res/FilterDownloadDialog.h"
#include "res/FlipFlopDialog.h"
#include "res/GlobalDialog.h"
#include "res/GpdiDialog.h"
#include "res/IntegratorDialog.h"
#include "res/IpAddressAndSubnetDialog.h"
#include "res/LatchDialog.h"
#include "res/LcdMessageEntryDialog.h"
#include "res/LcdTextDialog.h"
#include "res/LoggerUserDialogs.h"
#include "res/LogicDialog.h"
#include "res/MathDialog.h"
#include "res/MathLibraryDialog.h"
#include "res/MaxMinAvgSumDialog.h"
#include "res/ModbusPage.h"
#include "res/ModbusTestDialog.h"
#include "res/ModbusPropertiesDialog.h"
#include "res/ModbusServerIconDialog.h"
#include "res/ModuleNodeDialogs.h"
#include "res/MultiplexDialog.h"
#include "res/NetDownloadDialog.h"
#include "res/ClockDialogs.h"
#include "res/NetUploadDialog.h"
#include "res/OdioDialog.h"
#include "res/OneShotDialog.h"
#include "res/PeriodicOutputDialog.h"
#include "res/PowerManagementDialog.h"
#include "res/ProgramSettingsDialog.h"
#include "res/RateOfChangeDialog.h"
#include "res/ResourceIds.h"
#include "res/SSClockDialog.h"
#include "res/SampleRateClockDialog.h"
#include "res/SchedDialog.h"
#include "res/ScratchPadDialog.h"
#include "res/SelectModbusIconsDialog.h"
#include "res/SpikeDialog.h"
#include "res/StopDialog.h"
#include "res/TaccumDialog.h"
#include "res/TagPickerPage.h"
#include "res/TempBaseDialog.h"
#include "res/TnoteDialog.h"
#include "res/UserLoginDialog.h"
#include "res/VexaEventCountDialog.h"
#include "res/VexaFiveVoltDialog.h"
#include "res/VexaFreqInDialog.h"
#include "res/VexaFreqOutDialog.h"
#include "res/VxmColdJunctionDialog.h"
#include "res/VxmCurrentDialog.h"
#include "res/VxmHighVoltageDialog.h"
#include "res/VxmLowVoltageDialog.h"
#include "res/WarmupDialog.h"
#include "res/WarningDialog.h"
#include "res/WinCompareDialog.h"
#include "res/RemoteProbeDialogs.h"
#include "res/DiagnosticLogDialogs.h"
#include "res/ReflashDialogs.h"
#include "res/LoggerStatusDialogs.h"

#include <array>

namespace corvane::res {

namespace {

constexpr std::array kTemplates = {
    &kAboutDialog,
    &kAddAddressToBookDialog,
    &kAddressBookDialog,
    &kAddressSelectionDialog,
    &kAdvisoryDialog,
    &kBattIconDialog,
    &kBigDataDialog,
    &kCardDownloadDialog,
    &kCheckNetDialog,
    &kComparatorDialog,
    &kConnectDialog,
    &kConnectionSettingsDialog,
    &kConstDialog,
    &kConvertNetDialog,
    &kCountDialog,
    &kDataBufferDialog,
    &kDataDownloadDialog,
    &kDataTagDialog,
    &kModbusPropertiesDialog,
    &kModbusServerIconDialog,
    &kSelectModbusIconsDialog,
    &kDelayDialog,
    &kDeltaDialog,
    &kDutyCycleDialog,
    &kEditMathFunctionDialog,
    &kEmailAttachPage,
    &kEngAlarmDialog,
    &kEngInputsDialog,
    &kEngLedDialog,
    &kEngRelayDialog,
    &kEqnDialog,
    &kExciteDialog,
    &kFileOptionsDialog,
    &kFilterDialog,
    &kFilterDownloadDialog,
    &kFlipFlopDialog,
    &kGlobalDialog,
    &kGlobalSystemPage,
    &kGlobalLcdPage,
    &kGpdiDialog,
    &kIntegratorDialog,
    &kIpAddressAndSubnetDialog,
    &kLatchDialog,
    &kLcdMessageEntryDialog,
    &kLcdTextDialog,
    &kLogicDialog,
    &kMathDialog,
    &kMathLibraryDialog,
    &kMaxMinAvgSumDialog,
    &kModbusPage,
    &kModbusTestDialog,
    &kMultiplexDialog,
    &kNetDownloadDialog,
    &kNetUploadDialog,
    &kOdioDialog,
    &kOneShotDialog,
    &kPeriodicOutputDialog,
    &kPowerManagementDialog,
    &kProgramSettingsDialog,
    &kRateOfChangeDialog,
    &kSSClockDialog,
    &kSampleRateClockDialog,
    &kSchedDialog,
    &kScratchPadDialog,
    &kSpikeDialog,
    &kStopDialog,
    &kTaccumDialog,
    &kTagPickerPage,
    &kTempBaseDialog,
    &kTnoteDialog,
    &kUserLoginDialog,
    &kUserPropertiesDialog,
    &kUserSelectionDialog,
    &kChangePasswordDialog,
    &kVexaEventCountDialog,
    &kVexaFiveVoltDialog,
    &kVexaFreqInDialog,
    &kVexaFreqOutDialog,
    &kVxmColdJunctionDialog,
    &kVxmCurrentDialog,
    &kVxmHighVoltageDialog,
    &kVxmLowVoltageDialog,
    &kWarmupDialog,
    &kWarningDialog,
    &kWinCompareDialog,
    &kRemoteControlsDialog,
    &kProbeValuesDialog,
    &kDiagnosticLogSettingsDialog,
    &kDiagnosticFilesDialog,
    &kDiagnosticLogViewerDialog,
    &kAuthDialog,
    &kReflashDialog,
    &kLoggerStatusDialog,
    &kEnableIntMemDialog,
    &kVexa7NodeDialog,
    &kVexa2NodeDialog,
    &kChangeModuleNameDialog,
    &kLoggerTimeDialog,
    &kResetLoggerDialog,
};

constexpr std::array kGlobalPages = {&kGlobalSystemPage, &kGlobalLcdPage};

constexpr std::array kChildSheets = {
    ChildSheetTemplate{&kGlobalDialog, kIdcGlobalSheetFrame, kGlobalPages},
};

}  // namespace

std::span<const DialogTemplate* const> AllDialogTemplates() { return kTemplates; }

std::span<const ChildSheetTemplate> AllChildSheets() { return kChildSheets; }

}  // namespace corvane::res
