#pragma once

#include "netmodel/CHardwareIcon.h"

namespace corvane {

// The logger's relay, switched by its one on/off input; wired at
// terminals 22 (common) and 23 (normally open) of the logger's strip.
//
// Fixed part (record offsets):
//   72 u16 mode word: 0x0800 open while the input is high (else closed);
//          for a stopped, reset or reflashed logger 0x0400 retain the
//          last state, 0x0200 close, neither open
// then the input link at 74.
class CQuvEngRelayIcon : public CHardwareIcon {
public:
    static constexpr std::uint16_t kTypeCode = 24;
    static constexpr std::uint16_t kRecordLength = 74;
    static constexpr std::uint16_t kOpenWhenHigh = 0x0800;
    static constexpr std::uint16_t kRetainOnStop = 0x0400;
    static constexpr std::uint16_t kCloseOnStop = 0x0200;
    static constexpr int kCommonTerminal = 22;
    static constexpr int kNormallyOpenTerminal = 23;
    static constexpr int kLoggerAddress = -17;

    CQuvEngRelayIcon();
    explicit CQuvEngRelayIcon(const Rect& position);

    std::string_view ClassName() const override { return "CQuvEngRelayIcon"; }

    std::uint16_t ModeWord() const { return mode_; }
    void SetModeWord(std::uint16_t mode) { mode_ = mode; }

    std::variant<std::size_t, RecordError> LoadRecord(std::span<const std::uint8_t> record) override;
    void BuildConnectors() override;
    std::unique_ptr<IconDialog> CreateIconDialog() override;
    void Layout() override;
    int CheckIconConnections(bool& isolated) const override;
    void CopyFixedPart(RecordTransfer& transfer) override;

    int GetPinCount() const override { return 2; }
    int GetPinInfo(int pin, TerminalStripEntry& entry) const override;
    int GetModuleType() const override { return 0; }
    int GetModuleAddress() const override { return kLoggerAddress; }

private:
    void Init();

    std::uint16_t mode_ = 0;
};

}  // namespace corvane
