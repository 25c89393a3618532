#pragma once

#include "logger/CCommDialog.h"

#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>

namespace corvane {

class CReplyMessage;
class LoggerStateServices;

// The modal "Logger Status" dialog: reads the logger's runtime messages,
// its state block and its serial number, in that order, shows them
// read-only, and lets the user have the logger clear the logging session's
// error flags by clicking their check boxes. A click on a system flag puts
// its check back as the logger reported it.
class CStatusDialog final : public CCommDialog {
public:
    explicit CStatusDialog(LoggerStateServices& services, Window* parent = nullptr);
    ~CStatusDialog() override;

    // Empties the runtime-message list and reads the messages from the
    // first (also the Refresh button).
    void StartRefresh();
    // The status word of the last state reply.
    std::uint32_t StatusFlags() const { return statusFlags_; }
    // The caption the dialog shows ("Logger Status", then with the serial).
    const std::string& Caption() const { return caption_; }

    static std::string FormatRunState(std::uint32_t status);
    static std::string FormatSignalBar(unsigned count);

    // The check box of each status flag, and whether a click clears it.
    struct FlagBox {
        std::uint32_t bit;
        int checkBox;
        bool clears;
    };
    static const std::array<FlagBox, 16>& FlagBoxes();

protected:
    bool OnInitDialog() override;
    void OnCommReply(std::unique_ptr<CReplyMessage> reply) override;
    void OnCommTimeout(std::uint16_t requestType) override;

private:
    void OnRuntimeMessage(const CReplyMessage& reply);
    void OnStateReply(const CReplyMessage& reply);
    void OnSerialReply(const CReplyMessage& reply);
    void OnClearReply(const CReplyMessage& reply);
    // Sends the clear request of a clearable bit and unchecks its box.
    void ClearStatusFlag(std::uint32_t bit, int checkBox);
    // Puts a read-only box's check back as the status word has it.
    void RestoreFlagCheck(int checkBox, std::uint32_t bit);
    // Writes the fields, the check boxes and the signal fields to the controls.
    void ShowFields();
    void ShowInsufficientData();

    LoggerStateServices& services_;
    std::uint32_t statusFlags_ = 0;
    // The texts of the read-only fields, by control.
    struct FieldText {
        int id = 0;
        std::string text;
    };
    std::array<FieldText, 18> fields_;
    std::string signal1Label_;
    std::string signal2Label_;
    bool signal1Shown_ = true;
    bool signal2Shown_ = true;
    std::uint32_t checkedFlags_ = 0;
    std::string caption_;
    // The bits whose clear requests await their replies, in order.
    std::deque<std::uint32_t> pendingClears_;
};

}  // namespace corvane
