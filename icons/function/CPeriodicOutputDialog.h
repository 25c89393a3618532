#pragma once

#include "icons/common/CIconDialog.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace corvane {

class CPeriodicOutputIcon;
class NoticeSink;

// Sets a periodic output's initial delay, ON and OFF durations (each as
// hours, minutes, seconds and milliseconds), its cycle count and what it
// does while disabled. A field that loses the focus is brought into its
// range (milliseconds also to a multiple of 5), with notices for the
// user; OK does the same to every field first, then refuses a
// cycle count above 65535 and a zero ON or OFF time and, on a
// battery-powered net, asks once before millisecond timing is used.
class CPeriodicOutputDialog : public CIconDialog {
public:
    static constexpr std::string_view kCaption = "Periodic Output";
    static constexpr std::string_view kCyclesLabel = "Number of Cycles to Repeat";

    // notices: where the range and rounding notices go (none when null).
    explicit CPeriodicOutputDialog(CPeriodicOutputIcon& icon, NoticeSink* notices = nullptr, Window* parent = nullptr);

    // The four fields of a tick count and back. Fields are hours (0..99),
    // minutes, seconds and milliseconds.
    using Fields = std::array<std::int32_t, 4>;
    static Fields FieldsOfTicks(std::uint32_t ticks);
    static std::uint32_t TicksOfFields(const Fields& fields);

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& exchange) override;
    bool ValidateFields() override;
    void ApplyToIcon() override;

private:
    // Reads a field, brings it into range and writes it back in its form.
    std::int32_t NormaliseField(int group, int field);
    Fields ReadGroup(int group);
    void ShowGroup(int group, std::uint32_t ticks);

    CPeriodicOutputIcon& periodic_;
    NoticeSink* notices_;
    std::uint32_t cycles_ = 0;
    int suspend_ = 0;                       // radio index: 0 reset upon disable, 1 suspend while disabled
    std::array<std::uint32_t, 3> ticks_{};  // delay, ON, OFF
    bool noticeAccepted_ = false;
};

}  // namespace corvane
