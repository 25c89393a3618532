#pragma once

#include "netdoc/NetDocServices.h"
#include "netmodel/CCorvaneDoc.h"
#include "netmodel/NetContext.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace corvane {

class CCorvaneIcon;
class CGlobalIcon;
class IconFactory;

// How a net is compiled: 0 save a compiled file, 1 check only, 2 upload,
// 3 write in spite of findings.
enum class CompileMode { SaveCompiled = 0, CheckOnly = 1, Upload = 2, ConvertAnyway = 3 };

// A Data Tag icon's entry for trending: the icon, its name, the label of
// the output feeding it and the kind of value (0 logic, 1 or 2 data).
struct DataTagChannel {
    std::uint16_t iconId = 0;
    std::string tagName;
    std::string sourceLabel;
    std::uint8_t valueKind = 0;
};

// A Data Tag icon as the data-tag lists see it.
struct DataTagInfo {
    std::string name;
    std::uint16_t tagId = 0;
    std::uint16_t assignmentBits = 0;
};

// The program-net document: one net, its icons made by the icon factory,
// opened from and saved to net files, checked and numbered in execution
// order, and compiled into the logger's image.
class CNetDoc : public CCorvaneDoc, public NetContext {
public:
    static constexpr std::string_view kDefaultTitle = "ProgramNet";
    static constexpr std::string_view kDownloadFileName = "quvBinDownload.bin";
    // The largest net file read or downloaded; far above any net the logger takes.
    static constexpr std::size_t kMaxNetFileBytes = std::size_t{1} << 20;

    CNetDoc(NetDocServices& services, const IconFactory& factory);
    ~CNetDoc() override;

    // Icons from type codes and records.
    std::unique_ptr<CCorvaneIcon> CreateIcon(std::uint16_t typeCode, std::uint16_t subtype);
    // Fills a new icon from its record the way opening a net does and,
    // when asked, adds it. The icon is dropped on a refusal.
    std::optional<RecordError> LoadIconFromRecord(std::unique_ptr<CCorvaneIcon>& icon,
        std::span<const std::uint8_t> record, std::uint16_t typeCode, std::uint16_t subtype, bool add);

    // The Program icon's logger type (bits 24..27 of its model word), 0
    // without one; the net is for this logger family when it is 3.
    int GetProgramLoggerType() const;
    bool IsProgramNetForLogger() const { return GetProgramLoggerType() == 3; }
    CGlobalIcon* ProgramIcon() const;
    std::string GetProgramIconName() const;

    // Documents.
    bool OnNewDocument() override;
    bool OnOpenDocument(const std::filesystem::path& path) override;
    bool OnSaveDocument(const std::filesystem::path& path) override;
    bool SaveModified() override;
    int SaveQuestionOutcome() const { return saveOutcome_; }

    // Net files. The save shows the file dialog unless it may use the path;
    // the open takes the path (or the download, or asks) and reports
    // through notices; the net stays as it was on any failure.
    bool SaveNetFile(bool usePath, const std::filesystem::path& path);
    bool OpenNetFile(bool fromLogger, bool havePath, std::filesystem::path& path);
    // The image a save writes, or the notice text that refuses it.
    std::variant<std::vector<std::uint8_t>, std::string> BuildSaveImage();
    // Why an image was refused: the text, and whether it is a notice (the
    // CRC) rather than a message box (the header and the records).
    struct OpenRefusal {
        std::string text;
        bool notice = false;
    };
    // Replaces the net with the icons of an image. A refusal leaves the
    // net untouched.
    std::optional<OpenRefusal> LoadNetImage(std::span<const std::uint8_t> image, bool fromLogger);

