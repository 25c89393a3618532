#pragma once

#include "icons/reporting/CBigDataIcon.h"

#include <string>

namespace corvane {

class SettingsStore;

// Publishes the chosen data tags over MQTT under a session series name.
// Trigger input (its clock, which must be linked) and enable input, one
// logic output; it never counts as isolated. The series name a new icon
// gets is the one last confirmed, kept in the settings store.
//
// Fixed part (record offsets):
//   72 u16      flag word: 0x8000 remain connected during the logging session
//   74 char[22] session series name, at most 21 bytes, zero-filled
//   96 u8       number of tag ids in the tail (written from the stored ids)
//   97 u8       13 when placed, kept as read
// then the output entry at 98 and the tag ids at 110.
class CBigMqttIcon : public CBigDataIcon {
public:
    static constexpr std::uint16_t kTypeCode = 70;
    static constexpr int kAssignmentBit = 4;
    static constexpr std::uint16_t kRecordLength = 98;
    static constexpr std::uint16_t kRemainConnected = 0x8000;
    static constexpr std::size_t kSeriesFieldSize = 22;
    static constexpr std::size_t kSeriesMaxBytes = kSeriesFieldSize - 1;
    static constexpr std::uint8_t kPlacedMarker = 13;
    static constexpr std::string_view kDefaultSeries = "SessionSeriesId";
    static constexpr std::string_view kSettingsKey = "Software\\Tarnwick\\Corvane\\IconData";
    static constexpr std::string_view kSeriesValue = "MqttSessionSeries";

    // The form a net file is read into; it touches no settings.
    CBigMqttIcon();
    // The placing form: the series name comes from the settings store (cut
    // to the field), or is the default, which is then stored. A null store
    // gives the default and stores nothing.
    CBigMqttIcon(const Rect& position, SettingsStore* settings);

    std::string_view ClassName() const override { return "CBigMqttIcon"; }

    // The store the series name is saved to (the loader hands it in).
    void SetSettingsStore(SettingsStore* settings) { settings_ = settings; }

    std::uint16_t FlagWord() const { return flags_; }
    void SetFlagWord(std::uint16_t flags) { flags_ = flags; }
    // The series name of the record (the one last confirmed), Windows-1252.
    const std::string& SeriesName() const { return series_; }
    // Sets the confirmed series name (Windows-1252), cut to the field.
    void SetSeriesName(std::string_view name);
    const std::string& PlacedSeriesName() const { return placedSeries_; }
    std::uint8_t PlacedMarker() const { return marker_; }
    // Stores the series name in the settings when it differs from the one
    // the icon was placed or loaded with.
    void SaveSessionSeries();

    int AssignmentBit() const override { return kAssignmentBit; }
    std::variant<std::size_t, RecordError> LoadRecord(std::span<const std::uint8_t> record) override;
    void BuildConnectors() override;
    std::unique_ptr<IconDialog> CreateIconDialog() override;
    void Layout() override;
    int CheckIconConnections(bool& isolated) const override;
    void CopyFixedPart(RecordTransfer& transfer) override;
    bool NeverIsolated() const override { return true; }

protected:
    std::size_t TailTagCount(const RecordTransfer& transfer) const override;

private:
    void Init();
    void ReadPlacedSeries();

    SettingsStore* settings_ = nullptr;
    std::uint16_t flags_ = 0;
    std::string series_;
    std::string placedSeries_;
    std::uint8_t count_ = 0;
    std::uint8_t marker_ = 0;
};

}  // namespace corvane
