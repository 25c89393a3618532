#pragma once

#include "base/NoticeSink.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace corvane {

class CHardwarePoll;
class SettingsStore;
class StatusSink;

// Where a net-document notice is shown: the captions of the main frame's
// notice message.
enum class NetNoticeCaption { SaveFile = 0, OpenFile = 1, VersionWarning = 3 };

// What the net document needs of the program around it: the logger
// connection, settings and folders, the recent-net list, notices for the
// user, and the logger hardware query. The shell fills it; tests fake it.
class NetDocServices {
public:
    virtual ~NetDocServices() = default;

    virtual bool IsConnected() const = 0;
    // The logger's configuration word read at connect (0 before).
    virtual std::uint16_t PolledConfigWord() const = 0;
    // The capability (model) byte the connection stored; its low three bits
    // say which network features the logger has (0: none).
    virtual std::uint8_t LoggerCapabilityByte() const = 0;
    // The connected logger's firmware word (its family in bits 24..27).
    virtual std::uint32_t LoggerFirmwareVersion() const = 0;
    // The logger's information text kept at connection (empty before).
    virtual std::string LoggerInfoText() const { return {}; }
    // The user's settings store (where the e-mail address book lives), or
    // null when there is none.
    virtual SettingsStore* UserSettings() { return nullptr; }
    // How long, in milliseconds, a logger request waits for its reply.
    virtual std::uint32_t MessageTimeoutMs() const = 0;
    // A warning text when a net of these versions does not suit the
    // connected logger or this program.
    virtual std::optional<std::string> CheckNetVersion(std::uint32_t first, std::uint32_t second) const = 0;
    // The opened net's option byte (Program icon record offset 105).
    virtual void SetNetOptionByte(std::uint8_t value) = 0;

    virtual std::filesystem::path NetFileFolder() const = 0;
    virtual void SetNetFileFolder(const std::filesystem::path& folder) = 0;
    // Where saved Modbus icons (".mbi") are kept and chosen from.
    virtual std::filesystem::path ModbusFileFolder() const = 0;
    virtual void SetModbusFileFolder(const std::filesystem::path& folder) = 0;
    // The folder the logger's net image is downloaded into.
    virtual std::filesystem::path WorkingFolder() const = 0;
    // True when raw downloads are kept (the administrator's setting).
    virtual bool KeepRawDownloads() const = 0;
    virtual void AddRecentNet(const std::filesystem::path& path) = 0;

    virtual void ShowNotice(std::string_view text, NetNoticeCaption caption) = 0;
    // Where icons and their dialogs tell the user of something done for
    // them (a value brought into range, say): shown once the handler that
    // raised it has returned.
    virtual NoticeSink& Notices() = 0;
    // The main frame's status bar, for the dialogs of icons that talk to the
    // logger.
    virtual StatusSink& Status() = 0;
    // The advisory box with its "do not show again" choice for the run
    // (box type 0 OK and Cancel, 1 OK, 2 Yes and No); the button pressed as
    // a message-box code, or 5 when the user chose not to see the text again.
    virtual int ShowAdvisory(int boxType, std::string_view text) = 0;
    // Saving under ".quv" hands the net to the conversion dialog.
    virtual void ConvertNet(const std::filesystem::path& path) = 0;

    // Queries the connected logger's hardware into the poll: starts it and
    // waits, bounded, until it has finished or failed. False on failure.
    virtual bool QueryHardware(CHardwarePoll& poll) = 0;
};

}  // namespace corvane
