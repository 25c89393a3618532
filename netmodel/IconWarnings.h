#pragma once

#include <string_view>

namespace corvane {

// The battery-life and conflict warnings that icon dialogs, the checks and
// the upload show. An icon record's warning-flag bits keep an accepted
// warning from coming back for that icon.
namespace icon_warning {

inline constexpr std::string_view kChirpMode =
    "Chirp mode requires the logger to remain active for the entire logging session, limiting battery life in "
    "battery powered loggers.\n\nClick OK to allow Chirp mode in this program net.";
inline constexpr std::string_view kExcitedInputWithExciteIcon =
    "This analog input icon is configured with a sensor excitation time. Analog input excitation time cannot be "
    "used in a program net containing an Excitation icon since that icon's output would be turned on and off during "
    "scanning of the analog inputs.\n\nClick Cancel to set excitation time to zero. Else net programming will "
    "continue, but the conflict must be resolved before the program net can be uploaded.";
inline constexpr std::string_view kExcitationOnBattery =
    "If sensor excitation time is needed, battery-powered program nets can extend battery life by minimizing "
    "excitation time.\n\nClick OK to use the selected excitation value, or Cancel to select a different value.";
inline constexpr std::string_view kAdcSettling =
    "Battery-powered program nets can extend battery life by minimizing ADC settling time.\n\nClick OK to use the "
    "selected settling time, or Cancel to select a different value.";
inline constexpr std::string_view kExciteIconWithExcitedInputs =
    "One or more analog input icons are configured with a sensor excitation time. Analog input excitation time "
    "cannot be used in a program net containing an Excitation icon since the excitation output would be turned on "
    "and off during scanning of the analog inputs.\n\nNet programming will continue, but the conflict must be "
    "resolved before the program net can be uploaded.";
inline constexpr std::string_view kDioCounter =
    "A DIO in Counter mode requires the logger to remain active during a logging session, limiting battery "
    "life.\n\nAllow this configuration in the program net?";
inline constexpr std::string_view kRelayDutyApu =
    "If a Relay icon has a high \"ON\" duty, APU battery life will be reduced.\n\nAllow this configuration in the "
    "program net?";
inline constexpr std::string_view kRelayDutyInternal =
    "If a Relay icon has a high \"ON\" duty, internal battery life will be extremely reduced.\n\nAllow this "
    "configuration in the program net?";
inline constexpr std::string_view kMillisecondTiming =
    "Millisecond timing values cause the logger to execute in millisecond mode, drastically reducing battery "
    "life.\n\nAdditionally, logging sessions using millisecond timing halt after approximately 248 days due to an "
    "internal counter overflow.\n\nClick OK to allow millisecond timing values in this program net.";
inline constexpr std::string_view kMillisecondDelays =
    "Millisecond delay intervals will cause the logger to execute in millisecond mode, drastically reducing "
    "battery life.\n\nAdditionally, logging sessions using millisecond timing halt after approximately 248 days due "
    "to an internal counter overflow.\n\nClick OK to allow millisecond delays in this program net.";
// %s: the GPDI mode's name.
inline constexpr std::string_view kGpdiMode =
    "A GPDI in %s mode requires the logger to remain active during a logging session, limiting battery "
    "life.\n\nAllow this icon in the program net?";
inline constexpr std::string_view kModbusRtuSlave =
    "A Modbus RTU Slave requires the logger to remain active for the entire logging session to respond to Modbus "
    "register requests. This significantly limits battery life.\n\nClick OK to configure address registers. Else "
    "open the Logger Configuration dialog and un-check the \"Modbus RTU Slave\" checkbox.";
inline constexpr std::string_view kUploadInternallyPowered =
    "This logger is an internally-powered model.The program net was developed for a Basic logger with an APU. "
    "Executing this net from internal battery will have a substantially shorter run time than execution with an "
    "APU.\n\nClick OK to upload the program net.";
inline constexpr std::string_view kUploadWithoutMemory =
    "The program net does not include a Memory icon so data will not be logged to local memory.\n\nClick OK to "
    "continue, else CANCEL.\n\nOnly check the \"Don't show more ...\" checkbox if all following upload commands are "
    "meant to allow the program net to be uploaded to the logger.";
inline constexpr std::string_view kUploadBatteryPowered =
    "The logger is a battery powered model. It may not correctly execute a program net developed for a networked "
    "logger.\n\nExecuting this net from internal battery may also result in a short run time before battery "
    "discharge.\n\nClick OK to upload the program net.";
inline constexpr std::string_view kMillisecondDelayOrDuration =
    "Millisecond delay or duration intervals will cause the logger to execute in millisecond mode, drastically "
    "reducing battery life.\n\nClick OK to allow millisecond timing in this program net.";
inline constexpr std::string_view kMillisecondRates =
    "Millisecond sample rates cause the logger to execute in millisecond mode, drastically reducing battery "
    "life.\n\nAdditionally, logging sessions using millisecond timing halt after approximately 248 days due to an "
    "internal counter overflow.\n\nClick OK to allow millisecond rates in this program net.";
inline constexpr std::string_view kNetScanPeriod =
    "When a logger is battery-powered with a program net that can idle between net scans, the net scan period "
    "should be set to a value as long as feasible to extend battery life.";
inline constexpr std::string_view kDataTransferRetries =
    "For proper data transfer icon operation, ensure that their Configuration settings for \"Number of Retries\" "
    "multiplied by \"Minutes Between\" is less than the icon's Trigger interval.\n\nIf the Retries x Minutes "
    "interval is longer than the icon's Trigger interval, errors can result during a logging session due to timing "
    "conflicts between attempts to retry the operation and the icon's next trigger from the program net.\n\nRefer "
    "to dialog HELP for additional usage information.";

}  // namespace icon_warning
}  // namespace corvane