    // Checks and compilation.
    bool CompileNet(std::vector<std::string>& messages, const std::filesystem::path& output, CompileMode mode);
    const std::vector<std::string>& Messages() const { return messages_; }
    const std::vector<CCorvaneIcon*>& OrderedList() const { return ordered_; }
    bool CheckIconConnections(CCorvaneIcon& icon);
    // Compares a hardware channel icon with the logger's hardware found by
    // the query and adds a finding for each difference.
    void CheckHardwareModules(CCorvaneIcon& icon);
    int ClearDataTagFlag(int bit);
    int RescanMillisecondClocks(bool rescan, const CCorvaneIcon* skip);
    // The question before a clock's resolution changes between seconds
    // (unit index non-zero) and milliseconds (0); empty when none is due.
    void ConfirmSampleRateChange(int oldUnit, int newUnit, std::string& text, const CCorvaneIcon* icon);
    // The program around the net (the transfer dialogs reach it through the document).
    NetDocServices& Services() const { return services_; }
    // The text the logger gave with its net's status when the net was last
    // read back from it.
    const std::string& LoggerNetText() const { return loggerNetText_; }
    void SetLoggerNetText(std::string text) { loggerNetText_ = std::move(text); }
    // The advisory box of the program around the net (icon dialogs' battery questions).
    int ShowAdvisory(int boxType, std::string_view text) { return services_.ShowAdvisory(boxType, text); }

    // NetContext.
    int NextExecutionOrder() override { return ++executionCounter_; }
    // Splits the text into lines (at most 259 characters each) and adds an
    // empty line after them; returns the index of the last line.
    void AddMessage(std::string_view text) override { (void)AppendMessage(text); }
    int AppendMessage(std::string_view text);

    // Data tags.
    bool GetDataTagChannels(std::size_t capacity, std::vector<DataTagChannel>& channels) const;
    int CountConnectedDataTags() const;
    std::vector<DataTagInfo> CollectDataTagIcons() const;

private:
    // The checks before a compilation: findings, execution order and the
    // compile list. False when a step stops the run.
    bool RunChecks(CompileMode mode, bool connected);
    // The steps of a check run, in the order RunChecks takes them.
    void AddConnectionWarnings(CompileMode mode, bool connected);
    void ResetExecutionOrders(std::span<CCorvaneIcon* const> icons);
    bool NumberProgramIcon(CGlobalIcon& program, CompileMode mode);
    void NumberClocks(std::span<CCorvaneIcon* const> icons);
    void NumberByPriority(std::span<CCorvaneIcon* const> icons);
    bool CheckModbusIcons(std::span<CCorvaneIcon* const> icons, bool connected, bool convert);
    void NumberGeneralPass(std::span<CCorvaneIcon* const> icons, const CGlobalIcon& program, bool connected);
    void NumberLargeIcons(std::span<CCorvaneIcon* const> icons, bool convert);
    bool QueryLoggerHardware(CGlobalIcon& program, bool connected);
    void BuildCompileList(std::span<CCorvaneIcon* const> icons);
    void NumberForSave();
    bool CheckMqttRate(const CCorvaneIcon& mqtt);
    bool ConnectedSourceExists(const CCorvaneIcon& icon) const;
    // Applies the subtype, reads the record and sets up the special inputs.
    std::optional<RecordError> FillIconFromRecord(
        CCorvaneIcon& icon, std::span<const std::uint8_t> record, std::uint16_t typeCode, std::uint16_t subtype);
    // A 7-channel module channel marks its module present in the poll and
    // sets its expected switch bits and its picture.
    static void NoteModuleChannel(CCorvaneIcon& icon, std::span<const std::uint8_t> record, CHardwarePoll& poll);

    // An image read into icons that no document holds yet, with the
    // hardware its module channels expect.
    struct StagedIcon {
        std::unique_ptr<CCorvaneIcon> icon;
        std::span<const std::uint8_t> record;
    };
    struct StagedNet {
        std::vector<StagedIcon> icons;
        std::span<const std::uint8_t> programRecord;
        std::unique_ptr<CHardwarePoll> modules;
    };
    // Reads every record of an image, refusing a damaged image, a damaged
    // record or two icons of one id. The icons keep only links to icons of
    // the image, and the Program icon none.
    std::variant<StagedNet, OpenRefusal> StageNetImage(std::span<const std::uint8_t> image);

    NetDocServices& services_;
    const IconFactory& factory_;
    std::vector<CCorvaneIcon*> ordered_;
    int executionCounter_ = 0;
    std::vector<std::string> messages_;
    bool loading_ = false;
    bool fromLogger_ = false;
    bool naming_ = false;
    int saveOutcome_ = 0;
    bool mqttNotice_ = true;
    int millisecondClock_ = 0;
    bool quiet_ = false;  // findings are dropped (numbering for a forced conversion)
    bool memoryIconPresent_ = false;
    std::string loggerNetText_;
};

}  // namespace corvane
